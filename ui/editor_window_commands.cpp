// The editor's buttons that run the commands of the layers below.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <QButtonGroup>
#include <QFileSystemModel>
#include <QTreeView>
#include <algorithm>
#include <optional>

#include "bridge/converter.h"
#include "consist/consist_command.h"
#include "consist/stock_gatherer.h"
#include "consist/weather.h"
#include "persist/clone_scenario.h"
#include "persist/launch.h"
#include "persist/save_scenario.h"
#include "ui/editor_window.h"
#include "ui/gather_progress_dialog.h"

namespace fennick::ui {

namespace {

// The row that stays current after a command changed the consist: the vehicle it acted on
// where that vehicle is still there, none where the rows it acted on were let go.
std::optional<std::size_t> RowAfter(ConsistCommand command, std::optional<std::size_t> current) {
  switch (command) {
    case ConsistCommand::kSwapAll:
    case ConsistCommand::kDuplicate:
    case ConsistCommand::kDriveIt:
      return current;
    case ConsistCommand::kDuplicateAtRear:
      // A copy of any vehicle but the first goes in front, moving the vehicle down a row.
      if (current && *current > 0) return *current + 1;
      return current;
    case ConsistCommand::kSwapSelected:
    case ConsistCommand::kDelete:
    case ConsistCommand::kLoad:
    case ConsistCommand::kUnload:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

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

void EditorWindow::GatherStock() {
  std::optional<std::string> kind;
  if (const int option = stockKinds_->checkedId(); option >= 0) {
    kind = std::string(kStockKinds[std::size_t(option)]);
  }
  const QString folder = folderModel_->filePath(stockFolders_->currentIndex());
  stock_->clear();
  const Converter converter(state_.paths.ProgramFolder(), state_.settings.rsPath);
  const StockGatherer gatherer(converter, stockRun_.cache);
  catalogue_.anyFolderAccepted = stockRun_.anyFolderAccepted;
  {
    GatherProgressDialog progress(this);
    gatherer.Gather(folder, kind, catalogue_, dialogs_, &progress);
  }
  stockRun_.anyFolderAccepted = catalogue_.anyFolderAccepted;
  for (const StockEntry& entry : catalogue_.entries)
    stock_->addItem(QString::fromStdString(entry.name));
}

void EditorWindow::RunConsistCommand(int command) {
  // With no consist chosen the vehicle list is empty, so every command meets an empty
  // selection and answers with its own message.
  const int consistRow = consists_->currentRow();
  const std::size_t m = consistRow >= 0 ? std::size_t(consistRow) : 0;
  const std::optional<std::size_t> current = HighlightedCurrentRow();
  std::vector<std::size_t> selected;
  for (const QListWidgetItem* item : vehicles_->selectedItems()) {
    selected.push_back(std::size_t(vehicles_->row(item)));
  }
  std::sort(selected.begin(), selected.end());
  const int stockRow = stock_->currentRow();
  const std::optional<std::size_t> chosenStock =
      stockRow >= 0 ? std::optional<std::size_t>(stockRow) : std::nullopt;
  const Converter converter(state_.paths.ProgramFolder(), state_.settings.rsPath);
  const StockSource source{converter, state_.settings.rsPath, stockRun_.random};

  const ConsistSelection selection{m, current, selected, chosenStock};
  const auto which = static_cast<ConsistCommand>(command);
  const ConsistOutcome outcome = fennick::RunConsistCommand(which, session_.scenarioText, selection,
                                                            catalogue_, source, dialogs_);
  if (outcome.consistsChanged) session_.consistsChanged = true;
  if (outcome.drivenLabel) driven_->setText(QString::fromStdString(*outcome.drivenLabel));
  if (consistRow < 0) return;
  const std::optional<std::size_t> next =
      outcome.consistsChanged ? RowAfter(which, current) : current;
  RefreshVehicles(next, outcome.consistsChanged ? std::vector<std::size_t>{} : selected);
}

}  // namespace fennick::ui
