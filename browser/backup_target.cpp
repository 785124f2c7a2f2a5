#include "browser/backup_target.h"

#include "browser/simulator_folders.h"

namespace fennick::browser {

std::optional<BackupTarget> RouteIndexTarget(const QString& rsPath, const BrowserState& browser,
                                             std::optional<int> routeRow) {
  if (!routeRow || *routeRow < 0 || *routeRow >= static_cast<int>(browser.routeIds.size())) {
    return std::nullopt;
  }
  const QString folder =
      RouteFolderPath(rsPath, browser.routeIds[*routeRow], browser.routesEncoding);
  return BackupTarget{folder, "Scenarios", folder, {}};
}

std::optional<BackupTarget> ScenarioDocumentTarget(const BrowserState& browser,
                                                   const std::vector<int>& selectedRows) {
  std::optional<int> row;
  for (int selected : selectedRows) {
    if (selected >= 0 && selected < static_cast<int>(browser.scenarioIds.size())) row = selected;
  }
  if (!row || browser.listedRouteFolder.isEmpty()) return std::nullopt;
  const std::string& folderName = browser.scenarioIds[*row];
  const QString folder =
      ScenarioFolderPath(browser.listedRouteFolder, folderName, browser.scenariosEncoding);
  return BackupTarget{folder, "Scenario", browser.listedRouteFolder, folderName};
}

}  // namespace fennick::browser
