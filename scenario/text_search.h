#pragma once

#include <cstddef>
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

// The bytes that may follow "<" for a scan to stop there: the given ones (in lower case) in
// either letter case; and those that may follow "</", for a scan that also wants some closing
// tags. Built once, used for every stop of a scan.
class TagStartSet {
 public:
  explicit TagStartSet(std::string_view nextBytes, std::string_view closingNextBytes = {});
  bool Contains(unsigned char byte) const { return follows_[byte]; }
  bool ContainsClosing(unsigned char byte) const { return followsClosing_[byte]; }
  // Whether a "/" after the "<" stops a scan only with a byte of the closing set behind it.
  bool SlashNeedsClosing() const { return slashNeedsClosing_; }

 private:
  bool follows_[256] = {};
  bool followsClosing_[256] = {};
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
