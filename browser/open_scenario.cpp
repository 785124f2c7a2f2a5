#include "browser/open_scenario.h"

#include "bridge/paths.h"
#include "browser/simulator_folders.h"

namespace fennick {

Result<ScenarioSession> OpenScenario(const Converter& converter, const QString& routeFolder,
                                     const QString& scenarioFolder, const std::string& folderName) {
  return OpenScenario(converter, routeFolder, scenarioFolder, folderName, OpenOptions{});
}

Result<ScenarioSession> OpenScenario(const Converter& converter, const QString& routeFolder,
                                     const QString& scenarioFolder, const std::string& folderName,
                                     const OpenOptions& options) {
  ScenarioSession session;
  session.routeFolder = routeFolder.toStdString();
  session.scenarioFolder = scenarioFolder.toStdString();

  Result<std::string> converted = std::string();
  if (options.indexAsListed == nullptr) {
    converted = converter.BinToXml(JoinPath(routeFolder, "Scenarios.bin"), "Scenarios.xml");
    if (!converted) return Error{converted.error()};
  }
  auto cut =
      CutScenarioEntry(options.indexAsListed ? *options.indexAsListed : *converted, folderName);
  if (!cut) return Error{cut.error()};
  session.folderName = folderName;
  session.entryOnDisk = cut->entry;
  session.indexHead = std::move(cut->head);
  session.scenarioEntry = std::move(cut->entry);
  session.indexTail = std::move(cut->tail);

  auto document = converter.BinToXml(JoinPath(scenarioFolder, "Scenario.bin"), "Scenario.xml");
  if (!document) return Error{document.error()};
  if (options.keepTextAsRead) session.scenarioTextAsRead = *document;
  session.scenarioText = std::move(*document);
  return session;
}

Result<OpenedScenario> OpenListedScenario(const AppState& state, browser::BrowserState& browser,
                                          int row, const OpenOptions& options) {
  if (row < 0 || std::size_t(row) >= browser.scenarioIds.size()) {
    return Error{"You have not selected a Scenario?"};
  }
  const std::string& folderName = browser.scenarioIds[std::size_t(row)];
  const QString routeFolder = browser.listedRouteFolder;
  const QString scenarioFolder =
      browser::ScenarioFolderPath(routeFolder, folderName, browser.scenariosEncoding);
  const Converter converter(state.paths.ProgramFolder(), state.settings.rsPath);
  auto session = OpenScenario(converter, routeFolder, scenarioFolder, folderName, options);
  if (!session) return Error{session.error()};
  auto view = LoadEditor(*session);
  if (!view) return Error{view.error()};
  browser.routeFolder = routeFolder;
  browser.scenarioFolder = scenarioFolder;
  browser.scenariosText = session->indexHead + session->scenarioEntry + session->indexTail;
  return OpenedScenario{std::move(*session), std::move(*view)};
}

std::optional<int> ChooseScenarioToOpen(const std::vector<std::string>& scenarioIds,
                                        const std::vector<int>& selectedRows, Dialogs& dialogs) {
  if (scenarioIds.empty()) {
    dialogs.ShowMessage("No Scenarios were found.");
    return std::nullopt;
  }
  for (int row : selectedRows) {
    if (row >= 0 && std::size_t(row) < scenarioIds.size() &&
        !scenarioIds[std::size_t(row)].empty()) {
      return row;
    }
  }
  dialogs.ShowMessage("You have not selected a Scenario?");
  return std::nullopt;
}

}  // namespace fennick
