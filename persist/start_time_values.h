#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "scenario/result.h"

namespace fennick {

// The Start Time box ("hhmm") as the index entry stores it: hh * 3600 + mm * 60 seconds in the
// pattern "00000.0000" ("0530" -> "19800.0000", "2400" -> "86400.0000").
std::string StartTimeSeconds(std::string_view boxText);

// How far every consist start time moves with the scenario's: nothing unless "Change for all
// consists" is ticked and the new stored value differs (as text, ignoring case) from the one
// loaded; then the difference of the two numbers in whole seconds. Fails when that does not fit
// a signed 32-bit number of seconds.
Result<std::int32_t> StartTimeShift(std::string_view newValue, std::string_view loadedStartTime,
                                    bool changeAllConsists);

}  // namespace fennick
