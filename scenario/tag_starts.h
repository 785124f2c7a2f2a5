#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "scenario/position.h"

namespace fennick {

// What may follow "<" for a scan to stop there: the given bytes (letters in lower case, matched in
// either case), each alone or as the first of a two-letter prefix ("na" stops at "<Name" but not
// at "<Number"); and, for a scan that also wants some closing tags, the same behind "</". Built
// once, used for every stop of a scan.
class TagStartSet {
 public:
  // Each entry of the lists is one byte or two letters.
  TagStartSet(std::initializer_list<std::string_view> starts,
              std::initializer_list<std::string_view> closingStarts = {});
  // Single bytes, as a string: TagStartSet("ncb") is TagStartSet({"n", "c", "b"}).
  explicit TagStartSet(std::string_view nextBytes, std::string_view closingNextBytes = {});

  // Whether the "<" at 0-based `at` of the `size` bytes at `data` begins a wanted tag.
  bool StopsAt(const char* data, std::size_t size, std::size_t at) const {
    if (at + 3 >= size) return StopsNearEnd(data, size, at);
    const auto next = static_cast<unsigned char>(data[at + 1]);
    const auto second = static_cast<unsigned char>(data[at + 2]);
    if (next == '/' && slashNeedsClosing_) {
      return Wants(second, static_cast<unsigned char>(data[at + 3]), true);
    }
    return Wants(next, second, false);
  }

  // The set again as tables of low nibbles, for scans that look at 32 bytes at once: up to eight
  // groups of starts, one bit each. The byte behind "<" may begin the groups whose bits are set
  // in firstLow[b & 15], the byte behind it may continue those set in secondLow, and the one
  // behind that those in thirdLow. A "<" whose next three bytes share no group is never wanted.
  // Bytes that share a low nibble share its groups, so the tables let more through (StopsAt
  // decides), never less; in a document few tags begin like a wanted one without being one.
  struct Nibbles {
    alignas(16) std::uint8_t firstLow[16] = {};
    alignas(16) std::uint8_t secondLow[16] = {};
    alignas(16) std::uint8_t thirdLow[16] = {};
  };
  const Nibbles& nibbles() const { return nibbles_; }

 private:
  static constexpr std::uint32_t kAnySecond = 0xFFFFFFFFu;
  void Add(std::string_view start, std::uint32_t (&table)[256]);
  void WantClosingTags();
  void FillNibbles();
  bool StopsNearEnd(const char* data, std::size_t size, std::size_t at) const;
  // Whether a tag whose bytes behind "<" (or behind "</" when `closing`) are `first` and
  // `second` is wanted.
  bool Wants(unsigned char first, unsigned char second, bool closing) const {
    const std::uint32_t seconds = (closing ? followsClosing_ : follows_)[first];
    if (seconds == kAnySecond || seconds == 0) return seconds != 0;
    const unsigned letter = static_cast<unsigned>((second | 0x20) - 'a');
    return letter < 26 && ((seconds >> letter) & 1u) != 0;
  }

  // By the byte behind "<" (or "</"): 0 when not wanted, kAnySecond when wanted whatever follows,
  // else one bit for each letter a-z that may follow it.
  std::uint32_t follows_[256] = {};
  std::uint32_t followsClosing_[256] = {};
  // Whether a "/" after the "<" stops a scan only with a wanted closing tag behind it.
  bool slashNeedsClosing_ = false;
  Nibbles nibbles_;
};

// How many bytes a scan looks at in one step. Machines with AVX2 take the widest; tests run the
// narrower ones too, as machines without it do.
enum class ScanWidth { kWidest, k16, k1 };

// The wanted tag starts of one text, found in order. The bytes are classified a few kilobytes
// at a time, so a scan that stops every few dozen bytes does not set up a search at each stop.
class TagStarts {
 public:
  // Both must outlive the object.
  TagStarts(std::string_view text, const TagStartSet& wanted, ScanWidth width = ScanWidth::kWidest);

  // First "<" at or after `from` that begins a wanted tag; 0 when none or when `from` is out of
  // range. Inline for the usual call, inside the block classified last.
  Pos Find(Pos from) {
    const std::size_t at = from - 1;
    if (from < 1 || at < begin_ || at >= end_) return FindElsewhere(from);
    StartAt(at);
    return Next();
  }
  // The wanted tag start after the one found last, as Find(last + 1) would find it; 0 after the
  // last.
  Pos Next() {
    const Pos found = NextInBlock();
    return found != kNotFound ? found : FindBeyondBlock();
  }

 private:
  static constexpr std::size_t kBlockBytes = 4096;
  static constexpr std::size_t kWordBytes = 64;
  // Marks the "<" of the block from 0-based `begin` that may begin a wanted tag.
  void Classify(std::size_t begin);
  // Goes on from 0-based `at`, inside the block.
  void StartAt(std::size_t at) {
    word_ = (at - begin_) / kWordBytes;
    mask_ = marks_[word_] & (~0ull << ((at - begin_) % kWordBytes));
  }
  // The next wanted tag start of the block, 0 when it has no more.
#if defined(__GNUC__)
  [[gnu::always_inline]]
#endif
  Pos NextInBlock() {
    // Kept in locals while looking, so that only an answer writes them back.
    std::size_t word = word_;
    std::uint64_t mask = mask_;
    for (;;) {
      while (mask == 0) {
        if (word + 1 >= words_) {
          word_ = word;
          mask_ = 0;
          return kNotFound;
        }
        mask = marks_[++word];
      }
      const std::size_t candidate =
          begin_ + word * kWordBytes + static_cast<std::size_t>(std::countr_zero(mask));
      mask &= mask - 1;
      if (wanted_.StopsAt(text_.data(), text_.size(), candidate)) {
        word_ = word;
        mask_ = mask;
        return PositionOf(candidate);
      }
    }
  }
  Pos FindElsewhere(Pos from);
  Pos FindBeyondBlock();

  std::string_view text_;
  const TagStartSet& wanted_;
  bool wide_;
  bool sixteen_;
  std::size_t begin_ = 0;  // the classified block, 0-based, end excluded
  std::size_t end_ = 0;
  std::size_t words_ = 0;
  // Where the block is being read: the word, and its marks not yet looked at.
  std::size_t word_ = 0;
  std::uint64_t mask_ = 0;
  // One bit for each byte of the block, 64 to a word.
  std::uint64_t marks_[kBlockBytes / kWordBytes] = {};
};

// First "<" at or after `from` whose next byte is in `wanted` (or that begins "</" followed by a
// byte of its closing set). For a single search; a scan that stops often keeps a TagStarts.
Pos FindTagStart(std::string_view text, Pos from, const TagStartSet& wanted,
                 ScanWidth width = ScanWidth::kWidest);

}  // namespace fennick
