#include "scenario/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace fennick {
namespace {

constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

double ReadNumber(std::string_view text) {
  // Gather the number without its blanks, then let from_chars do the exact conversion.
  std::string number;
  bool negative = false;
  bool started = false;
  bool pointSeen = false;
  bool digitSeen = false;
  for (char c : text) {
    if (IsBlank(c)) continue;
    if (IsDigit(c)) {
      number.push_back(c);
      digitSeen = true;
    } else if (c == '.' && !pointSeen) {
      number.push_back(c);
      pointSeen = true;
    } else if ((c == '-' || c == '+') && !started) {
      negative = c == '-';
    } else {
      break;
    }
    started = true;
  }
  if (!digitSeen) return 0.0;
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large when a non-zero digit stands before the point, otherwise too small.
    const std::size_t point = number.find('.');
    const std::string_view whole = std::string_view(number).substr(0, point);
    value = whole.find_first_not_of('0') == std::string_view::npos
                ? 0.0
                : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return floor + 1.0;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::optional<std::int32_t> ToInt32HalfEven(double value) {
  const double rounded = RoundHalfEven(value);
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace fennick
