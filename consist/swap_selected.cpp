#include "consist/swap_selected.h"

#include "consist/element_rewrite.h"
#include "consist/kind_check.h"
#include "consist/messages.h"
#include "consist/vehicle_rows.h"
#include "scenario/tag_scan.h"

namespace fennick {

namespace {

constexpr std::string_view kPlace = "Swap Selected Item(s)";

// The vehicle block with the stock written in: address and name from the block's start, then,
// again from its start, the running number (when one was drawn) and the mass.
Result<std::string> SwappedBlock(std::string block, const StockVehicle& stock,
                                 const MassAndNumberDraw& draw, std::size_t stockRow,
                                 std::string_view scenarioText) {
  const std::string oldName = VehicleName(block);
  std::string_view missing;
  auto put = [&](Pos& pos, std::string_view element, std::string_view value) {
    if (RewriteElement(block, pos, element, value)) return true;
    missing = element;
    return false;
  };
  auto lacking = [&] {
    return Error{"the vehicle " + ForDisplay(oldName, scenarioText) + " has no " +
                 std::string(missing) + " element"};
  };

  Pos pos = 1;
  if (!(put(pos, "Provider", stock.provider) && put(pos, "Product", stock.product) &&
        put(pos, "BlueprintID", stock.blueprintId) && put(pos, "Name", stock.name))) {
    return lacking();
  }
  const Result<MassAndNumber> drawn = draw(stockRow);
  if (!drawn) return Error{drawn.error()};
  pos = 1;
  if (!drawn->number.empty() && !put(pos, "UniqueNumber", drawn->number)) return lacking();
  if (!put(pos, "TotalMass", drawn->mass)) return lacking();
  return block;
}

}  // namespace

ConsistOutcome SwapSelectedItems(std::string& scenarioText, std::size_t consistRow,
                                 const std::vector<std::size_t>& selectedRows,
                                 const StockCatalogue& catalogue,
                                 std::optional<std::size_t> stockRow, const StockSource& source,
                                 Dialogs& dialogs) {
  return SwapSelectedItems(scenarioText, consistRow, selectedRows, catalogue, stockRow,
                           BlueprintDraw(source, catalogue), dialogs);
}

ConsistOutcome SwapSelectedItems(std::string& scenarioText, std::size_t consistRow,
                                 const std::vector<std::size_t>& selectedRows,
                                 const StockCatalogue& catalogue,
                                 std::optional<std::size_t> stockRow, const MassAndNumberDraw& draw,
                                 Dialogs& dialogs) {
  ConsistOutcome outcome;
  const std::vector<std::size_t> rows = AscendingRows(selectedRows);
  const auto stock =
      StockForSwap(scenarioText, consistRow, rows, catalogue, stockRow, kPlace, dialogs);
  if (!stock || !stockRow) return outcome;

  const std::string asBefore = scenarioText;
  for (std::size_t n : rows) {
    const auto range = VehicleForCommand(scenarioText, consistRow, n, dialogs);
    if (!range) {
      scenarioText = asBefore;
      return ConsistOutcome{};
    }
    const std::string_view block = range->In(scenarioText);
    if (const auto refusal = KindRefusal(catalogue.kind, block)) {
      dialogs.ShowMessage(std::string(*refusal));
      return outcome;
    }
    Result<std::string> swapped =
        SwappedBlock(std::string(block), *stock, draw, *stockRow, scenarioText);
    if (!swapped) {
      scenarioText = asBefore;
      dialogs.ShowMessage(CommandError(swapped.error(), kPlace));
      return ConsistOutcome{Outcome::Kind::kFailed, false, std::nullopt};
    }
    scenarioText.replace(IndexOf(range->first), range->length, *swapped);
    outcome.consistsChanged = true;
  }
  dialogs.ShowMessage(std::string(kRollingStockUpdated), MessageIcon::Information);
  outcome.ended = Outcome::Kind::kDone;
  return outcome;
}

}  // namespace fennick
