#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialogs.h"
#include "consist/installed_stock.h"
#include "scenario/editor_load.h"

namespace fennick {

// A vehicle of the scenario whose blueprint is not installed.
struct MissingVehicle {
  std::size_t consist = 0;  // rows as the editor lists them
  std::size_t vehicle = 0;
  std::string caption;  // the consist's caption as shown (UTF-8)
  std::string name;     // the vehicle's name as shown
  std::string address;  // Provider\Product\BlueprintID as shown
  QString file;         // the .bin it would be installed as
};

// The missing-stock report of a scenario: whether each vehicle of each consist is installed,
// and the ones that are not, in list order.
struct StockCheck {
  std::vector<std::vector<bool>> installed;
  std::vector<MissingVehicle> missing;
  std::size_t vehicleCount = 0;
};

StockCheck CheckStock(const std::vector<EditorConsist>& consists, std::string_view document,
                      InstalledStock& stock, Dialogs& dialogs);

// Provider\Product\BlueprintID of a vehicle as shown (UTF-8).
std::string StockAddress(const VehicleFields& vehicle, std::string_view document);

}  // namespace fennick
