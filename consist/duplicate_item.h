#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/dialogs.h"
#include "consist/consist_outcome.h"

namespace fennick {

// "Duplicate Item": a copy of vehicle n of consist m directly behind it, numbered 3 higher.
ConsistOutcome DuplicateItem(std::string& scenarioText, std::size_t consistRow,
                             std::optional<std::size_t> currentRow, Dialogs& dialogs);

// "Duplicate at Rear": a copy of vehicle n at the other end of the consist: the first vehicle is
// copied behind the last one, any other vehicle in front of the first one.
ConsistOutcome DuplicateAtRear(std::string& scenarioText, std::size_t consistRow,
                               std::optional<std::size_t> currentRow, Dialogs& dialogs);

}  // namespace fennick
