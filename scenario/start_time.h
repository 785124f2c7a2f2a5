#pragma once

#include <string>
#include <string_view>

#include "scenario/result.h"

namespace fennick {

// The scenario start time as the editor's box shows it ("hhmm") and as the index entry stores
// it (seconds after midnight).

// Stored seconds to box text. Hours are the whole hours (fraction dropped); minutes are the
// seconds rounded halves-to-even, taken modulo 3600, divided by 60 and rounded halves-to-even
// again, so 27930 shows 0746 and 28770 shows 0760. Each part has at least two digits. Fails when
// the stored number does not fit a signed 32-bit number of seconds.
Result<std::string> StoredSecondsToBoxText(std::string_view stored);

// Seconds of a box text: the number of its first two characters as hours and of its last two
// as minutes (characters, not bytes, of UTF-8 text), each rounded halves-to-even.
long long BoxTextSeconds(std::string_view boxText);

// Box text to the stored form "00000.0000": at least five integer digits, a point, four zeros
// (0530 -> 19800.0000, 2400 -> 86400.0000, 0760 -> 28800.0000).
std::string BoxTextToStoredSeconds(std::string_view boxText);

// Whole seconds in the stored pattern.
std::string FormatStoredSeconds(long long seconds);

}  // namespace fennick
