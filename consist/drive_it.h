#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/dialogs.h"
#include "consist/consist_outcome.h"

namespace fennick {

// "Drive It": every "PlayerDriver" and "PlayerControlled" of the document becomes 0, then consist
// m's own "PlayerDriver" becomes 1. A consist without one of its own is refused rather than
// handing the driver to the next consist that has one; so is a document whose flags cannot all be
// rewritten. A refusal leaves the text as it was. The driven-consist label shows the name of the
// current vehicle row, and is emptied when there is none.
ConsistOutcome DriveIt(std::string& scenarioText, std::size_t consistRow,
                       std::optional<std::size_t> currentRow, Dialogs& dialogs);

}  // namespace fennick
