#include "ui/program_windows.h"

#include "browser/open_scenario.h"
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

  auto opened = OpenListedScenario(state_, browser_, *row);
  if (!opened) {
    dialogs_.ShowMessage(opened.error());
    return;
  }

  EditorWindow::Hooks hooks;
  hooks.closeBrowser = [this] {
    if (routes_) routes_->close();
  };
  hooks.reloadBrowser = [this] { OpenBrowser(); };
  editor_ = new EditorWindow(state_, dialogs_, stockRun_, std::move(opened->session), opened->view,
                             std::move(hooks));
  editor_->show();
}

}  // namespace fennick::ui
