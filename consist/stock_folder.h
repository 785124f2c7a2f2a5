#pragma once

#include <QString>
#include <optional>
#include <string>

namespace fennick {

// The folder the stock is gathered from, split the way the blueprint addresses need it.
struct StockFolder {
  QString path;                      // the folder as given, without trailing separators
  std::string leaf;                  // its last component
  std::string product;               // the product folder the stock lies in
  std::string provider;              // the provider folder above it
  bool productFolderChosen = false;  // the folder is itself a product folder under Assets
};

// Splits a folder path ("\" or "/" separated). Normally the last three components are provider,
// product and leaf; when the provider would be "Assets" the folder is a product folder, so its
// parent is the provider and the folder itself the product. Nothing when the folder is too
// shallow to name a provider and a product (a drive letter does not count as a folder).
std::optional<StockFolder> SplitStockFolder(const QString& folderPath);

// Whether the folder carries the name the stock lives under ("RailVehicles", any case).
bool IsRailVehiclesFolder(const StockFolder& folder);

}  // namespace fennick
