#pragma once

#include <string>
#include <string_view>

#include "scenario/position.h"

namespace fennick {

// How a search for one element ended.
enum class TagStatus {
  kFound,      // a paired element: opening tag, text, closing tag
  kEmptyForm,  // written as <Name/>: it has no text and no closing tag of its own
  kNotFound,   // no opening tag at or after the start position (or the position is out of range)
  kUnclosed,   // an opening tag without its ">" or without a closing tag behind it
  kOverflow,   // a time shift whose result does not fit a signed 32-bit number
};

// Where one element lies. Positions are 1-based; those a search did not reach are 0.
struct ElementSpan {
  TagStatus status = TagStatus::kNotFound;
  Pos open = kNotFound;     // the "<" of the opening tag
  Pos openEnd = kNotFound;  // the ">" that ends the opening tag
  Pos close = kNotFound;    // the "<" of the closing tag

  // The element text of a kFound span, as a view into the text searched.
  std::string_view Text(std::string_view text) const {
    return text.substr(openEnd, close - openEnd - 1);
  }
};

// Finds elements by name the way every read and write of a document does: "<" + name as a
// case-insensitive prefix, the first ">" after it, then the first "</" + name after that.
// Attributes inside the opening tag are skipped, never read.
class ElementFinder {
 public:
  explicit ElementFinder(std::string_view name);

  ElementSpan Find(std::string_view text, Pos from) const;

  std::string_view name() const { return std::string_view(openTag_).substr(1); }

 private:
  std::string openTag_;
  std::string closeTag_;
};

}  // namespace fennick
