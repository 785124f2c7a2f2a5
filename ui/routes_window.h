#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <vector>

#include "app/app_state.h"
#include "app/dialogs.h"
#include "browser/backup_target.h"
#include "browser/browser_state.h"
#include "browser/list_row.h"
#include "browser/saved_copies.h"

class QListWidget;
class QPushButton;
class QTreeWidget;

namespace fennick::ui {

// frmShowRoutes: the route browser. Its load lists the routes; its controls call the browser's
// commands with the rows selected and show what those commands return.
class RoutesWindow : public QMainWindow {
  Q_OBJECT
 public:
  RoutesWindow(AppState& state, browser::BrowserState& browser, Dialogs& dialogs,
               QWidget* parent = nullptr);

  static inline const QString kCaption = QStringLiteral("Select Route");

  // "Edit Selected Scenario": called with the selected rows of the scenario list, lowest first.
  using EditScenarioHandler = std::function<void(const std::vector<int>& selectedRows)>;
  void SetEditScenarioHandler(EditScenarioHandler handler) { editScenario_ = std::move(handler); }

  // The folder whose saved games the saved-copies list shows (empty before any).
  const QString& SavedCopiesFolder() const { return savedCopiesFolder_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ConnectEvents();
  void Load();

  void RouteClicked();
  void ListScenariosOfSelectedRoute();
  void ScenarioPressed(const QPoint& at);
  void EditSelectedScenario();
  void RevertRoute();
  void RevertScenario();
  void ShowRouteBackups();
  void ShowScenarioBackups();
  void ShowBackups(const std::optional<browser::BackupTarget>& target, const QString& caption,
                   const std::string& noChoice);
  void SaveCurrentSaveAs();
  void OverwriteCurrentSave();
  void RunRailSim();
  void RunRailSimEditor();

  void ShowSavedCopies(const QString& folder);
  void RefreshSavedCopies();
  std::optional<int> SelectedRouteRow() const;
  std::vector<int> SelectedScenarioRows() const;
  browser::SavedCopyChoice ChosenSavedCopy() const;

  AppState& state_;
  browser::BrowserState& browser_;
  Dialogs& dialogs_;
  EditScenarioHandler editScenario_;
  QString savedCopiesFolder_;
  bool movingByKey_ = false;  // a key is down on the route list

  QTreeWidget* routeList_ = nullptr;           // List1
  QTreeWidget* scenarioList_ = nullptr;        // List3
  QListWidget* savedCopies_ = nullptr;         // File2
  QPushButton* listScenarios_ = nullptr;       // Command1
  QPushButton* revertRoute_ = nullptr;         // Command2
  QPushButton* revertScenario_ = nullptr;      // Command3
  QPushButton* saveCurrentAs_ = nullptr;       // Command4
  QPushButton* overwriteCurrent_ = nullptr;    // Command5
  QPushButton* runRailSim_ = nullptr;          // Command6
  QPushButton* editScenarioButton_ = nullptr;  // Command7
  QPushButton* runRailSimEditor_ = nullptr;    // Command8
  QPushButton* exit_ = nullptr;                // Command9
  QPushButton* routeBackups_ = nullptr;        // cmdRouteBackups
  QPushButton* scenarioBackups_ = nullptr;     // cmdScenarioBackups
};

}  // namespace fennick::ui
