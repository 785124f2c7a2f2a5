#pragma once

#include <string>
#include <string_view>

namespace fennick {

// The running number of a copy: the number the old one begins with (0 when it does not begin
// with a number) plus 3, in plain decimal: 101 gives 104, 12.5 gives 15.5, B954 gives 3.
std::string RunningNumberOfCopy(std::string_view number);

// A copy of a vehicle block with the copy's running number; a block without a "UniqueNumber"
// element (or with one that cannot be rewritten) is copied unchanged.
std::string CopyOfVehicle(std::string_view block);

}  // namespace fennick
