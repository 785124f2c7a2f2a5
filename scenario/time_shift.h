#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fennick {

// Seconds after midnight wrap once past a whole day: a sum above this is reduced by it.
inline constexpr std::int32_t kSecondsPerDay = 86400;

// The new value of a time element: its old text read as a number and rounded halves-to-even,
// plus `delay`, reduced once by a day when above kSecondsPerDay (exactly a day stays, negatives
// stay negative). Nothing when the old value or the sum does not fit a signed 32-bit number.
std::optional<std::int32_t> ShiftedSeconds(std::string_view oldText, std::int32_t delay);

}  // namespace fennick
