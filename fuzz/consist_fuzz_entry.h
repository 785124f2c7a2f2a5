#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fennick::fuzz {

// Runs a short sequence of consist commands over one document and checks what must hold whatever
// the bytes: nothing is thrown, a command that reports no change leaves the document as it was,
// a well-formed document stays well-formed, and a command on one consist changes nothing outside
// it (Drive It aside, which resets every driver flag).
// Input: byte 0 gives the number of commands (1 to 4), then 5 bytes per command (command,
// consist row, current row, selected rows as bits, stock row and draw), one byte for the stock
// kind and folder, then the document.
// Returns a description of the first broken rule, or the empty text.
std::string RunConsistFuzzInput(const std::uint8_t* data, std::size_t size);

}  // namespace fennick::fuzz
