#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "scenario/position.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace fennick {

// Searches over document bytes. Letter case is folded for ASCII letters only: tag names are
// ASCII, and bytes above 127 belong to texts in the document's own encoding, which are never
// folded. An empty needle is never found.

constexpr bool IsAsciiLetter(unsigned char c) {
  return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

// The byte with an ASCII letter in lower case; every other byte as it is.
constexpr unsigned char FoldAscii(unsigned char c) {
  return IsAsciiLetter(c) ? (c | 0x20) : c;
}

// First case-insensitive occurrence of `needle` beginning at or after `from`. A `from` below 1
// or beyond the text gives 0.
Pos FindNoCase(std::string_view text, std::string_view needle, Pos from);

// Last case-insensitive occurrence of `needle` lying wholly within the first `limit` characters
// and beginning at or after `lowest`. 0 when there is none.
Pos FindLastNoCase(std::string_view text, std::string_view needle, Pos limit, Pos lowest = 1);

// First `ch` at or after `from`; 0 when none or when `from` is out of range.
Pos FindChar(std::string_view text, char ch, Pos from);

// First `ch` at or after 0-based `index`, as an index (npos when none), for a byte that is
// usually a few dozen bytes on: the first 64 are looked at inline, the rest by memchr.
#if defined(__SSE2__) || defined(_M_X64)
// One bit for each `ch` among the 64 bytes at `at`.
inline std::uint64_t MarksOf64(const char* at, char ch) {
  const __m128i wanted = _mm_set1_epi8(ch);
  const auto marks = [&](std::size_t offset) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + offset));
    return static_cast<std::uint64_t>(
        static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted))));
  };
  return marks(0) | marks(16) << 16 | marks(32) << 32 | marks(48) << 48;
}
#endif

inline std::size_t FindCharNear(std::string_view text, char ch, std::size_t index) {
  if (index >= text.size()) return std::string_view::npos;
  const char* data = text.data();
#if defined(__SSE2__) || defined(_M_X64)
  // All 64 bytes at once, so that how far on the byte lies costs no wrong guess.
  if (index + 64 <= text.size()) {
    const std::uint64_t mask = MarksOf64(data + index, ch);
    if (mask != 0) return index + static_cast<std::size_t>(std::countr_zero(mask));
    index += 64;
  }
#endif
  const void* hit = std::memchr(data + index, ch, text.size() - index);
  return hit == nullptr ? std::string_view::npos
                        : static_cast<std::size_t>(static_cast<const char*>(hit) - data);
}

// The first `first` at or after 0-based `index` and the first `then` behind it, as indexes (npos
// where there is none): the end of an opening tag and the "<" after its text, say. Both are
// looked for in the same 64 bytes first.
struct CharPair {
  std::size_t first = std::string_view::npos;
  std::size_t then = std::string_view::npos;
};
inline CharPair FindCharPairNear(std::string_view text, char first, char then, std::size_t index) {
#if defined(__SSE2__) || defined(_M_X64)
  if (index + 64 <= text.size()) {
    const std::uint64_t firsts = MarksOf64(text.data() + index, first);
    if (firsts != 0) {
      const auto at = static_cast<unsigned>(std::countr_zero(firsts));
      const std::uint64_t behind = at == 63 ? 0 : MarksOf64(text.data() + index, then) >> (at + 1);
      if (behind != 0) {
        return {index + at, index + at + 1 + static_cast<std::size_t>(std::countr_zero(behind))};
      }
    }
  }
#endif
  CharPair pair;
  pair.first = FindCharNear(text, first, index);
  if (pair.first != std::string_view::npos) pair.then = FindCharNear(text, then, pair.first + 1);
  return pair;
}

// Last `ch` at or before `limit` (a limit beyond the text means the whole text).
Pos FindCharBack(std::string_view text, char ch, Pos limit);

// ASCII case-insensitive equality.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Whether the bytes at `at` equal `needle` with ASCII letter case folded. Inline: scans call it
// at every stop.
// Whether the word of bytes at `at` equals the one at `needle` but for the case bit; the bits
// that differ are added to `differ`.
template <class Word>
inline bool SameButCaseBits(const char* at, const char* needle, Word& differ) {
  Word a = 0;
  Word b = 0;
  std::memcpy(&a, at, sizeof(Word));
  std::memcpy(&b, needle, sizeof(Word));
  const Word caseBits = static_cast<Word>(0x2020202020202020ull);
  differ |= a ^ b;
  return ((a ^ b) & static_cast<Word>(~caseBits)) == 0;
}

inline bool MatchesFoldedAt(const char* at, std::string_view needle) {
  const std::size_t size = needle.size();
  // Words of eight bytes (four for shorter needles), the last one overlapping its neighbour:
  // bytes that differ in more than the case bit never match, so most tags that are not the
  // needle are told apart in a compare or two, and one written in the needle's case is passed.
  if (size >= 8) {
    std::uint64_t differ = 0;
    for (std::size_t k = 0; k + 8 < size; k += 8) {
      if (!SameButCaseBits(at + k, needle.data() + k, differ)) return false;
    }
    if (!SameButCaseBits(at + size - 8, needle.data() + size - 8, differ)) return false;
    if (differ == 0) return true;
  } else if (size >= 4) {
    std::uint32_t differ = 0;
    if (!SameButCaseBits(at, needle.data(), differ)) return false;
    if (!SameButCaseBits(at + size - 4, needle.data() + size - 4, differ)) return false;
    if (differ == 0) return true;
  }
  // Bytes that differ in the case bit alone: equal only where both are letters.
  for (std::size_t k = 0; k < size; ++k) {
    const auto a = static_cast<unsigned char>(at[k]);
    const auto b = static_cast<unsigned char>(needle[k]);
    if (a == b) continue;
    const unsigned char lower = a | 0x20;
    if ((a ^ b) != 0x20 || lower < 'a' || lower > 'z') return false;
  }
  return true;
}

// Whether `needle` occurs case-insensitively at 0-based `index` of `text`.
inline bool MatchesNoCaseAt(std::string_view text, std::size_t index, std::string_view needle) {
  return index <= text.size() && text.size() - index >= needle.size() &&
         MatchesFoldedAt(text.data() + index, needle);
}

// Replaces every case-insensitive occurrence of `needle`, left to right and without overlap, by
// `replacement` in one pass. Returns the number replaced; the text is untouched when it is 0.
std::size_t ReplaceAllNoCase(std::string& text, std::string_view needle,
                             std::string_view replacement);

}  // namespace fennick
