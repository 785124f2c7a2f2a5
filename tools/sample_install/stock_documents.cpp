#include "tools/sample_install/stock_documents.h"

#include "tools/sample_install/delta_xml_writer.h"
#include "tools/sample_install/document_ids.h"

namespace fennick::sample {

namespace {

const char* RootRecordOf(VehicleKind kind) {
  switch (kind) {
    case VehicleKind::kEngine:
      return "cEngineBlueprint";
    case VehicleKind::kTender:
      return "cTenderBlueprint";
    case VehicleKind::kWagon:
      break;
  }
  return "cWagonBlueprint";
}

const char* RailVehicleTypeOf(VehicleKind kind) {
  switch (kind) {
    case VehicleKind::kEngine:
      return "eEngine";
    case VehicleKind::kTender:
      return "eTender";
    case VehicleKind::kWagon:
      break;
  }
  return "eWagon";
}

void BrowseInformation(DeltaXmlWriter& xml, const std::string& name) {
  xml.Open("BrowseInformation");
  xml.Open("iBlueprintLibrary-cBlueprintBrowseInformation");
  xml.Localised("DisplayName", InEnglish(name));
  xml.Value("Category", "cDeltaString", "eRailVehicles");
  xml.Close("iBlueprintLibrary-cBlueprintBrowseInformation");
  xml.Close("BrowseInformation");
}

std::string CsvFileText(const StockBlueprint& b) {
  if (b.numberList.empty()) return "";
  return b.provider + "\\" + b.product + "\\" + b.numberList;
}

}  // namespace

std::string VehicleBlueprintXml(const StockBlueprint& b) {
  DeltaXmlWriter xml(FirstIdFor(b.provider + b.path));
  xml.OpenRoot("cBlueprintLoader", false);
  xml.Open("Blueprint");
  xml.Open(RootRecordOf(b.kind));
  xml.Value("Name", "cDeltaString", b.name);
  BrowseInformation(xml, b.name);

  xml.Open("RailVehicleComponent");
  xml.Open("cRailVehicleComponentBlueprint");
  xml.Value("Type", "cDeltaString", RailVehicleTypeOf(b.kind));
  xml.Value("CsvFile", "cDeltaString", CsvFileText(b));
  xml.Float("Mass", b.mass);
  xml.Float("MaxSpeed", b.kind == VehicleKind::kEngine ? "33.5" : "26.8");
  xml.Float("Length", b.kind == VehicleKind::kEngine ? "21.4" : "15.2");
  xml.Close("cRailVehicleComponentBlueprint");
  xml.Close("RailVehicleComponent");

  if (b.kind == VehicleKind::kEngine) {
    xml.Open("EngineComponent");
    xml.Open("cEngineComponentBlueprint");
    xml.Value("EngineType", "cDeltaString", "e" + b.traction);
    xml.Float("MaxPower", b.traction == "Steam" ? "1.2" : "2.4");
    xml.Close("cEngineComponentBlueprint");
    xml.Close("EngineComponent");
  }
  if (b.carriesCargo) {
    xml.Open("CargoComponent");
    xml.Open("cCargoComponentBlueprint");
    xml.Value("CargoType", "cDeltaString", b.cargo);
    xml.Float("MaxCapacity", "54");
    xml.Close("cCargoComponentBlueprint");
    xml.Close("CargoComponent");
  }
  xml.Close(RootRecordOf(b.kind));
  xml.Close("Blueprint");
  xml.Close("cBlueprintLoader");
  return xml.Finish();
}

std::string NumberListXml(const StockBlueprint& b) {
  DeltaXmlWriter xml(FirstIdFor(b.provider + b.numberList));
  xml.OpenRoot("cCSVContainer", true);
  xml.Open("CSVItem");
  for (const std::string& number : b.numbers) {
    xml.OpenWithId("cCSVItem");
    xml.Float("X", "0");
    xml.Float("Y", "0");
    xml.Value("Name", "cDeltaString", number);
    xml.Close("cCSVItem");
  }
  xml.Close("CSVItem");
  xml.Close("cCSVContainer");
  return xml.Finish();
}

std::string WeatherBlueprintXml(const WeatherBlueprint& w) {
  DeltaXmlWriter xml(FirstIdFor(w.provider + w.path));
  xml.OpenRoot("cBlueprintLoader", false);
  xml.Open("Blueprint");
  xml.Open("cWeatherBlueprint");
  xml.Value("Name", "cDeltaString", w.name);
  xml.Open("BrowseInformation");
  xml.Open("iBlueprintLibrary-cBlueprintBrowseInformation");
  xml.Localised("DisplayName", InEnglish(w.name));
  xml.Value("Category", "cDeltaString", "eWeather");
  xml.Close("iBlueprintLibrary-cBlueprintBrowseInformation");
  xml.Close("BrowseInformation");
  xml.Float("CloudCover", w.cloudCover);
  xml.Float("Precipitation", w.precipitation);
  xml.Close("cWeatherBlueprint");
  xml.Close("Blueprint");
  xml.Close("cBlueprintLoader");
  return xml.Finish();
}

std::string AuxiliaryBlueprintXml(const AuxiliaryAsset& asset) {
  DeltaXmlWriter xml(FirstIdFor(asset.provider + asset.path));
  xml.OpenRoot("cBlueprintLoader", false);
  xml.Open("Blueprint");
  xml.Open(asset.rootTag);
  xml.Value("Name", "cDeltaString", asset.rootTag.substr(1));
  xml.Close(asset.rootTag);
  xml.Close("Blueprint");
  xml.Close("cBlueprintLoader");
  return xml.Finish();
}

}  // namespace fennick::sample
