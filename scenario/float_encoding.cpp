#include "scenario/float_encoding.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "scenario/text_search.h"

namespace fennick {
namespace {

constexpr std::string_view kAttribute = "d:alt_encoding=\"";
constexpr std::size_t kDigits = 16;

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

}  // namespace

std::size_t AltEncodingDigitsAt(std::string_view text, std::size_t tagBegin, std::size_t tagEnd) {
  const std::string_view tag = text.substr(tagBegin, tagEnd - tagBegin);
  const Pos found = FindNoCase(tag, kAttribute, 1);
  if (found == kNotFound) return std::string_view::npos;
  const std::size_t digits = IndexOf(found) + kAttribute.size();
  if (tag.size() < digits + kDigits + 1 || tag[digits + kDigits] != '"') {
    return std::string_view::npos;
  }
  for (std::size_t k = 0; k < kDigits; ++k) {
    if (!IsHexDigit(tag[digits + k])) return std::string_view::npos;
  }
  return tagBegin + digits;
}

void WriteAltEncoding(char* digits, std::string_view tag, std::string_view value) {
  double number = 0;
  const char* end = value.data() + value.size();
  const auto parsed = std::from_chars(value.data(), end, number, std::chars_format::fixed);
  if (value.empty() || parsed.ec != std::errc() || parsed.ptr != end || !std::isfinite(number)) {
    return;
  }
  if (FindNoCase(tag, "\"sFloat32\"", 1) != kNotFound) number = static_cast<float>(number);
  std::uint64_t bits = 0;
  std::memcpy(&bits, &number, sizeof bits);
  // Upper-case digits, as the converter writes them.
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (std::size_t byte = 0; byte < 8; ++byte) {
    const auto b = static_cast<unsigned>((bits >> (8 * byte)) & 0xFFu);
    digits[2 * byte] = kHex[b >> 4];
    digits[2 * byte + 1] = kHex[b & 0xFu];
  }
}

void SyncAltEncoding(std::string& text, std::size_t tagBegin, std::size_t tagEnd,
                     std::string_view value) {
  const std::size_t digits = AltEncodingDigitsAt(text, tagBegin, tagEnd);
  if (digits == std::string_view::npos) return;
  WriteAltEncoding(text.data() + digits, std::string_view(text).substr(tagBegin, tagEnd - tagBegin),
                   value);
}

}  // namespace fennick
