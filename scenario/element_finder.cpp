#include "scenario/element_finder.h"

#include "scenario/text_search.h"

namespace fennick {

ElementFinder::ElementFinder(std::string_view name)
    : openTag_("<" + std::string(name)), closeTag_("</" + std::string(name)) {}

ElementSpan ElementFinder::Find(std::string_view text, Pos from) const {
  ElementSpan span;
  span.open = FindNoCase(text, openTag_, from);
  if (span.open == kNotFound) return span;
  span.status = TagStatus::kUnclosed;
  span.openEnd = FindChar(text, '>', span.open);
  if (span.openEnd == kNotFound) return span;
  // The "<" at span.open is never '/', so the byte before the ">" is always inside the tag.
  if (text[IndexOf(span.openEnd) - 1] == '/') {
    span.status = TagStatus::kEmptyForm;
    return span;
  }
  span.close = FindNoCase(text, closeTag_, span.openEnd);
  if (span.close != kNotFound) span.status = TagStatus::kFound;
  return span;
}

}  // namespace fennick
