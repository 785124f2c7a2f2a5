#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "consist/consist_outcome.h"
#include "consist/stock_blueprint.h"
#include "consist/stock_catalogue.h"

namespace fennick {

// The buttons of the Selected Consist frame, in their order.
enum class ConsistCommand {
  kSwapSelected,
  kSwapAll,
  kDuplicate,
  kDuplicateAtRear,
  kDelete,
  kDriveIt,
  kLoad,
  kUnload,
};

// What a consist command reads from the lists: consist row m, the vehicle list's current and
// selected rows, and for the swaps the available stock and its chosen row.
struct ConsistSelection {
  std::size_t consist = 0;
  std::optional<std::size_t> currentVehicle;
  std::vector<std::size_t> selectedVehicles;
  std::optional<std::size_t> stockRow;
};

// Runs one command on the document, as the window's button and the command line's option do.
// `catalogue` and `source` are needed by the swaps only.
ConsistOutcome RunConsistCommand(ConsistCommand command, std::string& scenarioText,
                                 const ConsistSelection& selection, const StockCatalogue& catalogue,
                                 const StockSource& source, Dialogs& dialogs);

// The same with the swaps' draw of mass and number given.
ConsistOutcome RunConsistCommand(ConsistCommand command, std::string& scenarioText,
                                 const ConsistSelection& selection, const StockCatalogue& catalogue,
                                 const MassAndNumberDraw& draw, Dialogs& dialogs);

}  // namespace fennick
