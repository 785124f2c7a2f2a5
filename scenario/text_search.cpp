#include "scenario/text_search.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define FENNICK_HAVE_SSE2 1
#endif

namespace fennick {
namespace {

constexpr std::size_t kNoIndex = std::string_view::npos;

// 0-based index of the first occurrence starting at or after `start`, or kNoIndex.
// Candidates are filtered 16 at a time on the needle's first, second and last byte (all folded):
// tags begin with '<' so often that the first byte alone lets most blocks through, while "</"
// and the last byte together leave few survivors; only those are compared in full.
std::size_t FindFolded(std::string_view text, std::string_view needle, std::size_t start) {
  const std::size_t m = needle.size();
  if (m == 0 || start > text.size() || text.size() - start < m) return kNoIndex;
  const std::size_t lastStart = text.size() - m;
  const char* data = text.data();
  const auto first = static_cast<unsigned char>(needle.front());
  const auto last = static_cast<unsigned char>(needle.back());
  std::size_t i = start;
#ifdef FENNICK_HAVE_SSE2
  const __m128i firstWanted = _mm_set1_epi8(static_cast<char>(FoldAscii(first)));
  const __m128i lastWanted = _mm_set1_epi8(static_cast<char>(FoldAscii(last)));
  const __m128i firstCase = _mm_set1_epi8(IsAsciiLetter(first) ? 0x20 : 0);
  const __m128i lastCase = _mm_set1_epi8(IsAsciiLetter(last) ? 0x20 : 0);
  // With a one-byte needle the "second" byte is the first one again.
  const auto second = static_cast<unsigned char>(needle[m > 1 ? 1 : 0]);
  const __m128i secondWanted = _mm_set1_epi8(static_cast<char>(FoldAscii(second)));
  const __m128i secondCase = _mm_set1_epi8(IsAsciiLetter(second) ? 0x20 : 0);
  const std::size_t secondOffset = m > 1 ? 1 : 0;
  while (i + 15 <= lastStart) {
    const __m128i head =
        _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i)), firstCase);
    const __m128i tail =
        _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + m - 1)), lastCase);
    const __m128i next = _mm_or_si128(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + secondOffset)), secondCase);
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(
        _mm_and_si128(_mm_cmpeq_epi8(head, firstWanted), _mm_cmpeq_epi8(tail, lastWanted)),
        _mm_cmpeq_epi8(next, secondWanted))));
    while (mask != 0) {
      const std::size_t candidate = i + static_cast<std::size_t>(std::countr_zero(mask));
      if (MatchesFoldedAt(data + candidate, needle)) return candidate;
      mask &= mask - 1;
    }
    i += 16;
  }
#endif
  const unsigned char firstFolded = FoldAscii(first);
  for (; i <= lastStart; ++i) {
    if (FoldAscii(static_cast<unsigned char>(data[i])) == firstFolded &&
        MatchesFoldedAt(data + i, needle)) {
      return i;
    }
  }
  return kNoIndex;
}

}  // namespace

Pos FindNoCase(std::string_view text, std::string_view needle, Pos from) {
  if (from < 1 || from > text.size()) return kNotFound;
  const std::size_t index = FindFolded(text, needle, IndexOf(from));
  return index == kNoIndex ? kNotFound : PositionOf(index);
}

Pos FindLastNoCase(std::string_view text, std::string_view needle, Pos limit, Pos lowest) {
  const std::size_t m = needle.size();
  const std::size_t end = limit < text.size() ? limit : text.size();
  if (m == 0 || end < m) return kNotFound;
  const std::size_t lowestIndex = lowest < 1 ? 0 : IndexOf(lowest);
  const unsigned char firstFolded = FoldAscii(static_cast<unsigned char>(needle.front()));
  for (std::size_t i = end - m + 1; i-- > lowestIndex;) {
    if (FoldAscii(static_cast<unsigned char>(text[i])) == firstFolded &&
        MatchesFoldedAt(text.data() + i, needle)) {
      return PositionOf(i);
    }
  }
  return kNotFound;
}

Pos FindChar(std::string_view text, char ch, Pos from) {
  if (from < 1) return kNotFound;
  const std::size_t index = FindCharNear(text, ch, IndexOf(from));
  return index == std::string_view::npos ? kNotFound : PositionOf(index);
}

Pos FindCharBack(std::string_view text, char ch, Pos limit) {
  if (limit < 1 || text.empty()) return kNotFound;
  const std::size_t index = text.rfind(ch, IndexOf(limit));
  return index == std::string_view::npos ? kNotFound : PositionOf(index);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && MatchesFoldedAt(a.data(), b);
}

std::size_t ReplaceAllNoCase(std::string& text, std::string_view needle,
                             std::string_view replacement) {
  std::size_t hit = FindFolded(text, needle, 0);
  if (hit == kNoIndex) return 0;
  std::string result;
  result.reserve(text.size());
  std::size_t copied = 0;
  std::size_t count = 0;
  while (hit != kNoIndex) {
    result.append(text, copied, hit - copied);
    result.append(replacement);
    copied = hit + needle.size();
    ++count;
    hit = FindFolded(text, needle, copied);
  }
  result.append(text, copied, std::string::npos);
  text.swap(result);
  return count;
}

}  // namespace fennick
