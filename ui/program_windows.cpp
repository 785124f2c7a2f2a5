#include "ui/program_windows.h"

#include "bridge/converter.h"
#include "browser/open_scenario.h"
#include "browser/simulator_folders.h"
#include "scenario/editor_load.h"
#include "ui/editor_window.h"
#include "ui/routes_window.h"

namespace fennick::ui {

void ProgramWindows::OpenBrowser() {
  routes_ = new RoutesWindow(state_, browser_, dialogs_);
  routes_->SetEditScenarioHandler([this](const std::vector<int>& rows) { EditScenario(rows); });
  routes_->show();
}

void ProgramWindows::EditScenario(const std::vector<int>& selectedRows) {
  const auto row = ChooseScenarioToOpen(browser_.scenarioIds, selectedRows, dialogs_);
  if (!row) return;
  // One editor at a time: the open one goes first, with its question about unsaved changes.
  if (editor_ && !editor_->Dismiss()) return;

  const std::string& folderName = browser_.scenarioIds[std::size_t(*row)];
  const QString routeFolder = browser_.listedRouteFolder;
  const QString scenarioFolder =
      browser::ScenarioFolderPath(routeFolder, folderName, browser_.scenariosEncoding);
  const Converter converter(state_.paths.ProgramFolder(), state_.settings.rsPath);
  auto session = OpenScenario(converter, routeFolder, scenarioFolder, folderName);
  if (!session) {
    dialogs_.ShowMessage(session.error());
    return;
  }
  auto view = LoadEditor(*session);
  if (!view) {
    dialogs_.ShowMessage(view.error());
    return;
  }
  browser_.routeFolder = routeFolder;
  browser_.scenarioFolder = scenarioFolder;
  browser_.scenariosText = session->indexHead + session->scenarioEntry + session->indexTail;

  EditorWindow::Hooks hooks;
  hooks.closeBrowser = [this] {
    if (routes_) routes_->close();
  };
  hooks.reloadBrowser = [this] { OpenBrowser(); };
  editor_ = new EditorWindow(state_, dialogs_, std::move(*session), *view, std::move(hooks));
  editor_->show();
}

}  // namespace fennick::ui
