// The editor's buttons that run the commands of the layers below.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "consist/weather.h"
#include "persist/clone_scenario.h"
#include "persist/launch.h"
#include "persist/save_scenario.h"
#include "ui/editor_window.h"

namespace fennick::ui {

void EditorWindow::SetWeather() {
  const QListWidgetItem* file = weatherFiles_->currentItem();
  const auto boxes = fennick::SetWeather(weatherFolder_, file ? file->text() : QString(), dialogs_);
  if (!boxes) return;
  SetBox(kBoxWeatherProvider, QString::fromStdString(boxes->provider));
  SetBox(kBoxWeatherProduct, QString::fromStdString(boxes->product));
  SetBox(kBoxWeatherBlueprint, QString::fromStdString(boxes->blueprintId));
}

void EditorWindow::Save() {
  SaveRequest request;
  request.boxes = Boxes();
  request.timetableChosen = timetable_->isChecked();
  request.changeAllConsists = allConsists_->isChecked();
  request.drivenCaption = driven_->text().toStdString();
  const SaveContext context{state_.paths.ProgramFolder(), state_.settings.rsPath};
  if (SaveScenario(context, session_, request, dialogs_) != CommandOutcome::kDone) return;
  save_->setEnabled(false);
  clone_->setEnabled(false);
  // Back to a freshly loaded browser: it lists what is now on disk.
  if (hooks_.closeBrowser) hooks_.closeBrowser();
  CloseForGood();
  if (hooks_.reloadBrowser) hooks_.reloadBrowser();
}

void EditorWindow::Clone() {
  CloneRequest request;
  request.boxes = Boxes();
  request.drivenCaption = driven_->text().toStdString();
  const SaveContext context{state_.paths.ProgramFolder(), state_.settings.rsPath};
  if (CloneScenario(context, session_, request, dialogs_).outcome != CommandOutcome::kDone) return;
  save_->setEnabled(false);
  clone_->setEnabled(false);
}

void EditorWindow::RunSimulatorProgram(int which) {
  const QString& rsPath = state_.settings.rsPath;
  const LaunchOutcome outcome = which == 0   ? RunSimulator(rsPath, dialogs_)
                                : which == 1 ? RunSimEditor(rsPath, dialogs_)
                                             : RunSimEditorWithLog(rsPath, dialogs_);
  if (outcome != LaunchOutcome::kStarted) return;
  // The person goes on in the simulator; nothing is saved and nothing is asked.
  if (hooks_.closeBrowser) hooks_.closeBrowser();
  CloseForGood();
}

void EditorWindow::GatherStock() {}
void EditorWindow::RunConsistCommand(int) {}

}  // namespace fennick::ui
