#include "consist/stock_blueprint.h"

#include "consist/blueprint_path.h"
#include "consist/messages.h"
#include "consist/vehicle_rows.h"
#include "scenario/text_codec.h"
#include "scenario/xml_text.h"

namespace fennick {

namespace {

QString Q(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

}  // namespace

Result<StockVehicle> StockVehicleFor(const StockCatalogue& catalogue, std::size_t row,
                                     std::string_view scenarioText) {
  const TextEncoding encoding = DocumentEncoding(scenarioText);
  StockVehicle vehicle;
  const std::pair<const std::string*, std::string*> texts[] = {
      {&catalogue.provider, &vehicle.provider},
      {&catalogue.product, &vehicle.product},
      {&catalogue.entries[row].blueprintId, &vehicle.blueprintId},
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
  const QString id = Q(catalogue.entries[row].blueprintId);
  if (catalogue.productFolderChosen) {
    return WithBinEnding(rsPath + "\\Assets\\" + Q(catalogue.provider) + "\\" + id);
  }
  return BlueprintFilePath(rsPath, Q(catalogue.provider), Q(catalogue.product), id);
}

Result<MassAndNumber> StockMassAndNumber(const StockSource& source, const StockCatalogue& catalogue,
                                         std::size_t row) {
  const QString id = Q(catalogue.entries[row].blueprintId);
  const QString xmlName = id.mid(id.lastIndexOf('\\') + 1);
  return GetMassAndNumber(source.converter, source.rsPath,
                          StockBlueprintFile(source.rsPath, catalogue, row), xmlName,
                          source.random);
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
