#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "consist/consist_outcome.h"
#include "consist/stock_blueprint.h"
#include "consist/stock_catalogue.h"

namespace fennick {

// "Swap Selected Item(s)": puts the chosen available-stock row in place of every selected
// vehicle of consist m. Each vehicle gets the stock's provider, product, blueprint ID and name,
// then a freshly drawn running number (when the stock has a number list) and its mass.
// A vehicle refused by the kind check stops the command; vehicles before it keep their swap. A
// failed blueprint or a vehicle lacking an element the swap writes leaves ScenarioText exactly
// as it was before the command.
ConsistOutcome SwapSelectedItems(std::string& scenarioText, std::size_t consistRow,
                                 const std::vector<std::size_t>& selectedRows,
                                 const StockCatalogue& catalogue,
                                 std::optional<std::size_t> stockRow, const StockSource& source,
                                 Dialogs& dialogs);

// The same with the draw of mass and number given.
ConsistOutcome SwapSelectedItems(std::string& scenarioText, std::size_t consistRow,
                                 const std::vector<std::size_t>& selectedRows,
                                 const StockCatalogue& catalogue,
                                 std::optional<std::size_t> stockRow, const MassAndNumberDraw& draw,
                                 Dialogs& dialogs);

}  // namespace fennick
