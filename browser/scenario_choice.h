#pragma once

#include "browser/browser_state.h"

namespace fennick::browser {

// A press on row `row` of the scenario list: RouteFolder becomes the route folder of the
// listing and ScenarioFolder that scenario's folder, whose saved games the browser then shows.
// False, changing nothing, when the row is not a row of the listing.
bool ChooseScenarioRow(BrowserState& browser, int row);

}  // namespace fennick::browser
