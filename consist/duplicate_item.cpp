#include "consist/duplicate_item.h"

#include "consist/messages.h"
#include "consist/vehicle_copy.h"
#include "consist/vehicle_rows.h"

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
  return VehicleForCommand(scenarioText, consistRow, *currentRow, dialogs);
}

ConsistOutcome Inserted(std::string& scenarioText, std::size_t at, const std::string& copy,
                        Dialogs& dialogs) {
  scenarioText.insert(at, copy);
  dialogs.ShowMessage(std::string(kScenarioUpdated), MessageIcon::Information);
  return ConsistOutcome{Outcome::Kind::kDone, true, std::nullopt};
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
  const std::size_t count = CountVehicleBlocks(scenarioText, consistRow);
  // The first vehicle goes behind the last one; any other, or the only one, in front.
  const bool behindLast = currentRow == 0 && count > 1;
  const std::size_t anchorRow = behindLast ? count - 1 : 0;
  const auto anchor = VehicleForCommand(scenarioText, consistRow, anchorRow, dialogs);
  if (!anchor) return {};
  return Inserted(scenarioText, IndexOf(behindLast ? anchor->end() : anchor->first), copy, dialogs);
}

}  // namespace fennick
