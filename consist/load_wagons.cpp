#include "consist/load_wagons.h"

#include "consist/element_rewrite.h"
#include "consist/messages.h"
#include "consist/vehicle_rows.h"
#include "scenario/text_search.h"

namespace fennick {

ConsistOutcome LoadSelectedWagons(std::string& scenarioText, std::size_t consistRow,
                                  const std::vector<std::size_t>& selectedRows, WagonLoad load,
                                  Dialogs& dialogs) {
  ConsistOutcome outcome;
  const std::vector<std::size_t> rows = AscendingRows(selectedRows);
  if (!CheckVehicleRows(scenarioText, consistRow, rows, dialogs)) return outcome;
  const std::string_view value = load == WagonLoad::kLoaded ? "eTrue" : "eFalse";
  const std::string asBefore = scenarioText;
  for (std::size_t n : rows) {
    const auto range = VehicleForCommand(scenarioText, consistRow, n, dialogs);
    if (!range) {
      scenarioText = asBefore;
      return ConsistOutcome{};
    }
    std::string block(range->In(scenarioText));
    const std::string name = ForDisplay(VehicleName(block), scenarioText);
    if (FindNoCase(block, "<InitialLevel/>", 1) != kNotFound) {
      dialogs.ShowMessage(name + std::string(kNotLoadableTail));
      return outcome;
    }
    // A block without the element (or with it in the empty form) has nothing to set: the whole
    // command is refused rather than reported as done.
    Pos pos = FindNoCase(block, "<ispreloaded", 1);
    if (pos == kNotFound || !RewriteElement(block, pos, "IsPreloaded", value)) {
      scenarioText = asBefore;
      dialogs.ShowMessage(name + std::string(kNoPreloadedTail));
      return ConsistOutcome{};
    }
    scenarioText.replace(IndexOf(range->first), range->length, block);
    outcome.consistsChanged = true;
  }
  outcome.ended = Outcome::Kind::kDone;
  return outcome;
}

}  // namespace fennick
