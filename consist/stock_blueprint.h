#pragma once

#include <QString>
#include <cstddef>
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

// Row `row` of the catalogue, encoded for the scenario document. Fails when the document's
// encoding cannot hold one of its characters.
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

// The stock row's blueprint file: RSPath\Assets\provider\product\ID, or without the product
// when the stock was gathered from a product folder (its IDs then begin with the product).
QString StockBlueprintFile(const QString& rsPath, const StockCatalogue& catalogue, std::size_t row);

// Mass and a fresh running number for one vehicle of the stock row; the converter's output is
// left in TempFiles under the blueprint's own file name.
Result<MassAndNumber> StockMassAndNumber(const StockSource& source, const StockCatalogue& catalogue,
                                         std::size_t row);

}  // namespace fennick
