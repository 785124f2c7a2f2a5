#include "consist/swap_all.h"

#include "consist/element_rewrite.h"
#include "consist/kind_check.h"
#include "consist/messages.h"
#include "consist/vehicle_rows.h"
#include "scenario/consist_locate.h"
#include "scenario/tag_scan.h"
#include "scenario/text_search.h"

namespace fennick {

namespace {

constexpr std::string_view kPlace = "Swap All Identical Stock";
constexpr std::string_view kVehicleOpen = "<cOwnedEntity";

// The block with the stock written in, from its start: number (when one was drawn), mass,
// address and name. Each search stays inside the block, so a vehicle lacking an element never
// borrows the next vehicle's.
Status RewriteVehicle(std::string& block, const StockVehicle& stock, const MassAndNumber& drawn,
                      std::string_view scenarioText) {
  Pos pos = 1;
  std::string_view missing;
  auto put = [&](std::string_view element, std::string_view value) {
    if (RewriteElement(block, pos, element, value)) return true;
    missing = element;
    return false;
  };
  if ((drawn.number.empty() || put("UniqueNumber", drawn.number)) && put("TotalMass", drawn.mass) &&
      put("Provider", stock.provider) && put("Product", stock.product) &&
      put("BlueprintID", stock.blueprintId) && put("Name", stock.name)) {
    return Ok();
  }
  return Error{"the vehicle " + ForDisplay(VehicleName(block), scenarioText) + " has no " +
               std::string(missing) + " element"};
}

// Rewrites every vehicle named `target` inside the consist text; an error leaves it half done,
// so the caller keeps the document's own copy.
Status SwapNamedVehicles(std::string& consist, std::string_view target, const StockVehicle& stock,
                         const MassAndNumberDraw& draw, std::size_t stockRow,
                         std::string_view scenarioText) {
  for (Pos start = FindNoCase(consist, kVehicleOpen, 1); start != kNotFound;
       start = FindNoCase(consist, kVehicleOpen, start + 1)) {
    // The caller has checked every block; one left unclosed by a rewrite stops the swap.
    const std::optional<TextRange> range = VehicleBlockAt(consist, start);
    if (!range) return Error{"a vehicle block of the consist has no closing tag"};
    const std::size_t length = range->length;
    std::string block(range->In(consist));
    Pos namePos = 1;
    std::string name;
    const TagStatus named = GetDetail(block, namePos, "Name", name);
    if (named != TagStatus::kFound && named != TagStatus::kEmptyForm) continue;
    if (!EqualsNoCase(name, target)) continue;

    const Result<MassAndNumber> drawn = draw(stockRow);
    if (!drawn) return Error{drawn.error()};
    if (Status rewritten = RewriteVehicle(block, stock, *drawn, scenarioText); !rewritten) {
      return rewritten;
    }
    consist.replace(IndexOf(start), length, block);
  }
  return Ok();
}

}  // namespace

ConsistOutcome SwapAllIdenticalStock(std::string& scenarioText, std::size_t consistRow,
                                     std::optional<std::size_t> currentRow,
                                     const StockCatalogue& catalogue,
                                     std::optional<std::size_t> stockRow, const StockSource& source,
                                     Dialogs& dialogs) {
  return SwapAllIdenticalStock(scenarioText, consistRow, currentRow, catalogue, stockRow,
                               BlueprintDraw(source, catalogue), dialogs);
}

ConsistOutcome SwapAllIdenticalStock(std::string& scenarioText, std::size_t consistRow,
                                     std::optional<std::size_t> currentRow,
                                     const StockCatalogue& catalogue,
                                     std::optional<std::size_t> stockRow,
                                     const MassAndNumberDraw& draw, Dialogs& dialogs) {
  ConsistOutcome outcome;
  std::vector<std::size_t> rows;
  if (currentRow) rows.push_back(*currentRow);
  const auto stock =
      StockForSwap(scenarioText, consistRow, rows, catalogue, stockRow, kPlace, dialogs);
  if (!stock || !stockRow) return outcome;
  // Every block is walked, so every block must be whole before anything changes.
  if (!CheckVehicleRows(scenarioText, consistRow, EveryVehicleRow(scenarioText, consistRow),
                        dialogs)) {
    return outcome;
  }
  const auto range = ConsistForCommand(scenarioText, consistRow, dialogs);
  if (!range) return outcome;
  std::string consist(range->In(scenarioText));
  // No current row leaves the target empty: no named vehicle matches it.
  std::string target;
  if (currentRow) {
    const auto vehicle = VehicleForCommand(scenarioText, consistRow, *currentRow, dialogs);
    if (!vehicle) return outcome;
    target = VehicleName(vehicle->In(scenarioText));
  }
  if (const auto refusal = KindRefusal(catalogue.kind, consist)) {
    dialogs.ShowMessage(std::string(*refusal));
    return outcome;
  }
  if (Status swapped = SwapNamedVehicles(consist, target, *stock, draw, *stockRow, scenarioText);
      !swapped) {
    dialogs.ShowMessage(CommandError(swapped.error(), kPlace));
    outcome.ended = Outcome::Kind::kFailed;
    return outcome;
  }
  scenarioText.replace(IndexOf(range->first), range->length, consist);
  outcome.consistsChanged = true;
  outcome.ended = Outcome::Kind::kDone;
  dialogs.ShowMessage(std::string(kRollingStockUpdated), MessageIcon::Information);
  return outcome;
}

}  // namespace fennick
