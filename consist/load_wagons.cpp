#include "consist/load_wagons.h"

#include "consist/messages.h"
#include "consist/vehicle_rows.h"
#include "scenario/consist_locate.h"
#include "scenario/tag_scan.h"
#include "scenario/text_search.h"

namespace fennick {

ConsistOutcome LoadSelectedWagons(std::string& scenarioText, std::size_t consistRow,
                                  const std::vector<std::size_t>& selectedRows, WagonLoad load,
                                  Dialogs& dialogs) {
  ConsistOutcome outcome;
  const std::vector<std::size_t> rows = AscendingRows(selectedRows);
  if (!CheckVehicleRows(scenarioText, consistRow, rows, dialogs)) return outcome;
  const std::string_view value = load == WagonLoad::kLoaded ? "eTrue" : "eFalse";
  for (std::size_t n : rows) {
    const TextRange range = *LocateVehicle(scenarioText, consistRow, n);
    std::string block(range.In(scenarioText));
    if (FindNoCase(block, "<InitialLevel/>", 1) != kNotFound) {
      dialogs.ShowMessage(ForDisplay(VehicleName(block), scenarioText) +
                          std::string(kNotLoadableTail));
      return outcome;
    }
    Pos pos = FindNoCase(block, "<ispreloaded", 1);
    if (pos != kNotFound) PutDetail(block, pos, "IsPreloaded", value);
    scenarioText.replace(IndexOf(range.first), range.length, block);
    outcome.consistsChanged = true;
  }
  return outcome;
}

}  // namespace fennick
