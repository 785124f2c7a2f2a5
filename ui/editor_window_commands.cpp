// The editor's commands: consist commands, weather and type steps, save, clone and launch.
#include <QUndoStack>

#include "app/editor_questions.h"
#include "bridge/converter.h"
#include "consist/weather.h"
#include "persist/clone_scenario.h"
#include "persist/launch.h"
#include "persist/save_scenario.h"
#include "ui/consists_frame.h"
#include "ui/editor_window.h"
#include "ui/scenario_frame.h"
#include "ui/stock_frame.h"
#include "ui/vehicles_frame.h"
#include "ui/weather_frame.h"

namespace fennick::ui {

namespace {

// The rows highlighted after a command changed the consist: the vehicle it acted on where that
// vehicle is still there, none where the rows it acted on were let go.
VehicleRows RowsAfter(ConsistCommand command, const VehicleRows& before) {
  const std::optional<std::size_t> current = before.current;
  switch (command) {
    case ConsistCommand::kSwapAll:
    case ConsistCommand::kDuplicate:
    case ConsistCommand::kDriveIt:
      break;
    case ConsistCommand::kDuplicateAtRear:
      // A copy of any vehicle but the first goes in front, moving the vehicle down a row.
      if (current && *current > 0) return {*current + 1, {*current + 1}};
      break;
    case ConsistCommand::kSwapSelected:
    case ConsistCommand::kDelete:
    case ConsistCommand::kLoad:
    case ConsistCommand::kUnload:
      return {};
  }
  if (!current) return {};
  return {current, {*current}};
}

}  // namespace

void EditorWindow::RunConsistCommand(ConsistCommand command) {
  CommitBoxEdits();
  EditorControls before = ReadControls();
  // With no consist chosen the vehicle list is empty, so every command meets an empty
  // selection and answers with its own message.
  const std::size_t m = before.consistRow >= 0 ? std::size_t(before.consistRow) : 0;
  const Converter converter(state_.paths.ProgramFolder(), state_.settings.rsPath);
  const StockSource source{converter, state_.settings.rsPath, stock_->Run().random};
  const ConsistSelection selection{m, before.vehicleRows.current, before.vehicleRows.selected,
                                   stock_->ChosenRow()};

  const std::string original = session_.scenarioText;
  const ConsistOutcome outcome = fennick::RunConsistCommand(
      command, session_.scenarioText, selection, stock_->Catalogue(), source, dialogs_);
  if (outcome.drivenLabel) consists_->SetDrivenCaption(*outcome.drivenLabel);
  TextChange change = ChangeBetween(original, session_.scenarioText);
  if (change.empty()) {
    committed_.drivenCaption = consists_->DrivenCaption();
    return;
  }
  ShowVehicles(before.consistRow);
  vehicles_->SetRows(RowsAfter(command, before.vehicleRows));
  Record(ConsistCommandCaption(command), before, ReadControls(), std::move(change));
}

void EditorWindow::SetWeather() {
  CommitBoxEdits();
  const auto boxes = fennick::SetWeather(weather_->Folder(), weather_->ChosenFile(), dialogs_);
  if (!boxes) return;
  scenario_->SetBox(kBoxWeatherProvider, boxes->provider);
  scenario_->SetBox(kBoxWeatherProduct, boxes->product);
  scenario_->SetBox(kBoxWeatherBlueprint, boxes->blueprintId);
  Record(tr("Set Weather"), committed_, ReadControls());
}

void EditorWindow::ChooseType(bool timetable) {
  CommitBoxEdits();
  // Choosing timetable warns first; Cancel keeps the standard type.
  if (timetable && !ConfirmTimetableChoice(state_.settings, dialogs_)) timetable = false;
  scenario_->SetTimetable(timetable);
  Record(timetable ? tr("Timetable Scenario") : tr("Standard Scenario"), committed_,
         ReadControls());
}

void EditorWindow::Save() {
  CommitBoxEdits();
  SaveRequest request;
  request.boxes = committed_.boxes;
  request.timetableChosen = committed_.timetable;
  request.changeAllConsists = committed_.allConsists;
  request.drivenCaption = committed_.drivenCaption;
  const SaveContext context{state_.paths.ProgramFolder(), state_.settings.rsPath};
  if (SaveScenario(context, session_, request, dialogs_) != CommandOutcome::kDone) return;
  undo_->setClean();
  scenario_->DisableSaving();
  // Back to a freshly loaded browser: it lists what is now on disk.
  if (hooks_.closeBrowser) hooks_.closeBrowser();
  CloseForGood();
  if (hooks_.reloadBrowser) hooks_.reloadBrowser();
}

void EditorWindow::Clone() {
  CommitBoxEdits();
  CloneRequest request;
  request.boxes = committed_.boxes;
  request.drivenCaption = committed_.drivenCaption;
  const SaveContext context{state_.paths.ProgramFolder(), state_.settings.rsPath};
  if (CloneScenario(context, session_, request, dialogs_).outcome != CommandOutcome::kDone) return;
  // What was changed now lives in the clone; leaving asks nothing more.
  undo_->setClean();
  scenario_->DisableSaving();
}

void EditorWindow::Launch(int program) {
  const QString& rsPath = state_.settings.rsPath;
  const LaunchOutcome outcome = program == 0   ? RunSimulator(rsPath, dialogs_)
                                : program == 1 ? RunSimEditor(rsPath, dialogs_)
                                               : RunSimEditorWithLog(rsPath, dialogs_);
  if (outcome != LaunchOutcome::kStarted) return;
  // The person goes on in the simulator; nothing is saved and nothing is asked.
  if (hooks_.closeBrowser) hooks_.closeBrowser();
  CloseForGood();
}

}  // namespace fennick::ui
