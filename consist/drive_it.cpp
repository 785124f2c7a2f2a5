#include "consist/drive_it.h"

#include "consist/messages.h"
#include "consist/vehicle_rows.h"
#include "scenario/consist_locate.h"
#include "scenario/tag_scan.h"

namespace fennick {

ConsistOutcome DriveIt(std::string& scenarioText, std::size_t consistRow,
                       std::optional<std::size_t> currentRow, Dialogs& dialogs) {
  ConsistOutcome outcome;
  if (!currentRow) {
    outcome.drivenLabel = std::string();
    dialogs.ShowMessage(std::string(kNothingToDrive));
    return outcome;
  }
  if (!CheckVehicleRows(scenarioText, consistRow, {*currentRow}, dialogs)) return outcome;
  const TextRange vehicle = *LocateVehicle(scenarioText, consistRow, *currentRow);
  outcome.drivenLabel = ForDisplay(VehicleName(vehicle.In(scenarioText)), scenarioText);

  PutAllDetails(scenarioText, "PlayerDriver", "0");
  PutAllDetails(scenarioText, "PlayerControlled", "0");
  Pos pos = LocateConsist(scenarioText, consistRow)->first + 1;
  PutDetail(scenarioText, pos, "PlayerDriver", "1");
  outcome.consistsChanged = true;
  dialogs.ShowMessage(std::string(kDriverUpdated), MessageIcon::Information);
  return outcome;
}

}  // namespace fennick
