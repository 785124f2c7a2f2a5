#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "consist/consist_outcome.h"

namespace fennick {

enum class WagonLoad { kLoaded, kEmpty };

// "Load Selected Wagon(s)" / "Unload Selected Wagon(s)": sets "IsPreloaded" of every selected
// vehicle of consist m to eTrue or eFalse, in row order. A vehicle whose block holds
// "<InitialLevel/>" carries no load: the command stops there with a message, and the rows
// before it keep their change. A vehicle without an "IsPreloaded" element of its own, or a block
// that is not closed, is refused with a message and the text left as it was before the command.
ConsistOutcome LoadSelectedWagons(std::string& scenarioText, std::size_t consistRow,
                                  const std::vector<std::size_t>& selectedRows, WagonLoad load,
                                  Dialogs& dialogs);

}  // namespace fennick
