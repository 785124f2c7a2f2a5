#pragma once

#include <optional>

#include "consist/classification_cache.h"
#include "consist/installed_stock.h"
#include "consist/uniform_source.h"

namespace fennick::ui {

// What lives for the whole run around the available stock: the blueprints already classified,
// the running-number draw, whether a folder not named RailVehicles was accepted, and which
// blueprints are installed (the Assets folders are read once a run).
struct StockRun {
  ClassificationCache cache;
  UnseededUniformSource random;
  bool anyFolderAccepted = false;
  std::optional<InstalledStock> installed;

  InstalledStock& InstalledBelow(const QString& rsPath) {
    if (!installed || installed->RsPath() != rsPath) installed.emplace(rsPath);
    return *installed;
  }
};

}  // namespace fennick::ui
