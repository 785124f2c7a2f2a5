#include "persist/start_time_values.h"

#include "scenario/number_text.h"
#include "scenario/start_time.h"
#include "scenario/text_search.h"

namespace fennick {

std::string StartTimeSeconds(std::string_view boxText) {
  return BoxTextToStoredSeconds(boxText);
}

Result<std::int32_t> StartTimeShift(std::string_view newValue, std::string_view loadedStartTime,
                                    bool changeAllConsists) {
  if (!changeAllConsists || EqualsNoCase(newValue, loadedStartTime)) return std::int32_t{0};
  const std::optional<std::int32_t> shift =
      ToInt32HalfEven(ReadNumber(newValue) - ReadNumber(loadedStartTime));
  if (!shift) {
    return Error{"the consist start times cannot be moved from " + std::string(loadedStartTime) +
                 " to " + std::string(newValue) + " seconds"};
  }
  return *shift;
}

}  // namespace fennick
