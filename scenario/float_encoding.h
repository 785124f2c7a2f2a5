#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fennick {

// The converter writes a float element with its exact bits beside its text:
//   <StartTime d:type="sFloat32" d:alt_encoding="00000000009CD840" d:precision="string">25200</...>
// (the value as a little-endian double in 16 hex digits). Converting back may take the number
// from those bits rather than from the text, so a program that rewrites the text must bring the
// bits along, or the simulator keeps the old number while the text shows the new one.

// 0-based index of the 16 digits of a d:alt_encoding attribute inside the opening tag that
// spans [tagBegin, tagEnd) of `text`; npos when the tag has none.
std::size_t AltEncodingDigitsAt(std::string_view text, std::size_t tagBegin, std::size_t tagEnd);

// Writes over the 16 digits at `digits` (as AltEncodingDigitsAt found them) the encoding of the
// number `value`, rounded to single precision when the tag at `tagBegin` is an sFloat32. A value
// that is not a plain decimal number leaves the digits as they are.
void WriteAltEncoding(char* digits, std::string_view tag, std::string_view value);

// Both at once, after the element whose opening tag spans [tagBegin, tagEnd) of `text` was given
// the text `value` (held outside `text`). The digits keep their length: no position moves.
void SyncAltEncoding(std::string& text, std::size_t tagBegin, std::size_t tagEnd,
                     std::string_view value);

}  // namespace fennick
