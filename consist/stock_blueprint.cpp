#include "consist/stock_blueprint.h"

#include "scenario/xml_text.h"

#include "consist/blueprint_path.h"
#include "scenario/text_codec.h"

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

}  // namespace fennick
