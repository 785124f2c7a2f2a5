#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fennick {

// The kind options of the available-stock frame, by option index 0 to 7.
inline constexpr std::array<std::string_view, 8> kStockKinds = {
    "Diesel", "Electric", "Steam", "Passenger", "Freight", "Tender", "DMU", "EMU"};

// The caption of a kind option given in any letter case; nothing for an unknown kind.
std::optional<std::string> StockKindCaption(std::string_view kind);

// One row of the available-stock list.
struct StockEntry {
  std::string name;         // vehicle name, UTF-8
  std::string blueprintId;  // "\"-separated, ending ".xml", UTF-8 (as a scenario stores it)
  bool operator==(const StockEntry&) const = default;
};

// The available-stock catalogue as the last gathering left it. The swaps read the kind,
// provider, product and product-folder flag kept here, whatever the window shows now.
struct StockCatalogue {
  std::string kind;      // StockKind: caption of the chosen option, empty until one is chosen
  std::string leaf;      // StockFolderLeaf: last component of the gathered folder
  std::string product;   // StockProduct
  std::string provider;  // StockProvider
  bool productFolderChosen = false;
  // Set once the user accepts a folder not named RailVehicles; never cleared again, so its
  // owner should keep it for the whole run.
  bool anyFolderAccepted = false;
  std::vector<StockEntry> entries;  // rows of the list, in the walk's order
};

}  // namespace fennick
