#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/dialogs.h"
#include "consist/consist_outcome.h"

namespace fennick {

// "Delete Item": removes vehicle n of consist m. Deleting a consist's only vehicle is allowed and
// leaves a consist without vehicles.
ConsistOutcome DeleteItem(std::string& scenarioText, std::size_t consistRow,
                          std::optional<std::size_t> currentRow, Dialogs& dialogs);

}  // namespace fennick
