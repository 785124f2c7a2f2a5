#include "ui/routes_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "browser/restore_defaults.h"
#include "browser/route_catalogue.h"
#include "browser/save_current_as.h"
#include "browser/saved_game_commands.h"
#include "browser/scenario_catalogue.h"
#include "browser/scenario_choice.h"
#include "ui/backups_window.h"
#include "ui/browser_column_list.h"

namespace fennick::ui {

namespace {

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

// The buttons of one list, stacked beside it.
QVBoxLayout* ButtonColumn(std::initializer_list<QPushButton*> buttons) {
  auto* column = new QVBoxLayout;
  column->setContentsMargins(0, 24, 0, 0);  // level with the list below its captions
  for (QPushButton* button : buttons) column->addWidget(button);
  column->addStretch(1);
  return column;
}

void Fill(QTreeWidget* list, const browser::ListRows& rows) {
  list->clear();
  QList<QTreeWidgetItem*> items;
  for (const browser::ListRow& row : rows) {
    items.append(new QTreeWidgetItem(QStringList{row.name, row.folder}));
  }
  list->addTopLevelItems(items);
}

std::vector<int> SelectedRows(const QTreeWidget* list) {
  std::vector<int> rows;
  for (QTreeWidgetItem* item : list->selectedItems()) {
    rows.push_back(list->indexOfTopLevelItem(item));
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace

RoutesWindow::RoutesWindow(AppState& state, browser::BrowserState& browser, Dialogs& dialogs,
                           QWidget* parent)
    : QMainWindow(parent), state_(state), browser_(browser), dialogs_(dialogs) {
  setObjectName("frmShowRoutes");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(kCaption);
  BuildControls();
  ConnectEvents();
  Load();
}

void RoutesWindow::BuildControls() {
  auto* central = new QWidget(this);

  const BrowserColumnList routes = MakeBrowserColumnList(
      {"List1", "Label1_0", tr("Route Name"), "Label3_0", tr("Folder Name")}, central);
  const BrowserColumnList scenarios = MakeBrowserColumnList(
      {"List3", "Label1_1", tr("Scenario Name"), "Label3_1", tr("Folder Name")}, central);
  routeList_ = routes.list;
  scenarioList_ = scenarios.list;

  auto* savedCaption = new QLabel(tr("Saved Copies of Selected Scenario"), central);
  savedCaption->setObjectName("Label2");
  QFont bold = savedCaption->font();
  bold.setBold(true);
  savedCaption->setFont(bold);
  savedCaption->setContentsMargins(4, 0, 0, 0);
  savedCopies_ = new QListWidget(central);
  savedCopies_->setObjectName("File2");
  savedCopies_->setAlternatingRowColors(true);
  savedCaption->setBuddy(savedCopies_);
  auto* savedBlock = new QVBoxLayout;
  savedBlock->setSpacing(2);
  savedBlock->addWidget(savedCaption);
  savedBlock->addWidget(savedCopies_, 1);

  listScenarios_ = MakeButton("Command1", tr("List Scenarios in Selected Route"), central);
  editScenarioButton_ = MakeButton("Command7", tr("Edit Selected Scenario"), central);
  revertRoute_ = MakeButton("Command2", tr("Revert to Default for selected Route"), central);
  revertScenario_ = MakeButton("Command3", tr("Revert to Default for selected Scenario"), central);
  saveCurrentAs_ = MakeButton("Command4", tr("Save CurrentSave.xml As"), central);
  overwriteCurrent_ =
      MakeButton("Command5", tr("Overwrite CurrentSave.xml with Selected file"), central);
  runRailSim_ = MakeButton("Command6", tr("Run RailSim Using Selected Save File"), central);
  runRailSimEditor_ = MakeButton("Command8", tr("RunRailSim Editor using this Save File"), central);
  exit_ = MakeButton("Command9", tr("Exit"), central);
  routeBackups_ = MakeButton("cmdRouteBackups", tr("Backups of selected Route..."), central);
  scenarioBackups_ =
      MakeButton("cmdScenarioBackups", tr("Backups of selected Scenario..."), central);
  // One width for the command buttons, with room around the longest caption.
  int buttonWidth = 0;
  const QList<QPushButton*> commands = {
      listScenarios_,    editScenarioButton_, revertRoute_,      revertScenario_, saveCurrentAs_,
      overwriteCurrent_, runRailSim_,         runRailSimEditor_, routeBackups_,   scenarioBackups_};
  for (QPushButton* button : commands) {
    buttonWidth = std::max(buttonWidth, button->sizeHint().width());
  }
  for (QPushButton* button : commands) button->setMinimumWidth(buttonWidth + 24);

  auto* grid = new QGridLayout(central);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(12);
  grid->addWidget(routes.block, 0, 0);
  grid->addLayout(ButtonColumn({listScenarios_, revertRoute_, routeBackups_}), 0, 1);
  grid->addWidget(scenarios.block, 1, 0);
  grid->addLayout(ButtonColumn({editScenarioButton_, revertScenario_, scenarioBackups_}), 1, 1);
  grid->addLayout(savedBlock, 2, 0);
  grid->addLayout(ButtonColumn({saveCurrentAs_, overwriteCurrent_, runRailSim_, runRailSimEditor_}),
                  2, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(exit_);
  grid->addLayout(bottom, 3, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(0, 3);
  grid->setRowStretch(1, 3);
  grid->setRowStretch(2, 2);
  setCentralWidget(central);
  resize(1040, 660);
}

void RoutesWindow::ConnectEvents() {
  connect(routeList_, &QTreeWidget::itemClicked, this, &RoutesWindow::RouteClicked);
  // Moving through the routes with the keys lists them as a click does.
  routeList_->installEventFilter(this);
  connect(routeList_, &QTreeWidget::currentItemChanged, this, [this] {
    if (movingByKey_) RouteClicked();
  });
  // A press anywhere on the scenario list counts, also below its last row.
  scenarioList_->viewport()->installEventFilter(this);
  connect(listScenarios_, &QPushButton::clicked, this, &RoutesWindow::ListScenariosOfSelectedRoute);
  connect(editScenarioButton_, &QPushButton::clicked, this, &RoutesWindow::EditSelectedScenario);
  connect(revertRoute_, &QPushButton::clicked, this, &RoutesWindow::RevertRoute);
  connect(revertScenario_, &QPushButton::clicked, this, &RoutesWindow::RevertScenario);
  connect(saveCurrentAs_, &QPushButton::clicked, this, &RoutesWindow::SaveCurrentSaveAs);
  connect(overwriteCurrent_, &QPushButton::clicked, this, &RoutesWindow::OverwriteCurrentSave);
  connect(runRailSim_, &QPushButton::clicked, this, &RoutesWindow::RunRailSim);
  connect(runRailSimEditor_, &QPushButton::clicked, this, &RoutesWindow::RunRailSimEditor);
  connect(exit_, &QPushButton::clicked, this, &QWidget::close);
  connect(routeBackups_, &QPushButton::clicked, this, &RoutesWindow::ShowRouteBackups);
  connect(scenarioBackups_, &QPushButton::clicked, this, &RoutesWindow::ShowScenarioBackups);
}

void RoutesWindow::Load() {
  // A browser loaded anew starts with empty scenario and saved-copies lists.
  browser_.scenarioNames.clear();
  browser_.scenarioIds.clear();
  Fill(routeList_, browser::LoadRouteCatalogue(state_.settings.rsPath, browser_, dialogs_));
  editScenarioButton_->setEnabled(false);
  revertRoute_->setEnabled(false);
  revertScenario_->setEnabled(false);
  ShowSavedCopies(QString());
}

bool RoutesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scenarioList_->viewport() && event->type() == QEvent::MouseButtonPress) {
    ScenarioPressed(static_cast<QMouseEvent*>(event)->position().toPoint());
  }
  if (watched == routeList_ &&
      (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
    movingByKey_ = event->type() == QEvent::KeyPress;
  }
  return QMainWindow::eventFilter(watched, event);
}

void RoutesWindow::RouteClicked() {
  revertRoute_->setEnabled(true);
  ShowSavedCopies(state_.paths.ProgramFolder());
  ListScenariosOfSelectedRoute();
}

void RoutesWindow::ListScenariosOfSelectedRoute() {
  editScenarioButton_->setEnabled(true);
  Fill(scenarioList_, browser::ListScenarios(state_, browser_, SelectedRouteRow(), dialogs_));
}

void RoutesWindow::ScenarioPressed(const QPoint& at) {
  revertScenario_->setEnabled(true);
  const QModelIndex pressed = scenarioList_->indexAt(at);
  if (!pressed.isValid()) return;
  if (browser::ChooseScenarioRow(browser_, pressed.row())) {
    ShowSavedCopies(browser_.scenarioFolder);
  }
}

void RoutesWindow::EditSelectedScenario() {
  if (editScenario_) editScenario_(SelectedScenarioRows());
}

void RoutesWindow::RevertRoute() {
  const std::optional<int> row = SelectedRouteRow();
  // The row is used up: a second press without a new choice does nothing.
  routeList_->clearSelection();
  browser::RevertRoute(state_.settings.rsPath, browser_, row, dialogs_);
}

void RoutesWindow::RevertScenario() {
  const std::vector<int> rows = SelectedScenarioRows();
  scenarioList_->clearSelection();
  browser::RevertScenario(browser_, rows, dialogs_);
}

void RoutesWindow::ShowRouteBackups() {
  const std::optional<int> row = SelectedRouteRow();
  const QString name = row ? routeList_->topLevelItem(*row)->text(0) : QString();
  ShowBackups(browser::RouteIndexTarget(state_.settings.rsPath, browser_, row),
              tr("The scenario index Scenarios.bin of the route %1 and its backups.").arg(name),
              "You have not selected a Route?");
}

void RoutesWindow::ShowScenarioBackups() {
  const std::vector<int> rows = SelectedScenarioRows();
  const QString name = rows.empty() ? QString() : scenarioList_->topLevelItem(rows.back())->text(0);
  ShowBackups(browser::ScenarioDocumentTarget(browser_, rows),
              tr("The document Scenario.bin of the scenario %1 and its backups.").arg(name),
              "You have not selected a Scenario?");
}

void RoutesWindow::ShowBackups(const std::optional<browser::BackupTarget>& target,
                               const QString& caption, const std::string& noChoice) {
  if (!target) {
    dialogs_.ShowMessage(noChoice);
    return;
  }
  auto* window = new BackupsWindow(state_, *target, caption, dialogs_, this);
  window->open();
}

void RoutesWindow::SaveCurrentSaveAs() {
  browser::SaveCurrentSaveAs(browser_.scenarioFolder, dialogs_);
  RefreshSavedCopies();
}

void RoutesWindow::OverwriteCurrentSave() {
  browser::OverwriteCurrentSave(ChosenSavedCopy(), dialogs_);
  RefreshSavedCopies();
}

void RoutesWindow::RunRailSim() {
  browser::RunRailSimWithSave(state_.settings.rsPath, ChosenSavedCopy(), savedCopies_->count() == 0,
                              dialogs_);
  RefreshSavedCopies();
}

void RoutesWindow::RunRailSimEditor() {
  browser::RunEditorWithSave(state_.settings.rsPath, ChosenSavedCopy(), dialogs_);
  RefreshSavedCopies();
}

void RoutesWindow::ShowSavedCopies(const QString& folder) {
  savedCopiesFolder_ = folder;
  savedCopies_->setProperty("path", folder);
  savedCopies_->clear();  // a choice made in another folder does not carry over
  RefreshSavedCopies();
}

void RoutesWindow::RefreshSavedCopies() {
  const QString selected =
      savedCopies_->currentItem() ? savedCopies_->currentItem()->text() : QString();
  savedCopies_->clear();
  savedCopies_->addItems(browser::ListSavedCopies(savedCopiesFolder_));
  const QList<QListWidgetItem*> again = savedCopies_->findItems(selected, Qt::MatchExactly);
  if (!selected.isEmpty() && !again.isEmpty()) savedCopies_->setCurrentItem(again.front());
}

std::optional<int> RoutesWindow::SelectedRouteRow() const {
  const std::vector<int> rows = SelectedRows(routeList_);
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

std::vector<int> RoutesWindow::SelectedScenarioRows() const {
  return SelectedRows(scenarioList_);
}

browser::SavedCopyChoice RoutesWindow::ChosenSavedCopy() const {
  browser::SavedCopyChoice choice{browser_.scenarioFolder, std::nullopt};
  // A file counts only when the list shows the scenario folder the command works in.
  const QList<QListWidgetItem*> selected = savedCopies_->selectedItems();
  if (!selected.isEmpty() && !savedCopiesFolder_.isEmpty() &&
      savedCopiesFolder_ == browser_.scenarioFolder) {
    choice.selected = selected.front()->text();
  }
  return choice;
}

}  // namespace fennick::ui
