#include "consist/drive_it.h"

#include "consist/messages.h"
#include "consist/vehicle_rows.h"
#include "scenario/element_finder.h"
#include "scenario/markup_balance.h"
#include "scenario/tag_scan.h"

namespace fennick {

namespace {

// Whether every flag of that name, as PutAllDetails walks them, can take a new text without
// breaking the document.
bool FlagsRewritable(std::string_view scenarioText, std::string_view flag) {
  const ElementFinder finder(flag);
  for (Pos pos = 1;;) {
    const ElementSpan span = finder.Find(scenarioText, pos);
    if (span.status == TagStatus::kNotFound) return true;
    if (span.status == TagStatus::kEmptyForm) {
      pos = span.openEnd + 1;
    } else if (IsRewritableElement(scenarioText, span)) {
      pos = span.close;
    } else {
      return false;
    }
  }
}

// Every driver flag of the document 0, then consist m's own "PlayerDriver" 1. False when a flag
// could not be rewritten; the text may then be partly changed.
bool ResetDriverFlags(std::string& scenarioText, std::size_t consistRow) {
  if (!FlagsRewritable(scenarioText, "PlayerDriver") ||
      !FlagsRewritable(scenarioText, "PlayerControlled")) {
    return false;
  }
  if (!PutAllDetails(scenarioText, "PlayerDriver", "0").complete() ||
      !PutAllDetails(scenarioText, "PlayerControlled", "0").complete()) {
    return false;
  }
  // Found again: the resets may have changed the length of the text before the consist.
  const Result<TextRange> consist = FindConsistBlock(scenarioText, consistRow);
  if (!consist) return false;
  Pos pos = consist->first;
  return PutDetail(scenarioText, pos, "PlayerDriver", "1") == TagStatus::kFound;
}

}  // namespace

ConsistOutcome DriveIt(std::string& scenarioText, std::size_t consistRow,
                       std::optional<std::size_t> currentRow, Dialogs& dialogs) {
  ConsistOutcome outcome;
  if (!currentRow) {
    outcome.drivenLabel = std::string();
    dialogs.ShowMessage(std::string(kNothingToDrive));
    return outcome;
  }
  if (!CheckVehicleRows(scenarioText, consistRow, {*currentRow}, dialogs)) return outcome;
  const auto consist = ConsistForCommand(scenarioText, consistRow, dialogs);
  if (!consist) return outcome;
  const auto vehicle = VehicleForCommand(scenarioText, consistRow, *currentRow, dialogs);
  if (!vehicle) return outcome;
  // The flag must be the consist's own: one further on would hand the driver to a later consist.
  const ElementSpan own = ElementFinder("PlayerDriver").Find(scenarioText, consist->first);
  if (own.status != TagStatus::kFound || own.close >= consist->end()) {
    dialogs.ShowMessage(std::string(kNoDriverFlag));
    return outcome;
  }
  const std::string asBefore = scenarioText;
  const std::string label = ForDisplay(VehicleName(vehicle->In(scenarioText)), scenarioText);

  if (!ResetDriverFlags(scenarioText, consistRow)) {
    scenarioText = asBefore;
    dialogs.ShowMessage(std::string(kDriverFlagsUnclosed));
    return outcome;
  }
  outcome.drivenLabel = label;
  outcome.consistsChanged = true;
  outcome.ended = Outcome::Kind::kDone;
  dialogs.ShowMessage(std::string(kDriverUpdated), MessageIcon::Information);
  return outcome;
}

}  // namespace fennick
