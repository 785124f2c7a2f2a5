#pragma once

#include <string>
#include <string_view>

#include "scenario/result.h"

namespace fennick {

// Documents are held as the bytes read. Only texts shown to a person (a name, a description)
// are decoded, and only texts typed by a person are encoded back; a whole document never is.
enum class TextEncoding { kWindows1252, kUtf8 };

// The encoding of a document's texts: UTF-8 when its XML declaration says encoding="UTF-8"
// (any case, either quote), otherwise Windows-1252, the simulator's code page.
TextEncoding DocumentEncoding(std::string_view document);

// Document bytes to UTF-8 for display. Every Windows-1252 byte has a character, so decoding never
// fails; invalid UTF-8 sequences in a UTF-8 document show as U+FFFD.
std::string DecodeForDisplay(std::string_view bytes, TextEncoding encoding);

// UTF-8 text back to document bytes. Fails, naming the character, when the encoding cannot hold
// it, and when the text is not valid UTF-8. Decoding and then encoding gives the original bytes.
Result<std::string> EncodeForDocument(std::string_view utf8, TextEncoding encoding);

}  // namespace fennick
