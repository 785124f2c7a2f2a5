#pragma once

#include <string>
#include <vector>

namespace fennick::sample {

// A file beside a route's Scenarios.bin or a scenario's Scenario.bin, as earlier saves leave
// them, dated in the past so their order by time is the order of the saves.
struct SampleBackup {
  std::string routeGuid;
  std::string scenarioGuid;  // empty: beside the route's index
  std::string fileName;
  std::string xml;        // a document in the converter's form
  std::string plainText;  // or a file of someone else's, written as it is
  int daysAgo = 0;
};

// Steam Gala Special's history: its first backup differs from today's document in one vehicle
// and, through the route's first index backup, in its duration; later backups .bak1, .bak2 and
// .bak10, and a file of the user's own, Scenario.bak01, that is no backup.
std::vector<SampleBackup> SampleBackups();

}  // namespace fennick::sample
