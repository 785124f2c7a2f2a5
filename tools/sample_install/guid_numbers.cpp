#include "tools/sample_install/guid_numbers.h"

#include <cstdint>
#include <stdexcept>

namespace fennick::sample {

namespace {

std::uint64_t HexValue(std::string_view digits) {
  std::uint64_t value = 0;
  for (char c : digits) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      throw std::invalid_argument("not a hexadecimal digit in GUID text");
    }
    value = value * 16 + static_cast<std::uint64_t>(digit);
  }
  return value;
}

}  // namespace

UuidNumbers UuidNumbersOf(std::string_view guidText) {
  if (guidText.size() != 36 || guidText[8] != '-' || guidText[13] != '-' || guidText[18] != '-' ||
      guidText[23] != '-') {
    throw std::invalid_argument("GUID text must have the form 8-4-4-4-12: " +
                                std::string(guidText));
  }
  const std::uint64_t data1 = HexValue(guidText.substr(0, 8));
  const std::uint64_t data2 = HexValue(guidText.substr(9, 4));
  const std::uint64_t data3 = HexValue(guidText.substr(14, 4));
  const std::string data4 = std::string(guidText.substr(19, 4)) + std::string(guidText.substr(24));

  std::uint64_t second = 0;
  for (int i = 0; i < 8; ++i) {
    second |= HexValue(std::string_view(data4).substr(2 * i, 2)) << (8 * i);
  }
  return {std::to_string((data3 << 48) | (data2 << 32) | data1), std::to_string(second)};
}

}  // namespace fennick::sample
