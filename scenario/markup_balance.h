#pragma once

#include <string_view>

#include "scenario/element_finder.h"

namespace fennick {

// Whether `text` is a run of character data and whole elements: every tag ends (a ">" inside
// quotes does not end it), every element opened in it is closed in it by its own name and in
// order, and comments, processing instructions and CDATA sections end. Cutting such a run out of
// a well-formed document, copying it or putting another in its place leaves the document
// well-formed, which the tag scanning alone cannot promise: its prefix matches can pair an
// opening tag with another element's closing tag.
bool IsBalancedMarkup(std::string_view text);

// Whether the element `span` found in `text` (kFound) can have its text replaced by balanced
// markup without breaking a well-formed document: its opening tag really ends at the ">" the
// search took, and its text is balanced markup.
bool IsRewritableElement(std::string_view text, const ElementSpan& span);

}  // namespace fennick
