#include "consist/duplicate_item.h"

#include "consist/messages.h"
#include "consist/vehicle_copy.h"
#include "consist/vehicle_rows.h"
#include "scenario/consist_locate.h"

namespace fennick {

namespace {

// The shared refusals; the vehicle's place when the command may go on.
std::optional<TextRange> VehicleToCopy(std::string_view scenarioText, std::size_t consistRow,
                                       std::optional<std::size_t> currentRow, Dialogs& dialogs) {
  if (!currentRow) {
    dialogs.ShowMessage(std::string(kNothingToDuplicate));
    return std::nullopt;
  }
  if (!CheckVehicleRows(scenarioText, consistRow, {*currentRow}, dialogs)) return std::nullopt;
  return LocateVehicle(scenarioText, consistRow, *currentRow);
}

ConsistOutcome Inserted(std::string& scenarioText, std::size_t at, const std::string& copy,
                        Dialogs& dialogs) {
  scenarioText.insert(at, copy);
  dialogs.ShowMessage(std::string(kScenarioUpdated), MessageIcon::Information);
  return ConsistOutcome{true, std::nullopt};
}

}  // namespace

ConsistOutcome DuplicateItem(std::string& scenarioText, std::size_t consistRow,
                             std::optional<std::size_t> currentRow, Dialogs& dialogs) {
  const auto vehicle = VehicleToCopy(scenarioText, consistRow, currentRow, dialogs);
  if (!vehicle) return {};
  const std::string copy = CopyOfVehicle(vehicle->In(scenarioText));
  return Inserted(scenarioText, IndexOf(vehicle->end()), copy, dialogs);
}

ConsistOutcome DuplicateAtRear(std::string& scenarioText, std::size_t consistRow,
                               std::optional<std::size_t> currentRow, Dialogs& dialogs) {
  const auto vehicle = VehicleToCopy(scenarioText, consistRow, currentRow, dialogs);
  if (!vehicle) return {};
  const std::string copy = CopyOfVehicle(vehicle->In(scenarioText));
  if (*currentRow == 0) {
    const std::size_t last = CountVehicleBlocks(scenarioText, consistRow) - 1;
    if (last > 0) {
      const TextRange rear = *LocateVehicle(scenarioText, consistRow, last);
      return Inserted(scenarioText, IndexOf(rear.end()), copy, dialogs);
    }
  }
  const TextRange front = *LocateVehicle(scenarioText, consistRow, 0);
  return Inserted(scenarioText, IndexOf(front.first), copy, dialogs);
}

}  // namespace fennick
