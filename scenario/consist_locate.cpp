#include "scenario/consist_locate.h"

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

std::optional<TextRange> LocateConsist(std::string_view scenarioText, std::size_t c) {
  const Pos start = NthOccurrence(scenarioText, kConsistOpen, c);
  if (start == kNotFound) return std::nullopt;
  const Pos close = FindNoCase(scenarioText, kConsistClose, start);
  if (close == kNotFound) return std::nullopt;
  return TextRange{start, close + kConsistClose.size() - start};
}

std::optional<TextRange> LocateVehicle(std::string_view scenarioText, std::size_t c,
                                       std::size_t n) {
  const std::optional<TextRange> consist = LocateConsist(scenarioText, c);
  if (!consist) return std::nullopt;
  const std::string_view consistText = consist->In(scenarioText);
  const Pos start = NthOccurrence(consistText, kVehicleOpen, n);
  if (start == kNotFound) return std::nullopt;
  const Pos close = FindNoCase(consistText, kVehicleClose, start);
  if (close == kNotFound) return std::nullopt;
  return TextRange{consist->first + start - 1, close + kVehicleClose.size() - start};
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
