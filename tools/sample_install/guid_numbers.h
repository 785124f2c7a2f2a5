#pragma once

#include <string>
#include <string_view>

namespace fennick::sample {

// The two decimal "e" numbers the simulator stores beside a GUID text: bytes 0-7 and 8-15 of
// the GUID's memory layout, each read as a little-endian 64-bit number.
struct UuidNumbers {
  std::string first;
  std::string second;
};

// Throws std::invalid_argument unless the text is 8-4-4-4-12 hexadecimal digits.
UuidNumbers UuidNumbersOf(std::string_view guidText);

}  // namespace fennick::sample
