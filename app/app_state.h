#pragma once

#include "app/app_paths.h"
#include "app/settings.h"

namespace fennick {

// What lives for the whole run and is shared by the windows.
struct AppState {
  AppPaths paths;
  Settings settings;
};

}  // namespace fennick
