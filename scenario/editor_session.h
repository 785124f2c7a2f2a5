#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "scenario/property_table.h"

namespace fennick {

// One opened scenario: what "Edit Selected Scenario" prepared.
// Texts are document bytes exactly as read; folders are path texts (UTF-8, "\" joined).
struct ScenarioSession {
  std::string routeFolder;     // RouteFolder
  std::string scenarioFolder;  // ScenarioFolder

  // IndexHead + ScenarioEntry + IndexTail is the route's index text as read.
  std::string indexHead;
  std::string scenarioEntry;
  std::string indexTail;

  // The scenario's folder name as the index writes it, and its entry as the index on disk last
  // held it: another copy of the program may change the index meanwhile, so a save finds the
  // entry there again rather than writing back the whole index as read.
  std::string folderName;
  std::string entryOnDisk;

  std::string scenarioTextAsRead;  // ScenarioTextAsRead
  std::string scenarioText;        // ScenarioText: the working copy the consist commands change

  // Set by the editor load.
  std::string loadedDisplayName;  // LoadedDisplayName, as shown (UTF-8)
  std::string loadedStartTime;    // LoadedStartTime, the stored text as read
  bool isTimetable = false;       // IsTimetable
};

// The editor's twelve property boxes Text1(0) to Text1(11), as a person sees and types them
// (UTF-8). Start time is the hhmm text of the box.
enum PropertyBox : std::size_t {
  kBoxDisplayName,
  kBoxDescription,
  kBoxBriefing,
  kBoxStartTime,
  kBoxDurationMins,
  kBoxStartDay,
  kBoxStartMonth,
  kBoxStartYear,
  kBoxSeason,
  kBoxWeatherProvider,
  kBoxWeatherProduct,
  kBoxWeatherBlueprint,
};
inline constexpr std::size_t kPropertyBoxCount = kPropertyCount;
using PropertyBoxes = std::array<std::string, kPropertyBoxCount>;

}  // namespace fennick
