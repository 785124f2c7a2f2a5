#pragma once

#include <string>

#include "tools/sample_install/sample_catalogue.h"

namespace fennick::sample {

// XML texts of the asset files, as the converter would write them (Windows-1252, CR LF).
std::string VehicleBlueprintXml(const StockBlueprint& blueprint);
std::string NumberListXml(const StockBlueprint& blueprint);  // the plain-text .dcsv
std::string WeatherBlueprintXml(const WeatherBlueprint& weather);
std::string AuxiliaryBlueprintXml(const AuxiliaryAsset& asset);

}  // namespace fennick::sample
