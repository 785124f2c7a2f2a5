#include "consist/missing_stock.h"

namespace fennick {

std::string StockAddress(const VehicleFields& vehicle, std::string_view document) {
  return ShownText(vehicle.provider, document) + '\\' + ShownText(vehicle.product, document) +
         '\\' + ShownText(vehicle.blueprint, document);
}

StockCheck CheckStock(const std::vector<EditorConsist>& consists, std::string_view document,
                      InstalledStock& stock, Dialogs& dialogs) {
  StockCheck check;
  check.installed.reserve(consists.size());
  for (std::size_t c = 0; c < consists.size(); ++c) {
    const std::vector<VehicleFields>& vehicles = consists[c].vehicles;
    std::vector<bool>& installed = check.installed.emplace_back(vehicles.size());
    for (std::size_t v = 0; v < vehicles.size(); ++v) {
      installed[v] = stock.IsInstalled(vehicles[v], document, dialogs);
      if (installed[v]) continue;
      check.missing.push_back({c, v, consists[c].caption, ShownText(vehicles[v].name, document),
                               StockAddress(vehicles[v], document),
                               stock.ExpectedFile(vehicles[v], document)});
    }
    check.vehicleCount += vehicles.size();
  }
  return check;
}

}  // namespace fennick
