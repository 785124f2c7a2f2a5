#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "scenario/position.h"

namespace fennick {

// Searches over document bytes. Letter case is folded for ASCII letters only: tag names are
// ASCII, and bytes above 127 belong to texts in the document's own encoding, which are never
// folded. An empty needle is never found.

// First case-insensitive occurrence of `needle` beginning at or after `from`. A `from` below 1
// or beyond the text gives 0.
Pos FindNoCase(std::string_view text, std::string_view needle, Pos from);

// Last case-insensitive occurrence of `needle` lying wholly within the first `limit` characters
// and beginning at or after `lowest`. 0 when there is none.
Pos FindLastNoCase(std::string_view text, std::string_view needle, Pos limit, Pos lowest = 1);

// First `ch` at or after `from`; 0 when none or when `from` is out of range.
Pos FindChar(std::string_view text, char ch, Pos from);

// Last `ch` at or before `limit` (a limit beyond the text means the whole text).
Pos FindCharBack(std::string_view text, char ch, Pos limit);

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

  // Whether a tag whose bytes behind "<" (or behind "</" when `closing`) are `first` and
  // `second` is wanted.
  bool Wants(unsigned char first, unsigned char second, bool closing) const {
    const std::uint32_t seconds = (closing ? followsClosing_ : follows_)[first];
    if (seconds == kAnySecond || seconds == 0) return seconds != 0;
    const unsigned letter = static_cast<unsigned>((second | 0x20) - 'a');
    return letter < 26 && ((seconds >> letter) & 1u) != 0;
  }
  bool Contains(unsigned char byte) const { return follows_[byte] != 0; }
  // Whether a "/" after the "<" stops a scan only with a wanted closing tag behind it.
  bool SlashNeedsClosing() const { return slashNeedsClosing_; }

 private:
  static constexpr std::uint32_t kAnySecond = 0xFFFFFFFFu;
  void Add(std::string_view start, std::uint32_t (&table)[256]);

  // By the byte behind "<" (or "</"): 0 when not wanted, kAnySecond when wanted whatever follows,
  // else one bit for each letter a-z that may follow it.
  std::uint32_t follows_[256] = {};
  std::uint32_t followsClosing_[256] = {};
  bool slashNeedsClosing_ = false;
};

// First "<" at or after `from` whose next byte is in `wanted` (or that begins "</" followed by a
// byte of its closing set). Lets a scan stop only at the tags it may want.
Pos FindTagStart(std::string_view text, Pos from, const TagStartSet& wanted);

// ASCII case-insensitive equality.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Whether the bytes at `at` equal `needle` with ASCII letter case folded. Tags are mostly written
// in the needle's own case, so equal bytes are passed first. Inline: scans call it at every stop.
inline bool MatchesFoldedAt(const char* at, std::string_view needle) {
  for (std::size_t k = 0; k < needle.size(); ++k) {
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
