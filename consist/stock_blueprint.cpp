#include "consist/stock_blueprint.h"

#include "consist/blueprint_path.h"
#include "consist/messages.h"
#include "consist/vehicle_rows.h"
#include "scenario/text_codec.h"
#include "scenario/text_search.h"
#include "scenario/xml_text.h"

namespace fennick {

namespace {

QString Q(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

// The row's blueprint ID below its product folder, as a scenario addresses a blueprint next to
// its Provider and Product. Gathered from a product folder, the listed ID begins with that
// folder's own name, which the Product element already names.
std::string IdBelowProduct(const StockCatalogue& catalogue, std::size_t row) {
  const std::string& id = catalogue.entries[row].blueprintId;
  if (!catalogue.productFolderChosen) return id;
  const std::string head = catalogue.product + "\\";
  if (id.size() > head.size() && EqualsNoCase(std::string_view(id).substr(0, head.size()), head)) {
    return id.substr(head.size());
  }
  return id;
}

}  // namespace

Result<StockVehicle> StockVehicleFor(const StockCatalogue& catalogue, std::size_t row,
                                     std::string_view scenarioText) {
  const TextEncoding encoding = DocumentEncoding(scenarioText);
  const std::string idBelowProduct = IdBelowProduct(catalogue, row);
  StockVehicle vehicle;
  const std::pair<const std::string*, std::string*> texts[] = {
      {&catalogue.provider, &vehicle.provider},
      {&catalogue.product, &vehicle.product},
      {&idBelowProduct, &vehicle.blueprintId},
      {&catalogue.entries[row].name, &vehicle.name}};
  for (const auto& [utf8, encoded] : texts) {
    Result<std::string> bytes = TextForDocument(*utf8, encoding);
    if (!bytes) return Error{bytes.error()};
    *encoded = std::move(*bytes);
  }
  return vehicle;
}

QString StockBlueprintFile(const QString& rsPath, const StockCatalogue& catalogue,
                           std::size_t row) {
  return BlueprintFilePath(rsPath, Q(catalogue.provider), Q(catalogue.product),
                           Q(IdBelowProduct(catalogue, row)));
}

Result<MassAndNumber> StockMassAndNumber(const StockSource& source, const StockCatalogue& catalogue,
                                         std::size_t row) {
  const QString id = Q(catalogue.entries[row].blueprintId);
  const QString xmlName = id.mid(id.lastIndexOf('\\') + 1);
  return GetMassAndNumber(source.converter, source.rsPath,
                          StockBlueprintFile(source.rsPath, catalogue, row), xmlName,
                          source.random);
}

MassAndNumberDraw BlueprintDraw(const StockSource& source, const StockCatalogue& catalogue) {
  return
      [&source, &catalogue](std::size_t row) { return StockMassAndNumber(source, catalogue, row); };
}

std::optional<StockVehicle> StockForSwap(std::string_view scenarioText, std::size_t consistRow,
                                         const std::vector<std::size_t>& rows,
                                         const StockCatalogue& catalogue,
                                         std::optional<std::size_t> stockRow,
                                         std::string_view place, Dialogs& dialogs) {
  if (!stockRow || *stockRow >= catalogue.entries.size()) {
    dialogs.ShowMessage(std::string(kNoStockRowChosen));
    return std::nullopt;
  }
  if (!CheckVehicleRows(scenarioText, consistRow, rows, dialogs)) return std::nullopt;
  Result<StockVehicle> stock = StockVehicleFor(catalogue, *stockRow, scenarioText);
  if (!stock) {
    dialogs.ShowMessage(CommandError(stock.error(), place));
    return std::nullopt;
  }
  return std::move(*stock);
}

}  // namespace fennick
