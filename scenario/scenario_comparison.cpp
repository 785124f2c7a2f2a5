#include "scenario/scenario_comparison.h"

#include <algorithm>

#include "scenario/xml_text.h"

namespace fennick {

namespace {

std::string ShownVehicle(const VehicleFields& vehicle, TextEncoding encoding) {
  std::string shown =
      ShowText(vehicle.name, encoding) + "  (" + ShowText(vehicle.blueprint, encoding) + ")";
  if (vehicle.flipped == "1") shown += ", reversed";
  if (vehicle.preloaded == "eTrue") shown += ", loaded";
  return shown;
}

std::string ShownConsist(const EditorConsist& consist) {
  return consist.driven ? consist.caption + "  (driven)" : consist.caption;
}

void CompareProperties(const ComparedScenario& backup, const ComparedScenario& current,
                       std::vector<ComparedRow>& rows) {
  if (!backup.properties && !current.properties) return;
  for (std::size_t i = 0; i < kPropertyCount; ++i) {
    ComparedRow row{ComparedRow::kProperty, std::string(kProperties[i].name), {}, {}, false};
    if (backup.properties) row.backup = (*backup.properties)[i];
    if (current.properties) row.current = (*current.properties)[i];
    row.differs = !backup.properties || !current.properties || row.backup != row.current;
    rows.push_back(std::move(row));
  }
}

void CompareVehicles(const ComparedScenario& backup, const ComparedScenario& current, std::size_t c,
                     std::vector<ComparedRow>& rows) {
  static const std::vector<VehicleFields> kNone;
  const auto& older = c < backup.consists.size() ? backup.consists[c].vehicles : kNone;
  const auto& newer = c < current.consists.size() ? current.consists[c].vehicles : kNone;
  for (std::size_t v = 0; v < std::max(older.size(), newer.size()); ++v) {
    ComparedRow row{ComparedRow::kVehicle, "Vehicle " + std::to_string(v + 1), {}, {}, true};
    if (v < older.size()) row.backup = ShownVehicle(older[v], backup.encoding);
    if (v < newer.size()) row.current = ShownVehicle(newer[v], current.encoding);
    if (v < older.size() && v < newer.size()) row.differs = !(older[v] == newer[v]);
    rows.push_back(std::move(row));
  }
}

}  // namespace

std::vector<ComparedRow> CompareScenarios(const ComparedScenario& backup,
                                          const ComparedScenario& current) {
  std::vector<ComparedRow> rows;
  CompareProperties(backup, current, rows);
  const std::size_t consists = std::max(backup.consists.size(), current.consists.size());
  for (std::size_t c = 0; c < consists; ++c) {
    ComparedRow row{ComparedRow::kConsist, "Consist " + std::to_string(c + 1), {}, {}, true};
    const bool inBackup = c < backup.consists.size(), inCurrent = c < current.consists.size();
    if (inBackup) row.backup = ShownConsist(backup.consists[c]);
    if (inCurrent) row.current = ShownConsist(current.consists[c]);
    if (inBackup && inCurrent) row.differs = row.backup != row.current;
    rows.push_back(std::move(row));
    CompareVehicles(backup, current, c, rows);
  }
  return rows;
}

}  // namespace fennick
