#include "scenario/start_time.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "scenario/number_text.h"

namespace fennick {
namespace {

// At least `width` digits with leading zeros; a minus sign goes in front of the padding.
std::string PadDigits(long long value, std::size_t width) {
  const auto magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                   : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(magnitude);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

bool IsUtf8Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first `count` characters of UTF-8 text, as bytes.
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t taken = 0; end < text.size() && taken < count; ++taken) {
    ++end;
    while (end < text.size() && IsUtf8Continuation(text[end])) ++end;
  }
  return text.substr(0, end);
}

// The last `count` characters of UTF-8 text, as bytes.
std::string_view LastCharacters(std::string_view text, std::size_t count) {
  std::size_t begin = text.size();
  for (std::size_t taken = 0; begin > 0 && taken < count; ++taken) {
    --begin;
    while (begin > 0 && IsUtf8Continuation(text[begin])) --begin;
  }
  return text.substr(begin);
}

// The number of a two-character part, rounded; two characters hold at most 99 in magnitude.
long long PartValue(std::string_view part) {
  return static_cast<long long>(RoundHalfEven(ReadNumber(part)));
}

}  // namespace

Result<std::string> StoredSecondsToBoxText(std::string_view stored) {
  const double seconds = ReadNumber(stored);
  const std::optional<std::int32_t> whole = ToInt32HalfEven(seconds);
  if (!whole) {
    return Error{"The stored start time " + std::string(stored) +
                 " is not a number of seconds within a day."};
  }
  const auto hours = static_cast<long long>(std::trunc(seconds / 3600.0));
  const double minutes = RoundHalfEven(static_cast<double>(*whole % 3600) / 60.0);
  return PadDigits(hours, 2) + PadDigits(static_cast<long long>(minutes), 2);
}

long long BoxTextSeconds(std::string_view boxText) {
  return PartValue(FirstCharacters(boxText, 2)) * 3600 + PartValue(LastCharacters(boxText, 2)) * 60;
}

std::string BoxTextToStoredSeconds(std::string_view boxText) {
  return FormatStoredSeconds(BoxTextSeconds(boxText));
}

std::string FormatStoredSeconds(long long seconds) {
  return PadDigits(seconds, 5) + ".0000";
}

}  // namespace fennick
