#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "browser/browser_state.h"

namespace fennick::browser {

// The document a backup command works on: the route's Scenarios.bin or a scenario's
// Scenario.bin, with where it stands.
struct BackupTarget {
  QString folder;          // holds stem.bin and its backups
  QString stem;            // "Scenarios" or "Scenario"
  QString routeFolder;     // the route's folder (the same as `folder` for the index)
  std::string folderName;  // a scenario's folder name as the index writes it; empty for the index
  bool isScenario() const { return !folderName.empty(); }
};

// The index of the route in `routeRow`; nothing when no route row is chosen.
std::optional<BackupTarget> RouteIndexTarget(const QString& rsPath, const BrowserState& browser,
                                             std::optional<int> routeRow);

// The document of the last selected row of the scenario listing; nothing without one.
std::optional<BackupTarget> ScenarioDocumentTarget(const BrowserState& browser,
                                                   const std::vector<int>& selectedRows);

}  // namespace fennick::browser
