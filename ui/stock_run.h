#pragma once

#include "consist/classification_cache.h"
#include "consist/uniform_source.h"

namespace fennick::ui {

// What lives for the whole run around the available stock: the blueprints already classified,
// the running-number draw and whether a folder not named RailVehicles was accepted.
struct StockRun {
  ClassificationCache cache;
  UnseededUniformSource random;
  bool anyFolderAccepted = false;
};

}  // namespace fennick::ui
