#include "browser/scenario_catalogue.h"

#include "bridge/converter.h"
#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "browser/display_text.h"
#include "browser/index_scan.h"
#include "browser/plain_names.h"
#include "browser/simulator_folders.h"

namespace fennick::browser {

namespace {

std::string CheckingFailed(const std::string& description) {
  return "An Error " + description + " occurred while\nchecking for Scenarios.";
}

void ForgetListing(BrowserState& browser) {
  browser.scenarioNames.clear();
  browser.scenarioIds.clear();
  browser.listedRouteFolder.clear();
  browser.listedIndexText.clear();
  browser.scenariosBinPath.clear();
}

// Why the entry cannot be listed, or the empty text when it can.
std::string Rejection(const QString& routeFolder, const IndexEntry& entry, TextEncoding encoding) {
  const std::string shown = MessageText(entry.folderName, encoding);
  // A name that is not a plain folder name is never made into a path: it is a missing folder.
  if (!IsPlainFolderName(entry.folderName)) return MissingScenarioFolderMessage(shown);
  QString folder = ScenarioFolderPath(routeFolder, entry.folderName, encoding);
  if (!FolderExists(folder)) return MissingScenarioFolderMessage(shown);
  if (!FileExists(JoinPath(folder, "Scenario.bin"))) return MissingScenarioBinMessage(shown);
  return {};
}

}  // namespace

std::string MissingScenarioFolderMessage(const std::string& folderName) {
  return "The Scenario Folder " + folderName + " listed in Scenarios.bin does not exist!";
}

std::string MissingScenarioBinMessage(const std::string& folderName) {
  return "There is no Scenario.bin file in the sub-folder\n" + folderName;
}

ListRows ListScenarios(const AppState& app, BrowserState& browser, std::optional<int> routeRow,
                       Dialogs& dialogs) {
  ForgetListing(browser);
  ListRows rows;
  if (!routeRow || *routeRow < 0 || *routeRow >= static_cast<int>(browser.routeIds.size())) {
    dialogs.ShowMessage(kNoRouteSelectedMessage);
    return rows;
  }

  const QString routeFolder =
      RouteFolderPath(app.settings.rsPath, browser.routeIds[*routeRow], browser.routesEncoding);
  browser.listedRouteFolder = routeFolder;
  browser.scenariosBinPath = JoinPath(routeFolder, "Scenarios.bin");

  const Converter converter(app.paths.ProgramFolder(), app.settings.rsPath);
  Result<std::string> index = converter.BinToXml(browser.scenariosBinPath, "Scenarios.xml");
  if (!index) {
    dialogs.ShowMessage(CheckingFailed(index.error()));
    return rows;
  }
  if (index->empty()) {
    dialogs.ShowMessage(CheckingFailed(
        "the converted index " + ShownPath(converter.ScratchPath("Scenarios.xml")) + " is empty"));
    return rows;
  }

  const TextEncoding encoding = DocumentEncoding(*index);
  browser.scenariosEncoding = encoding;
  for (const IndexEntry& entry : ScanIndexEntries(*index).entries) {
    if (const std::string why = Rejection(routeFolder, entry, encoding); !why.empty()) {
      dialogs.ShowMessage(why);
      continue;
    }
    browser.scenarioNames.push_back(entry.displayName);
    browser.scenarioIds.push_back(entry.folderName);
    rows.push_back(
        {DisplayText(entry.displayName, encoding), DisplayText(entry.folderName, encoding)});
  }
  if (rows.empty()) dialogs.ShowMessage(kNoScenariosMessage);
  browser.listedIndexText = std::move(*index);
  return rows;
}

}  // namespace fennick::browser
