#include "consist/number_list.h"

#include <cmath>
#include <cstdint>

#include "scenario/tag_scan.h"
#include "scenario/text_search.h"

namespace fennick {

std::string JoinNumberListLines(std::string_view fileBytes) {
  std::string joined;
  joined.reserve(fileBytes.size() + fileBytes.size() / 16 + 2);
  std::size_t i = 0;
  while (i < fileBytes.size()) {
    const std::size_t end = fileBytes.find_first_of("\r\n", i);
    const std::size_t lineEnd = end == std::string_view::npos ? fileBytes.size() : end;
    joined.append(fileBytes.substr(i, lineEnd - i));
    joined.append("\r\n");
    if (end == std::string_view::npos) break;
    i = end + 1;
    if (fileBytes[end] == '\r' && i < fileBytes.size() && fileBytes[i] == '\n') ++i;
  }
  return joined;
}

std::string PickRunningNumber(std::string_view listText, float u) {
  constexpr std::string_view kName = "<Name";
  const Pos itemPos = FindNoCase(listText, "<cCSVItem", 1);
  const Pos namePos = FindNoCase(listText, kName, 1);
  if (namePos == kNotFound) return {};

  const std::int64_t offset =
      static_cast<std::int64_t>(namePos) - static_cast<std::int64_t>(itemPos);
  std::int64_t count = 0;
  for (Pos p = namePos; p != kNotFound; p = FindNoCase(listText, kName, p + 1)) ++count;

  auto r = static_cast<std::int64_t>(std::floor(static_cast<double>(count - 2) * u + 1.0));
  if (r <= 0) r = 1;
  // A list whose first Name stands before its first item gives no usable distance; its first
  // number is taken instead of failing.
  Pos start = offset * r >= 1 ? static_cast<Pos>(offset * r) : 1;

  std::string number;
  const TagStatus status = GetDetail(listText, start, "Name", number);
  if (status != TagStatus::kFound && status != TagStatus::kEmptyForm) return {};
  return number;
}

}  // namespace fennick
