#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scenario/editor_load.h"
#include "scenario/property_table.h"

namespace fennick {

// One side of a comparison: what the editor would show of a scenario.
struct ComparedScenario {
  // The twelve boxes' texts; nothing when this side's properties are not known.
  std::optional<PropertyBoxes> properties;
  std::vector<EditorConsist> consists;
  TextEncoding encoding = TextEncoding::kWindows1252;  // of the document holding the consists
};

// A row of the side-by-side view: a property, a consist or one of its vehicles.
struct ComparedRow {
  enum Kind { kProperty, kConsist, kVehicle } kind;
  std::string label;   // "Start Time (24 hour)", "Consist 2", "Vehicle 3"
  std::string backup;  // as shown; empty for what that side does not hold
  std::string current;
  bool differs = false;  // this row's own texts differ (a consist's vehicles have their own rows)
};

// Properties first, then consists and their vehicles matched by position, so a vehicle added
// or removed shows as rows that only one side holds.
std::vector<ComparedRow> CompareScenarios(const ComparedScenario& backup,
                                          const ComparedScenario& current);

}  // namespace fennick
