#pragma once

#include <string>
#include <string_view>

#include "scenario/position.h"

namespace fennick {

// PutDetail for a chain of rewrites inside one vehicle: on success `pos` is the rewritten
// element's closing tag in the NEW text. PutDetail's own result is that tag's old place, which
// a much shorter new text leaves beyond the next element, so the chain would skip it and write
// into a later vehicle. False, with text and pos untouched, when the element is missing, not
// closed, in the empty form, or when the rewrite could break the document's structure (an
// element text or a value that is not balanced markup).
bool RewriteElement(std::string& text, Pos& pos, std::string_view element, std::string_view value);

}  // namespace fennick
