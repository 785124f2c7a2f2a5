#pragma once

#include <QString>
#include <string>

#include "bridge/converter.h"
#include "persist/save_context.h"
#include "scenario/editor_session.h"
#include "scenario/result.h"
#include "tests/support/sample_install.h"

namespace fennick::test {

// Scenarios of the sample installation the tests work on.
inline constexpr const char* kSevernVale = "2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21";
inline constexpr const char* kMorningCoal = "0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301";  // standard
inline constexpr const char* kEveningCommuters =
    "1b7c9d20-3e4f-4a61-8d52-e9f0a1b2c3d4";  // timetable
inline constexpr const char* kEmeraldCoast = "7b41f0e2-93c5-4d08-a6e1-3c2f5d9b8a04";
inline constexpr const char* kMorningExpress = "4e0f2a53-6172-4d94-b085-1c23d4e5f6a7";  // French

// An opened scenario as the editor holds it, with the boxes its load fills.
struct OpenedScenario {
  ScenarioSession session;
  PropertyBoxes boxes;
};

// Opens a scenario of the sample installation the way the browser does: both documents
// converted, the entry cut around the first occurrence of the scenario's folder name, the boxes
// filled from the entry (texts decoded for display, the start time as hhmm).
Result<OpenedScenario> OpenSampleScenario(const SampleInstall& install, const std::string& routeId,
                                          const std::string& scenarioId);

SaveContext ContextOf(const SampleInstall& install);

// File-system paths (for the tests' own reads) of a sample route and scenario.
QString RouteDir(const SampleInstall& install, const std::string& routeId);
QString ScenarioDir(const SampleInstall& install, const std::string& routeId,
                    const std::string& scenarioId);

}  // namespace fennick::test
