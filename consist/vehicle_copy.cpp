#include "consist/vehicle_copy.h"

#include <charconv>
#include <system_error>

#include "consist/element_rewrite.h"
#include "scenario/number_text.h"
#include "scenario/tag_scan.h"
#include "scenario/text_search.h"

namespace fennick {

std::string RunningNumberOfCopy(std::string_view number) {
  const double value = ReadNumber(number) + 3;
  // Fifteen significant digits: as many as a double holds exactly, and no trailing zeros.
  // to_chars, unlike printf, never takes the decimal comma of the desktop's locale.
  char text[64];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
  if (written.ec != std::errc()) return std::string();
  return std::string(text, written.ptr);
}

std::string CopyOfVehicle(std::string_view block) {
  std::string copy(block);
  Pos at = FindNoCase(block, "<UniqueNumber", 1);
  if (at == kNotFound) return copy;
  std::string number;
  const TagStatus read = GetDetail(block, at, "UniqueNumber", number);
  if (read != TagStatus::kFound) return copy;
  // A number that cannot be rewritten leaves the copy as it is.
  Pos pos = 1;
  RewriteElement(copy, pos, "UniqueNumber", RunningNumberOfCopy(number));
  return copy;
}

}  // namespace fennick
