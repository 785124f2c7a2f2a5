#include "scenario/consist_locate.h"

#include <string>

#include "scenario/markup_balance.h"
#include "scenario/text_search.h"

namespace fennick {
namespace {

constexpr std::string_view kConsistOpen = "<cConsist";
constexpr std::string_view kConsistClose = "</cConsist>";
constexpr std::string_view kVehicleOpen = "<cOwnedEntity";
constexpr std::string_view kVehicleClose = "</cOwnedEntity>";

// Position of the (count + 1)-th occurrence of `needle`, or 0.
Pos NthOccurrence(std::string_view text, std::string_view needle, std::size_t count) {
  Pos found = FindNoCase(text, needle, 1);
  for (std::size_t i = 0; i < count && found != kNotFound; ++i) {
    found = FindNoCase(text, needle, found + 1);
  }
  return found;
}

std::string NoVehicleMessage(std::size_t n) {
  return "There is no vehicle in row " + std::to_string(n) + " of the selected consist.";
}

std::string UnclosedVehicleMessage(std::size_t n) {
  return "The vehicle in row " + std::to_string(n) +
         " of the selected consist has no closing </cOwnedEntity> tag, so it cannot be changed.";
}

std::optional<TextRange> Optional(const Result<TextRange>& found) {
  if (!found) return std::nullopt;
  return *found;
}

}  // namespace

std::vector<Pos> FindConsistEnds(std::string_view scenarioText) {
  std::vector<Pos> ends{1};
  for (Pos p = FindNoCase(scenarioText, "</cConsist", 1); p != kNotFound;
       p = FindNoCase(scenarioText, "</cConsist", p + 1)) {
    ends.push_back(p);
  }
  return ends;
}

std::string_view ConsistListingText(std::string_view scenarioText, const std::vector<Pos>& ends,
                                    std::size_t c) {
  if (c + 1 >= ends.size()) return {};
  const Pos first = ends[c];
  const Pos next = ends[c + 1];
  if (first < 1 || next < first || next - 1 > scenarioText.size()) return {};
  return scenarioText.substr(IndexOf(first), next - first);
}

Result<TextRange> FindConsistBlock(std::string_view scenarioText, std::size_t c) {
  const std::string row = std::to_string(c);
  const Pos start = NthOccurrence(scenarioText, kConsistOpen, c);
  if (start == kNotFound)
    return Error{"There is no consist in row " + row + " of the consist list."};
  const Pos close = FindNoCase(scenarioText, kConsistClose, start);
  if (close == kNotFound) {
    return Error{"The consist in row " + row +
                 " of the consist list has no closing </cConsist> tag, so it cannot be changed."};
  }
  return TextRange{start, close + kConsistClose.size() - start};
}

std::optional<TextRange> VehicleBlockAt(std::string_view text, Pos open) {
  const Pos close = FindNoCase(text, kVehicleClose, open);
  if (close == kNotFound) return std::nullopt;
  const Pos next = FindNoCase(text, kVehicleOpen, open + 1);
  if (next != kNotFound && next < close) return std::nullopt;
  const TextRange block{open, close + kVehicleClose.size() - open};
  // A tag inside it left open would make cutting or copying the block break the document.
  if (!IsBalancedMarkup(block.In(text))) return std::nullopt;
  return block;
}

Result<TextRange> FindVehicleBlock(std::string_view scenarioText, std::size_t c, std::size_t n) {
  const Result<TextRange> consist = FindConsistBlock(scenarioText, c);
  if (!consist) return consist;
  const std::string_view consistText = consist->In(scenarioText);
  const Pos start = NthOccurrence(consistText, kVehicleOpen, n);
  if (start == kNotFound) return Error{NoVehicleMessage(n)};
  const std::optional<TextRange> block = VehicleBlockAt(consistText, start);
  if (!block) return Error{UnclosedVehicleMessage(n)};
  return TextRange{consist->first + block->first - 1, block->length};
}

Status CheckVehicleBlocks(std::string_view scenarioText, std::size_t c,
                          const std::vector<std::size_t>& rows) {
  const Result<TextRange> consist = FindConsistBlock(scenarioText, c);
  if (!consist) return Error{consist.error()};
  const std::string_view consistText = consist->In(scenarioText);
  std::vector<Pos> opens;
  for (Pos p = FindNoCase(consistText, kVehicleOpen, 1); p != kNotFound;
       p = FindNoCase(consistText, kVehicleOpen, p + 1)) {
    opens.push_back(p);
  }
  for (std::size_t row : rows) {
    if (row >= opens.size()) return Error{NoVehicleMessage(row)};
    if (!VehicleBlockAt(consistText, opens[row])) return Error{UnclosedVehicleMessage(row)};
  }
  return Ok();
}

std::optional<TextRange> LocateConsist(std::string_view scenarioText, std::size_t c) {
  return Optional(FindConsistBlock(scenarioText, c));
}

std::optional<TextRange> LocateVehicle(std::string_view scenarioText, std::size_t c,
                                       std::size_t n) {
  return Optional(FindVehicleBlock(scenarioText, c, n));
}

std::size_t CountVehicleBlocks(std::string_view scenarioText, std::size_t c) {
  const std::optional<TextRange> consist = LocateConsist(scenarioText, c);
  if (!consist) return 0;
  const std::string_view consistText = consist->In(scenarioText);
  std::size_t count = 0;
  for (Pos p = FindNoCase(consistText, kVehicleOpen, 1); p != kNotFound;
       p = FindNoCase(consistText, kVehicleOpen, p + 1)) {
    ++count;
  }
  return count;
}

}  // namespace fennick
