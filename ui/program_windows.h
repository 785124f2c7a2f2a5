#pragma once

#include <QPointer>
#include <vector>

#include "app/app_state.h"
#include "app/dialogs.h"
#include "browser/browser_state.h"
#include "ui/editor_window.h"
#include "ui/routes_window.h"

namespace fennick::ui {

// The program's windows after the start window: one route browser and at most one editor,
// with the state they share for the whole run.
class ProgramWindows {
 public:
  ProgramWindows(AppState& state, Dialogs& dialogs) : state_(state), dialogs_(dialogs) {}

  // A new route browser, freshly loaded (at Start, and again after a save).
  void OpenBrowser();
  // "Edit Selected Scenario" with the scenario list's selected rows, lowest first.
  void EditScenario(const std::vector<int>& selectedRows);

  RoutesWindow* Browser() const { return routes_; }
  EditorWindow* Editor() const { return editor_; }
  browser::BrowserState& BrowserState() { return browser_; }

 private:
  AppState& state_;
  Dialogs& dialogs_;
  browser::BrowserState browser_;
  EditorWindow::StockRun stockRun_;
  QPointer<RoutesWindow> routes_;
  QPointer<EditorWindow> editor_;
};

}  // namespace fennick::ui
