#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fennick {

// The number a text begins with, the one rule used by the checks, the start-time arithmetic,
// the driver test and the running numbers. Blanks (space, tab, line feed, carriage return) are
// ignored wherever they stand; then an optional sign, digits and at most one decimal point are
// taken up to the first character that cannot continue the number. A text that does not begin
// with a number reads as 0. Values too large for a double read as plus or minus infinity.
double ReadNumber(std::string_view text);

// Rounds to the nearest whole number, exact halves to the even neighbour (10.5 -> 10, 11.5 -> 12).
double RoundHalfEven(double value);

// RoundHalfEven(value) as a signed 32-bit number, or nothing when it does not fit (or is NaN).
std::optional<std::int32_t> ToInt32HalfEven(double value);

}  // namespace fennick
