#include "scenario/index_cut.h"

#include "scenario/tag_scan.h"

namespace fennick {

namespace {

constexpr std::string_view kEntryStart = "<cScenarioProperties";
constexpr std::string_view kEntryEnd = "</cScenarioProperties>";

}  // namespace

Result<IndexCut> CutScenarioEntry(const std::string& scenariosText, const std::string& folderName) {
  if (folderName.empty()) return Error{"No scenario folder name was given."};
  const Pos at = FindNoCase(scenariosText, folderName, 1);
  if (at == 0) {
    return Error{"The scenario " + folderName + " is not listed in the route's Scenarios.bin."};
  }
  const Pos start = FindLastNoCase(scenariosText, kEntryStart, at + kEntryStart.size() - 1);
  if (start == 0 || start > at) {
    return Error{"The route's Scenarios.bin has no scenario entry around " + folderName + "."};
  }
  const Pos end = FindNoCase(scenariosText, kEntryEnd, start);
  if (end == 0) {
    return Error{"The scenario entry of " + folderName +
                 " in the route's Scenarios.bin is not closed."};
  }
  const std::size_t first = start - 1;
  const std::size_t afterEntry = end - 1 + kEntryEnd.size();
  return IndexCut{scenariosText.substr(0, first), scenariosText.substr(first, afterEntry - first),
                  scenariosText.substr(afterEntry)};
}

}  // namespace fennick
