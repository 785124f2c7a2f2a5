#include "consist/delete_item.h"

#include "consist/messages.h"
#include "consist/vehicle_rows.h"

namespace fennick {

ConsistOutcome DeleteItem(std::string& scenarioText, std::size_t consistRow,
                          std::optional<std::size_t> currentRow, Dialogs& dialogs) {
  if (!currentRow) {
    dialogs.ShowMessage(std::string(kNothingToDelete));
    return {};
  }
  if (!CheckVehicleRows(scenarioText, consistRow, {*currentRow}, dialogs)) return {};
  const auto vehicle = VehicleForCommand(scenarioText, consistRow, *currentRow, dialogs);
  if (!vehicle) return {};
  scenarioText.erase(IndexOf(vehicle->first), vehicle->length);
  dialogs.ShowMessage(std::string(kScenarioUpdated), MessageIcon::Information);
  return ConsistOutcome{Outcome::Kind::kDone, true, std::nullopt};
}

}  // namespace fennick
