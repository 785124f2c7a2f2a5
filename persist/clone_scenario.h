#pragma once

#include <functional>
#include <string>

#include "app/dialogs.h"
#include "bridge/identifier.h"
#include "persist/command_outcome.h"
#include "persist/save_context.h"
#include "scenario/editor_session.h"

namespace fennick {

// What "Clone Scenario with new Name" reads from the editor window. The scenario type and
// "Change for all consists" play no part: the clone keeps the source's type and start times.
struct CloneRequest {
  PropertyBoxes boxes;        // Text1(0) to Text1(11), as typed
  std::string drivenCaption;  // Label3
};

struct CloneResult {
  CommandOutcome outcome = CommandOutcome::kRefused;
  std::string newFolderName;  // the new scenario's folder (and DevString), when done
};

// Where a clone gets its new identifier; the platform's random GUID unless a test says otherwise.
using IdentifierSource = std::function<IdentifierText()>;

// "Clone Scenario with new Name": after the name checks, the note and the property checks, adds
// a copy of the scenario's index entry right behind the unchanged source entry, with the element
// number raised by 3127, a new identifier and the boxes' properties, and converts the scenario
// document as read (without the consist edits) into a new folder named after the identifier.
//
// Refused with a message before anything is written: no usable identifier, an existing folder of
// that name, an entry without an identifier or element number to replace. A failed step is
// reported as the save's failure, the index is put back and the new folder removed. On success
// the session's index tail takes in the new entry; the editor stays open.
CloneResult CloneScenario(const SaveContext& context, ScenarioSession& session,
                          const CloneRequest& request, Dialogs& dialogs,
                          const IdentifierSource& newIdentifier = NewIdentifierText);

}  // namespace fennick
