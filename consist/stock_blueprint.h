#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "bridge/converter.h"
#include "consist/mass_and_number.h"
#include "consist/stock_catalogue.h"
#include "consist/uniform_source.h"
#include "scenario/result.h"

namespace fennick {

// What the swaps need to read stock blueprints: the converter, the simulator folder and the
// draw of running numbers.
struct StockSource {
  const Converter& converter;
  QString rsPath;
  UniformSource& random;
};

// The four address and name texts a swap writes into a vehicle, in the document's encoding.
struct StockVehicle {
  std::string provider;
  std::string product;
  std::string blueprintId;
  std::string name;
};

// Row `row` of the catalogue, encoded for the scenario document. The blueprint ID is the one
// below the product folder, so that Provider, Product and BlueprintID together name the listed
// file also when the stock was gathered from a product folder (whose IDs begin with the product).
// Fails when the document's encoding cannot hold one of its characters.
Result<StockVehicle> StockVehicleFor(const StockCatalogue& catalogue, std::size_t row,
                                     std::string_view scenarioText);

// The checks both swaps make before they touch the document, in their order: a stock row is
// chosen, the vehicle rows lie in consist m, the stock's texts fit the document's encoding. The
// stock vehicle to write, or nothing after a message (`place` names the command in an error).
std::optional<StockVehicle> StockForSwap(std::string_view scenarioText, std::size_t consistRow,
                                         const std::vector<std::size_t>& rows,
                                         const StockCatalogue& catalogue,
                                         std::optional<std::size_t> stockRow,
                                         std::string_view place, Dialogs& dialogs);

// The stock row's blueprint file: RSPath\Assets\provider\product\ID, with the ID taken below
// the product folder as StockVehicleFor writes it.
QString StockBlueprintFile(const QString& rsPath, const StockCatalogue& catalogue, std::size_t row);

// Mass and a fresh running number for one vehicle of the stock row; the converter's output is
// left in TempFiles under the blueprint's own file name.
Result<MassAndNumber> StockMassAndNumber(const StockSource& source, const StockCatalogue& catalogue,
                                         std::size_t row);

// Mass and a fresh running number for one more vehicle of a stock row. The swaps draw through
// this, so their text edits can also run where no converter can (the consist fuzzer).
using MassAndNumberDraw = std::function<Result<MassAndNumber>(std::size_t row)>;

// StockMassAndNumber over the catalogue; both must outlive the draw.
MassAndNumberDraw BlueprintDraw(const StockSource& source, const StockCatalogue& catalogue);

}  // namespace fennick
