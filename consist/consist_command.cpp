#include "consist/consist_command.h"

#include "consist/delete_item.h"
#include "consist/drive_it.h"
#include "consist/duplicate_item.h"
#include "consist/load_wagons.h"
#include "consist/swap_all.h"
#include "consist/swap_selected.h"

namespace fennick {

ConsistOutcome RunConsistCommand(ConsistCommand command, std::string& scenarioText,
                                 const ConsistSelection& selection, const StockCatalogue& catalogue,
                                 const StockSource& source, Dialogs& dialogs) {
  return RunConsistCommand(command, scenarioText, selection, catalogue,
                           BlueprintDraw(source, catalogue), dialogs);
}

ConsistOutcome RunConsistCommand(ConsistCommand command, std::string& scenarioText,
                                 const ConsistSelection& selection, const StockCatalogue& catalogue,
                                 const MassAndNumberDraw& draw, Dialogs& dialogs) {
  const std::size_t m = selection.consist;
  const auto current = selection.currentVehicle;
  switch (command) {
    case ConsistCommand::kSwapSelected:
      return SwapSelectedItems(scenarioText, m, selection.selectedVehicles, catalogue,
                               selection.stockRow, draw, dialogs);
    case ConsistCommand::kSwapAll:
      return SwapAllIdenticalStock(scenarioText, m, current, catalogue, selection.stockRow, draw,
                                   dialogs);
    case ConsistCommand::kDuplicate:
      return DuplicateItem(scenarioText, m, current, dialogs);
    case ConsistCommand::kDuplicateAtRear:
      return DuplicateAtRear(scenarioText, m, current, dialogs);
    case ConsistCommand::kDelete:
      return DeleteItem(scenarioText, m, current, dialogs);
    case ConsistCommand::kDriveIt:
      return DriveIt(scenarioText, m, current, dialogs);
    case ConsistCommand::kLoad:
    case ConsistCommand::kUnload:
      return LoadSelectedWagons(
          scenarioText, m, selection.selectedVehicles,
          command == ConsistCommand::kLoad ? WagonLoad::kLoaded : WagonLoad::kEmpty, dialogs);
  }
  return {};
}

}  // namespace fennick
