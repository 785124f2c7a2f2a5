#pragma once

#include <array>
#include <string>
#include <string_view>

#include "scenario/position.h"
#include "scenario/result.h"

namespace fennick {

// A text the simulator shows to players, stored once per language inside an enclosing element
// (DisplayName, Description, Briefing, ServiceName, a route's name). The program treats the
// five languages as one text: it shows the first that is not empty and writes all five alike.
// Other elements between or after them are neither read nor changed.
class LocalizedTextBlock {
 public:
  static constexpr std::array<std::string_view, 5> kLanguages = {"English", "French", "Italian",
                                                                 "German", "Spanish"};

  // The block whose English element is the first at or after `start` (usually the position of
  // the enclosing tag). The start position never moves. When `end` is given (the position of the
  // enclosing element's closing tag), languages are looked for only before it, so a block that
  // lacks one is refused instead of borrowing it from the next block.
  explicit LocalizedTextBlock(Pos start, Pos end = kNotFound) : start_(start), end_(end) {}

  // The block inside the element `name` whose opening tag is at `start`, bounded by that
  // element's first closing tag. Fails when the element is not closed.
  static Result<LocalizedTextBlock> Enclosed(std::string_view text, Pos start,
                                             std::string_view name);

  Pos start() const { return start_; }
  Pos end() const { return end_; }

  // The first non-empty language text, in the order of kLanguages, or the empty text. Each
  // language is searched from the opening tag of the one before, and only while all before it
  // were empty, so a block with an English text needs no other language. Fails naming the
  // language when one that has to be looked at is missing or has no closing tag. A language in
  // the empty form (<French/>) reads as the empty text.
  Result<std::string> GetLocalText(std::string_view text) const;

  // Replaces all five language texts by `value`, keeping their tags and attributes. All or
  // nothing: when any language is missing, unclosed, in the empty form or holds markup instead of
  // a text, `text` is left exactly as it was and the error names that language.
  Status PutLocalText(std::string& text, std::string_view value) const;

 private:
  Pos start_;
  Pos end_;
};

}  // namespace fennick
