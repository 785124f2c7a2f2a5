#include "scenario/tag_starts.h"

#include <algorithm>
#include <bit>

#include "scenario/text_search.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define FENNICK_HAVE_SSE2 1
#endif
// The 32-byte classification is compiled for AVX2 alone and run only where the processor has it.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define FENNICK_HAVE_AVX2 1
#endif

namespace fennick {
namespace {

#ifdef FENNICK_HAVE_AVX2
bool MachineHasAvx2() {
  static const bool has = [] {
    __builtin_cpu_init();  // harmless when the runtime has done it already
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return has;
}

__attribute__((target("avx2"))) inline __m256i Table(const std::uint8_t* sixteen) {
  return _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(sixteen)));
}

__attribute__((target("avx2"))) inline __m256i Load32(const char* at) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

// The groups each byte of `bytes` may belong to by its low nibble.
__attribute__((target("avx2"))) inline __m256i GroupsByLowNibble(__m256i bytes, __m256i table) {
  return _mm256_shuffle_epi8(table, _mm256_and_si256(bytes, _mm256_set1_epi8(0x0F)));
}

// Which "<" of the 32 bytes at `at` have next bytes that share a group: a bit for each byte.
__attribute__((target("avx2"))) inline std::uint32_t Candidates32(const char* at,
                                                                  const __m256i (&tables)[3]) {
  const __m256i opens = _mm256_cmpeq_epi8(Load32(at), _mm256_set1_epi8('<'));
  const __m256i shared =
      _mm256_and_si256(_mm256_and_si256(GroupsByLowNibble(Load32(at + 1), tables[0]),
                                        GroupsByLowNibble(Load32(at + 2), tables[1])),
                       GroupsByLowNibble(Load32(at + 3), tables[2]));
  const __m256i none = _mm256_cmpeq_epi8(shared, _mm256_setzero_si256());
  return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_andnot_si256(none, opens)));
}

// Marks from `begin`, 64 bytes to a word, each "<" whose next three bytes share a group; stops
// before the word that would read past the text. Returns where it stopped.
__attribute__((target("avx2"))) std::size_t MarkWide(const char* data, std::size_t size,
                                                     std::size_t begin, std::size_t end,
                                                     const TagStartSet::Nibbles& n,
                                                     std::uint64_t* marks) {
  const __m256i tables[3] = {Table(n.firstLow), Table(n.secondLow), Table(n.thirdLow)};
  // The word must leave three bytes behind it in the text.
  const std::size_t stop = std::min(end, size >= 67 ? size - 66 : 0);
  std::size_t p = begin;
  for (; p < stop; p += 64) {
    *marks++ = Candidates32(data + p, tables) |
               static_cast<std::uint64_t>(Candidates32(data + p + 32, tables)) << 32;
  }
  return p;
}
#endif

}  // namespace

void TagStartSet::Add(std::string_view start, std::uint32_t (&table)[256]) {
  if (start.empty()) return;
  const auto first = static_cast<unsigned char>(start[0]);
  std::uint32_t seconds = kAnySecond;
  if (start.size() > 1) {
    const std::uint32_t bit = 1u << ((static_cast<unsigned char>(start[1]) | 0x20) - 'a');
    seconds = table[first] == kAnySecond ? kAnySecond : (table[first] | bit);
  }
  table[first] = seconds;
  if (IsAsciiLetter(first)) table[first ^ 0x20] = seconds;
}

// A "/" is then looked at once more, for the bytes behind it.
void TagStartSet::WantClosingTags() {
  if (follows_[static_cast<unsigned char>('/')] == 0) {
    follows_[static_cast<unsigned char>('/')] = kAnySecond;
    slashNeedsClosing_ = true;
  }
}

TagStartSet::TagStartSet(std::initializer_list<std::string_view> starts,
                         std::initializer_list<std::string_view> closingStarts) {
  for (std::string_view start : starts) Add(start, follows_);
  for (std::string_view start : closingStarts) Add(start, followsClosing_);
  if (closingStarts.size() != 0) WantClosingTags();
  FillNibbles();
}

TagStartSet::TagStartSet(std::string_view nextBytes, std::string_view closingNextBytes) {
  for (char c : nextBytes) Add(std::string_view(&c, 1), follows_);
  for (char c : closingNextBytes) Add(std::string_view(&c, 1), followsClosing_);
  if (!closingNextBytes.empty()) WantClosingTags();
  FillNibbles();
}

void TagStartSet::FillNibbles() {
  constexpr std::size_t kGroups = 8;
  // One group for each byte behind "<" (a letter's two cases together); a ninth and later share
  // the last, which only lets more through.
  unsigned char keys[kGroups] = {};
  std::size_t used = 0;
  const auto groupOf = [&](unsigned char key) {
    for (std::size_t g = 0; g < used; ++g) {
      if (keys[g] == key) return g;
    }
    if (used == kGroups) return kGroups - 1;
    keys[used] = key;
    return used++;
  };
  std::uint8_t closingGroups = 0;
  for (unsigned first = 0; first < 256; ++first) {
    if (follows_[first] == 0) continue;
    const auto bit =
        static_cast<std::uint8_t>(1u << groupOf(FoldAscii(static_cast<unsigned char>(first))));
    const bool closing = first == '/' && slashNeedsClosing_;
    if (closing) closingGroups |= bit;
    nibbles_.firstLow[first & 15] |= bit;
    for (unsigned second = 0; second < 256; ++second) {
      const bool follows = closing ? followsClosing_[second] != 0
                                   : Wants(static_cast<unsigned char>(first),
                                           static_cast<unsigned char>(second), false);
      if (follows) nibbles_.secondLow[second & 15] |= bit;
    }
  }
  // The third byte matters to closing tags alone, and only while their group is theirs alone.
  const bool closingAlone = closingGroups != 0 && keys[std::countr_zero(closingGroups)] == '/' &&
                            (used < kGroups || closingGroups != (1u << (kGroups - 1)));
  for (unsigned third = 0; third < 256; ++third) {
    std::uint8_t groups = 0xFF;
    if (closingAlone) {
      groups = static_cast<std::uint8_t>(~closingGroups);
      for (unsigned first = 0; first < 256; ++first) {
        if (followsClosing_[first] != 0 &&
            Wants(static_cast<unsigned char>(first), static_cast<unsigned char>(third), true)) {
          groups = 0xFF;
        }
      }
    }
    nibbles_.thirdLow[third & 15] |= groups;
  }
}

bool TagStartSet::StopsNearEnd(const char* data, std::size_t size, std::size_t at) const {
  // A "<" at the very end begins nothing; bytes past the end read as 0.
  if (at + 1 >= size) return false;
  const auto byteAt = [&](std::size_t i) {
    return i < size ? static_cast<unsigned char>(data[i]) : static_cast<unsigned char>(0);
  };
  const unsigned char next = byteAt(at + 1);
  if (next == '/' && slashNeedsClosing_) return Wants(byteAt(at + 2), byteAt(at + 3), true);
  return Wants(next, byteAt(at + 2), false);
}

TagStarts::TagStarts(std::string_view text, const TagStartSet& wanted, ScanWidth width)
    : text_(text), wanted_(wanted) {
#ifdef FENNICK_HAVE_AVX2
  wide_ = width == ScanWidth::kWidest && MachineHasAvx2();
#else
  wide_ = false;
#endif
  sixteen_ = width != ScanWidth::k1;
}

void TagStarts::Classify(std::size_t begin) {
  const char* data = text_.data();
  const std::size_t size = text_.size();
  begin_ = begin;
  end_ = std::min(size, begin + kBlockBytes);
  words_ = (end_ - begin_ + kWordBytes - 1) / kWordBytes;
  std::size_t p = begin;
#ifdef FENNICK_HAVE_AVX2
  if (wide_) p = MarkWide(data, size, begin, end_, wanted_.nibbles(), marks_);
#endif
  // The rest a word at a time, every "<" marked.
  for (; p < end_; p += kWordBytes) {
    const std::size_t wordEnd = std::min(end_, p + kWordBytes);
    std::uint64_t mask = 0;
    std::size_t q = p;
#ifdef FENNICK_HAVE_SSE2
    for (; sixteen_ && q + 16 <= wordEnd; q += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + q));
      const auto found =
          static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('<'))));
      mask |= static_cast<std::uint64_t>(found) << (q - p);
    }
#endif
    for (; q < wordEnd; ++q) {
      if (data[q] == '<') mask |= 1ull << (q - p);
    }
    marks_[(p - begin) / kWordBytes] = mask;
  }
}

Pos TagStarts::FindElsewhere(Pos from) {
  if (from < 1 || from > text_.size()) return kNotFound;
  Classify(IndexOf(from));
  StartAt(IndexOf(from));
  return Next();
}

Pos TagStarts::FindBeyondBlock() {
  while (end_ < text_.size()) {
    Classify(end_);
    StartAt(begin_);
    const Pos found = NextInBlock();
    if (found != kNotFound) return found;
  }
  return kNotFound;
}

Pos FindTagStart(std::string_view text, Pos from, const TagStartSet& wanted, ScanWidth width) {
  return TagStarts(text, wanted, width).Find(from);
}

}  // namespace fennick
