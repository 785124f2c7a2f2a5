#pragma once

#include <optional>

#include "app/app_state.h"
#include "app/dialogs.h"
#include "browser/browser_state.h"
#include "browser/list_row.h"

namespace fennick::browser {

// "List Scenarios in Selected Route" for row `routeRow` of the route list (nullopt: no route
// selected). Converts the route's Scenarios.bin to TempFiles\Scenarios.xml, lists every entry
// whose folder and Scenario.bin exist, and records the listing in `browser`. Entries it cannot
// list are reported one message each, in index order. A failed conversion is reported and lists
// nothing: an older Scenarios.xml is never read in its place.
ListRows ListScenarios(const AppState& app, BrowserState& browser, std::optional<int> routeRow,
                       Dialogs& dialogs);

// The messages of the listing.
std::string MissingScenarioFolderMessage(const std::string& folderName);
std::string MissingScenarioBinMessage(const std::string& folderName);
inline const std::string kNoScenariosMessage = "No Scenarios were found for this route.";
inline const std::string kNoRouteSelectedMessage = "You have not selected a Route.";

}  // namespace fennick::browser
