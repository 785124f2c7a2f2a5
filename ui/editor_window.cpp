#include "ui/editor_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "app/editor_questions.h"
#include "app/settings.h"
#include "app/version.h"
#include "bridge/paths.h"
#include "consist/missing_stock.h"
#include "ui/consists_frame.h"
#include "ui/missing_stock_window.h"
#include "ui/scenario_frame.h"
#include "ui/stock_frame.h"
#include "ui/vehicles_frame.h"
#include "ui/weather_frame.h"

namespace fennick::ui {

EditorWindow::EditorWindow(AppState& state, Dialogs& dialogs, StockRun& stockRun,
                           ScenarioSession session, const EditorView& view, Hooks hooks,
                           QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      dialogs_(dialogs),
      session_(std::move(session)),
      hooks_(std::move(hooks)) {
  setObjectName("frmFennick");
  setAttribute(Qt::WA_DeleteOnClose);
  // "[*]" shows a mark while the scenario has unsaved changes.
  setWindowTitle(CaptionWithVersion(kCaption, state_.settings.rsPath) + "[*]");

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  const QString assets = NativePath(JoinPath(state_.settings.rsPath, "Assets"));
  folders_->setRootPath(assets);

  scenario_ = new ScenarioFrame(view, this);
  consists_ = new ConsistsFrame(view, this);
  vehicles_ = new VehiclesFrame(view, this);
  const QString weather =
      JoinPath(JoinPath(JoinPath(assets, QString::fromStdString(view.boxes[kBoxWeatherProvider])),
                        QString::fromStdString(view.boxes[kBoxWeatherProduct])),
               "Weather");
  weather_ = new WeatherFrame(folders_, NativePath(weather), this);
  stock_ = new StockFrame(state_, dialogs_, stockRun, folders_, this);

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  // Right of the scenario frame the columns share the width 24 : 37.5 : 37.5; consists and
  // weather stand one above the other in the narrow one.
  columns->addWidget(scenario_, 0);
  auto* middle = new QVBoxLayout;
  middle->addWidget(consists_, 3);
  middle->addWidget(weather_, 2);
  columns->addLayout(middle, 240);
  columns->addWidget(vehicles_, 375);
  columns->addWidget(stock_, 375);
  setCentralWidget(central);
  const QRect screenSpace = screen()->availableGeometry();
  resize(std::min(1500, screenSpace.width()), std::min(800, screenSpace.height()));

  undo_ = new QUndoStack(this);
  connect(undo_, &QUndoStack::cleanChanged, this,
          [this](bool clean) { setWindowModified(!clean); });
  BuildEditMenu();
  BuildStockMenu();
  committed_ = ReadControls();
  MarkMissingStock(view.consists);

  connect(consists_, &ConsistsFrame::consistChosen, this, &EditorWindow::ShowVehicles);
  connect(vehicles_, &VehiclesFrame::commandRequested, this, &EditorWindow::RunConsistCommand);
  connect(weather_, &WeatherFrame::setWeatherRequested, this, &EditorWindow::SetWeather);
  connect(scenario_, &ScenarioFrame::returnPressed, this, &EditorWindow::CommitBoxEdits);
  connect(qApp, &QApplication::focusChanged, this, &EditorWindow::CommitBoxEdits);
  connect(scenario_, &ScenarioFrame::typePressed, this, &EditorWindow::ChooseType);
  connect(scenario_, &ScenarioFrame::allConsistsClicked, this,
          [this] { Record(tr("Change for all consists"), committed_, ReadControls()); });
  connect(scenario_, &ScenarioFrame::saveRequested, this, &EditorWindow::Save);
  connect(scenario_, &ScenarioFrame::cloneRequested, this, &EditorWindow::Clone);
  connect(scenario_, &ScenarioFrame::exitRequested, this, [this] { Leave(); });
  connect(scenario_, &ScenarioFrame::launchRequested, this, &EditorWindow::Launch);
}

EditorWindow::~EditorWindow() {
  // Focus moves while the frames are torn down; there is nothing left to commit.
  disconnect(qApp, nullptr, this, nullptr);
}

void EditorWindow::BuildEditMenu() {
  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  QAction* undo = undo_->createUndoAction(this, tr("Undo"));
  undo->setObjectName("actionUndo");
  undo->setShortcuts(QKeySequence::Undo);
  QAction* redo = undo_->createRedoAction(this, tr("Redo"));
  redo->setObjectName("actionRedo");
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit->addAction(undo);
  edit->addAction(redo);
}

void EditorWindow::BuildStockMenu() {
  QMenu* stock = menuBar()->addMenu(tr("&Stock"));
  QAction* missing = stock->addAction(tr("Missing Stock..."));
  missing->setObjectName("actionMissingStock");
  missing->setToolTip(tr("List the vehicles whose rolling stock is not installed."));
  connect(missing, &QAction::triggered, this, &EditorWindow::ReportMissingStock);
}

InstalledStock& EditorWindow::Installed() {
  return stock_->Run().InstalledBelow(state_.settings.rsPath);
}

void EditorWindow::MarkMissingStock(const std::vector<EditorConsist>& consists) {
  const StockCheck check = CheckStock(consists, session_.scenarioText, Installed(), dialogs_);
  for (std::size_t c = 0; c < check.installed.size(); ++c) {
    const auto& installed = check.installed[c];
    consists_->MarkMissingStock(int(c),
                                std::size_t(std::count(installed.begin(), installed.end(), false)));
  }
}

void EditorWindow::MarkListedVehicles(int consistRow) {
  if (consistRow < 0) return;
  const std::vector<VehicleFields>& vehicles = vehicles_->Shown();
  std::size_t missing = 0;
  for (std::size_t v = 0; v < vehicles.size(); ++v) {
    if (Installed().IsInstalled(vehicles[v], session_.scenarioText, dialogs_)) continue;
    vehicles_->MarkNotInstalled(v, Installed().ExpectedFile(vehicles[v], session_.scenarioText));
    ++missing;
  }
  // Commands change only the listed consist, so its mark is the only one that can move.
  consists_->MarkMissingStock(consistRow, missing);
}

void EditorWindow::ReportMissingStock() {
  CommitBoxEdits();
  const auto consists = ReadConsists(session_.scenarioText);
  if (!consists) {
    dialogs_.ShowMessage(consists.error());
    return;
  }
  const StockCheck check = CheckStock(*consists, session_.scenarioText, Installed(), dialogs_);
  if (check.missing.empty()) {
    dialogs_.ShowMessage(
        "All " + std::to_string(check.vehicleCount) + " vehicles of this scenario are installed.",
        MessageIcon::Information);
    return;
  }
  if (!missingStock_) missingStock_ = new MissingStockWindow(this);
  missingStock_->Show(check);
}

bool EditorWindow::Modified() const {
  return !undo_->isClean();
}

EditorControls EditorWindow::ReadControls() const {
  return EditorControls{scenario_->Boxes(),       scenario_->Timetable(),
                        scenario_->AllConsists(), consists_->DrivenCaption(),
                        consists_->CurrentRow(),  vehicles_->Rows()};
}

void EditorWindow::ShowControls(const EditorControls& controls) {
  showingStep_ = true;
  scenario_->SetBoxes(controls.boxes);
  scenario_->SetTimetable(controls.timetable);
  scenario_->SetAllConsists(controls.allConsists);
  consists_->SetDrivenCaption(controls.drivenCaption);
  consists_->SetCurrentRowQuietly(controls.consistRow);
  ShowVehicles(controls.consistRow);
  vehicles_->SetRows(controls.vehicleRows);
  committed_ = controls;
  showingStep_ = false;
}

void EditorWindow::ShowVehicles(int consistRow) {
  if (const auto error = vehicles_->ShowConsist(session_.scenarioText, consistRow)) {
    dialogs_.ShowMessage(*error);
    return;
  }
  MarkListedVehicles(consistRow);
}

void EditorWindow::Record(const QString& name, EditorControls before, EditorControls after,
                          TextChange change) {
  if (change.empty()) {
    // Choosing rows alone is no step, and undoing a box edit leaves the lists as they are.
    before.consistRow = after.consistRow;
    before.vehicleRows = after.vehicleRows;
  }
  committed_ = after;
  if (change.empty() && before == after) return;
  undo_->push(new EditorStep(name, std::move(before), std::move(after), std::move(change),
                             session_.scenarioText,
                             [this](const EditorControls& shown) { ShowControls(shown); }));
}

void EditorWindow::CommitBoxEdits() {
  if (showingStep_ || !undo_) return;
  const EditorControls now = ReadControls();
  for (std::size_t i = 0; i < kPropertyBoxCount; ++i) {
    if (now.boxes[i] == committed_.boxes[i]) continue;
    EditorControls after = committed_;
    after.boxes[i] = now.boxes[i];
    const std::string_view name = kProperties[i].name;
    Record(tr("Edit %1").arg(QString::fromUtf8(name.data(), qsizetype(name.size()))), committed_,
           after);
  }
}

bool EditorWindow::ConfirmLeaving() {
  CommitBoxEdits();
  return ConfirmLeavingEditor(Modified(), dialogs_);
}

bool EditorWindow::Leave() {
  if (!ConfirmLeaving()) return false;
  if (hooks_.closeBrowser) hooks_.closeBrowser();
  CloseForGood();
  return true;
}

bool EditorWindow::Dismiss() {
  if (!ConfirmLeaving()) return false;
  CloseForGood();
  return true;
}

void EditorWindow::CloseForGood() {
  closingApproved_ = true;
  vehicles_->CloseDetails();
  close();
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  // Closing by the frame is leaving too: unsaved changes are not dropped silently.
  if (!closingApproved_ && !ConfirmLeaving()) {
    event->ignore();
    return;
  }
  closingApproved_ = true;
  vehicles_->CloseDetails();
  if (auto saved = SaveSettings(state_.paths.IniPath(), state_.settings); !saved) {
    dialogs_.ShowMessage(saved.error());
  }
  event->accept();
}

}  // namespace fennick::ui
