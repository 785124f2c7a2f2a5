#pragma once

#include <string>

#include "scenario/result.h"

namespace fennick {

// Cuts a scenario's entry out of the route's index text: the entry around the first occurrence
// of the folder name (the last "<cScenarioProperties" at or before it, through the next
// "</cScenarioProperties>"), with the text before and after it.
struct IndexCut {
  std::string head, entry, tail;
};
Result<IndexCut> CutScenarioEntry(const std::string& scenariosText, const std::string& folderName);

}  // namespace fennick
