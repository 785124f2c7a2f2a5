#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>

#include "app/app_state.h"
#include "app/dialogs.h"
#include "consist/consist_command.h"
#include "scenario/editor_load.h"
#include "scenario/editor_session.h"
#include "ui/editor_step.h"
#include "ui/stock_run.h"

class QFileSystemModel;
class QUndoStack;

namespace fennick::ui {

class ConsistsFrame;
class MissingStockWindow;
class ScenarioFrame;
class StockFrame;
class VehiclesFrame;
class WeatherFrame;

// frmFennick: the scenario editor. It owns one opened scenario; every change of it is a step
// on the undo stack, and the scenario counts as modified while the stack is not clean.
class EditorWindow : public QMainWindow {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<void()> closeBrowser;   // the route browser goes with the editor
    std::function<void()> reloadBrowser;  // after a save: a new browser, freshly loaded
  };
  using StockRun = ui::StockRun;

  EditorWindow(AppState& state, Dialogs& dialogs, StockRun& stockRun, ScenarioSession session,
               const EditorView& view, Hooks hooks, QWidget* parent = nullptr);
  ~EditorWindow() override;

  static inline const QString kCaption = QStringLiteral("Scenario Editor");

  ScenarioSession& Session() { return session_; }
  QUndoStack* UndoStack() const { return undo_; }
  bool Modified() const;

  // Leaves the editor as "Exit" does: asks when there are unsaved changes, then closes the
  // browser and the editor.
  bool Leave();
  // Closes the editor alone (another scenario is about to open), with the same question.
  bool Dismiss();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildEditMenu();
  void BuildStockMenu();

  // The controls as they read now, and showing a step's controls (the document is already
  // as the step left it).
  EditorControls ReadControls() const;
  void ShowControls(const EditorControls& controls);
  void ShowVehicles(int consistRow);
  // Missing stock: the marks of every consist at load, then of the listed consist as it
  // changes, and the report of the document as it stands.
  InstalledStock& Installed();
  void MarkMissingStock(const std::vector<EditorConsist>& consists);
  void MarkListedVehicles(int consistRow);
  void ReportMissingStock();
  // Puts a finished change on the undo stack; nothing when nothing changed.
  void Record(const QString& name, EditorControls before, EditorControls after,
              TextChange change = {});
  // Box edits become steps when the box is left or Enter is pressed: one step per box.
  void CommitBoxEdits();

  // Commands.
  void RunConsistCommand(ConsistCommand command);
  void SetWeather();
  void ChooseType(bool timetable);
  void Save();
  void Clone();
  void Launch(int program);
  bool ConfirmLeaving();
  void CloseForGood();

  AppState& state_;
  Dialogs& dialogs_;
  ScenarioSession session_;
  Hooks hooks_;
  bool closingApproved_ = false;
  bool showingStep_ = false;
  QUndoStack* undo_ = nullptr;
  EditorControls committed_;  // the controls as the last step left them

  QFileSystemModel* folders_ = nullptr;
  ScenarioFrame* scenario_ = nullptr;
  ConsistsFrame* consists_ = nullptr;
  VehiclesFrame* vehicles_ = nullptr;
  WeatherFrame* weather_ = nullptr;
  StockFrame* stock_ = nullptr;
  MissingStockWindow* missingStock_ = nullptr;
};

}  // namespace fennick::ui
