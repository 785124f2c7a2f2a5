#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/dialogs.h"
#include "consist/consist_outcome.h"
#include "consist/stock_blueprint.h"
#include "consist/stock_catalogue.h"

namespace fennick {

// "Swap All Identical Stock": puts the chosen available-stock row in place of every vehicle of
// consist m whose name equals the name of the current vehicle row (letter case ignored). The
// kind check looks at the whole consist. Each vehicle gets its own running number. A failed
// blueprint or a vehicle lacking an element the swap writes leaves ScenarioText as it was.
ConsistOutcome SwapAllIdenticalStock(std::string& scenarioText, std::size_t consistRow,
                                     std::optional<std::size_t> currentRow,
                                     const StockCatalogue& catalogue,
                                     std::optional<std::size_t> stockRow, const StockSource& source,
                                     Dialogs& dialogs);

// The same with the draw of mass and number given.
ConsistOutcome SwapAllIdenticalStock(std::string& scenarioText, std::size_t consistRow,
                                     std::optional<std::size_t> currentRow,
                                     const StockCatalogue& catalogue,
                                     std::optional<std::size_t> stockRow,
                                     const MassAndNumberDraw& draw, Dialogs& dialogs);

}  // namespace fennick
