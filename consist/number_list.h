#pragma once

#include <string>
#include <string_view>

namespace fennick {

// A number list (.dcsv) as the program reads it: line by line, every line followed by CR LF,
// whatever line ends the file used (CR LF, LF or CR).
std::string JoinNumberListLines(std::string_view fileBytes);

// Draws a running number from a number list's text with the uniform value u in [0, 1): the
// first "Name" element at or after (distance from the first "<cCSVItem" to the first "<Name")
// times r, where r = floor((count - 2) * u + 1), at least 1, and count is the number of "<Name"
// tags. Lists of one or two entries always give the first number. Empty when the list holds no
// "<Name". Counts and positions are full-width, so lists of any length work.
std::string PickRunningNumber(std::string_view listText, float u);

}  // namespace fennick
