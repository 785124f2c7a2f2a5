#include "tools/sample_install/windows1252.h"

#include <array>
#include <cstdint>
#include <stdexcept>

namespace fennick::sample {

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t NextCodePoint(std::string_view utf8, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(utf8[pos]);
  int length = 1;
  char32_t value = lead;
  if (lead >= 0xF0) {
    length = 4;
    value = lead & 0x07u;
  } else if (lead >= 0xE0) {
    length = 3;
    value = lead & 0x0Fu;
  } else if (lead >= 0xC0) {
    length = 2;
    value = lead & 0x1Fu;
  } else if (lead >= 0x80) {
    throw std::invalid_argument("malformed UTF-8 in sample text");
  }
  if (pos + length > utf8.size()) throw std::invalid_argument("truncated UTF-8 in sample text");
  for (int i = 1; i < length; ++i) {
    value = (value << 6) | (static_cast<unsigned char>(utf8[pos + i]) & 0x3Fu);
  }
  pos += length;
  return value;
}

char ToCodePage(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<char>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
    if (kHighControlRange[i] != 0 && kHighControlRange[i] == codePoint) {
      return static_cast<char>(0x80 + i);
    }
  }
  throw std::invalid_argument("character U+" +
                              std::to_string(static_cast<std::uint32_t>(codePoint)) +
                              " has no Windows-1252 byte");
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) out.push_back(ToCodePage(NextCodePoint(utf8, pos)));
  return out;
}

}  // namespace fennick::sample
