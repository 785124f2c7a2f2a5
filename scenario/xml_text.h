#pragma once

#include <string>
#include <string_view>

#include "scenario/result.h"
#include "scenario/text_codec.h"

namespace fennick {

// An element's text as the converter writes it holds "&", "<" and ">" as entity references.
// A person sees and types the characters themselves; these turn one form into the other, so a
// typed "Tom & Jerry" never breaks the document.

// Entity and character references (&amp; &lt; &gt; &quot; &apos; &#NN; &#xNN;) to their
// characters, UTF-8 in and out. Anything else, including an unknown reference, stays as it is.
std::string UnescapeXmlText(std::string_view text);

// "&", "<" and ">" to their references.
std::string EscapeXmlText(std::string_view text);

// An element's text from a document, as a person sees it (UTF-8).
std::string ShowText(std::string_view bytes, TextEncoding encoding);

// Text a person typed (UTF-8), as an element's text of a document in that encoding. Fails,
// naming the character, when the encoding cannot hold one.
Result<std::string> TextForDocument(std::string_view typed, TextEncoding encoding);

}  // namespace fennick
