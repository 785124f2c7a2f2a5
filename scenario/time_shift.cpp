#include "scenario/time_shift.h"

#include <limits>

#include "scenario/number_text.h"

namespace fennick {

std::optional<std::int32_t> ShiftedSeconds(std::string_view oldText, std::int32_t delay) {
  const std::optional<std::int32_t> old = ToInt32HalfEven(ReadNumber(oldText));
  if (!old) return std::nullopt;
  std::int64_t sum = std::int64_t{*old} + delay;
  if (sum < std::numeric_limits<std::int32_t>::min() ||
      sum > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  if (sum > kSecondsPerDay) sum -= kSecondsPerDay;
  return static_cast<std::int32_t>(sum);
}

}  // namespace fennick
