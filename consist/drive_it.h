#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/dialogs.h"
#include "consist/consist_outcome.h"

namespace fennick {

// "Drive It": every "PlayerDriver" and "PlayerControlled" of the document becomes 0, then the
// first "PlayerDriver" behind the start of consist m becomes 1 (a consist without one of its own
// hands it to the next consist that has one). The driven-consist label shows the name of the
// current vehicle row, and is emptied when there is none.
ConsistOutcome DriveIt(std::string& scenarioText, std::size_t consistRow,
                       std::optional<std::size_t> currentRow, Dialogs& dialogs);

}  // namespace fennick
