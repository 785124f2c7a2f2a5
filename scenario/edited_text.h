#pragma once

#include <string>
#include <string_view>

namespace fennick {

// A text box hands back what the person sees: every line break as "\n" and, in some boxes, a
// non-breaking space as a blank. This puts the edit into the text as it was shown (both UTF-8):
// the parts before and after the changed stretch keep the original's own bytes, line breaks
// included, and a line break typed inside the changed stretch takes the original's form
// (the first one found there, CR LF when it has none). An unchanged text gives the original.
std::string MergeEditedText(std::string_view original, std::string_view edited);

}  // namespace fennick
