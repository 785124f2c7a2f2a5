#pragma once

#include <string>

#include "app/dialogs.h"
#include "persist/command_outcome.h"
#include "persist/save_context.h"
#include "scenario/editor_session.h"

namespace fennick {

// What "Save Changes" reads from the editor window.
struct SaveRequest {
  PropertyBoxes boxes;             // Text1(0) to Text1(11), as typed
  bool timetableChosen = false;    // "Timetable Scenario" rather than "Standard Scenario"
  bool changeAllConsists = false;  // "Change for all consists"
  std::string drivenCaption;       // Label3: the driven consist's caption, empty when none
};

// "Save Changes": checks the boxes, writes them into the scenario's index entry (switching the
// scenario type first when it was changed), moves every consist start time with the scenario's
// when asked, and replaces the route's Scenarios.bin and the scenario's Scenario.bin through the
// converter, keeping the old ones as backups.
//
// A failed step stops the save: it is reported as "An error ... occurred while saving your
// Scenario", every document the save had already replaced or renamed is put back, and the
// session keeps its edits. On success the closing message is shown, the session describes what
// was written; the window then closes the editor and reloads the browser.
CommandOutcome SaveScenario(const SaveContext& context, ScenarioSession& session,
                            const SaveRequest& request, Dialogs& dialogs);

}  // namespace fennick
