#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fennick::fuzz {

// Feeds one input to every operation of the text core and checks what must hold whatever the
// bytes: failures leave texts unchanged, one-pass rewrites agree with element-by-element ones,
// the fast search agrees with a plain one, decoding and encoding give the bytes back.
// Input: byte 0 picks an element name (or takes it from the input), bytes 1-4 a delay in
// seconds, then the name up to a line feed when taken from the input, then the text.
// Returns a description of the first broken rule, or the empty text.
std::string RunScenarioFuzzInput(const std::uint8_t* data, std::size_t size);

}  // namespace fennick::fuzz
