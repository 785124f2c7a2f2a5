#include "browser/scenario_choice.h"

#include "browser/simulator_folders.h"

namespace fennick::browser {

bool ChooseScenarioRow(BrowserState& browser, int row) {
  if (row < 0 || row >= static_cast<int>(browser.scenarioIds.size()) ||
      browser.listedRouteFolder.isEmpty()) {
    return false;
  }
  browser.routeFolder = browser.listedRouteFolder;
  browser.scenarioFolder =
      ScenarioFolderPath(browser.routeFolder, browser.scenarioIds[row], browser.scenariosEncoding);
  return true;
}

}  // namespace fennick::browser
