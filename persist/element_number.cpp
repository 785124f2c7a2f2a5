#include "persist/element_number.h"

#include <charconv>
#include <string_view>

#include "scenario/text_search.h"

namespace fennick {
namespace {

constexpr std::string_view kIdAttribute = "d:id=\"";
// Enough for every number the converter writes; more digits could overflow the sum.
constexpr std::size_t kMostDigits = 18;

Error NoElementNumber() {
  return Error{"the opening tag of the scenario's index entry carries no element number (d:id)"};
}

}  // namespace

Status AddToElementNumber(std::string& entry, std::uint64_t step) {
  const std::size_t tagEnd = entry.find('>');
  if (tagEnd == std::string::npos) return NoElementNumber();
  const std::string_view openingTag = std::string_view(entry).substr(0, tagEnd);
  const Pos attribute = FindNoCase(openingTag, kIdAttribute, 1);
  if (attribute == kNotFound) return NoElementNumber();

  const std::size_t first = IndexOf(attribute) + kIdAttribute.size();
  std::size_t last = first;
  while (last < tagEnd && entry[last] >= '0' && entry[last] <= '9') ++last;
  const std::size_t digits = last - first;
  if (digits == 0) return NoElementNumber();
  if (digits > kMostDigits) {
    return Error{"the element number of the scenario's index entry is too long to be raised"};
  }

  std::uint64_t number = 0;
  std::from_chars(entry.data() + first, entry.data() + last, number);
  entry.replace(first, digits, std::to_string(number + step));
  return Ok();
}

}  // namespace fennick
