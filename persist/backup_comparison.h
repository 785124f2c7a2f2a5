#pragma once

#include <QString>
#include <string>
#include <vector>

#include "bridge/converter.h"
#include "scenario/result.h"
#include "scenario/scenario_comparison.h"

namespace fennick {

// Where the two sides of a scenario backup's comparison come from.
struct ScenarioBackupSource {
  QString routeFolder;     // holds Scenarios.bin and its backups
  QString scenarioFolder;  // holds Scenario.bin and its backups
  std::string folderName;  // the scenario's folder name as the index writes it
  QString backupName;      // the chosen backup of Scenario.bin
};

struct ScenarioBackupComparison {
  std::vector<ComparedRow> rows;
  // The scenario's properties live in the route's index. The backup's come from the index as it
  // stood when the backup was written: the newest of Scenarios.bin and its backups written no
  // later than the backup (a save writes the index just before the document). Empty when no
  // index of that time holds the scenario.
  QString backupIndexName;
};

// "Compare with current": converts the backup, the current Scenario.bin and the two indexes
// into scratch files of the comparison's own and sets them side by side.
Result<ScenarioBackupComparison> CompareScenarioBackup(const Converter& converter,
                                                       const ScenarioBackupSource& source);

}  // namespace fennick
