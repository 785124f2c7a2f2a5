#include "ui/editor_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTextDocument>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/version.h"
#include "bridge/paths.h"
#include "consist/folder_navigation.h"
#include "scenario/edited_text.h"
#include "ui/season_box.h"
#include "ui/vehicle_details_window.h"

namespace fennick::ui {

namespace {

const char* const kBoxCaptions[kPropertyBoxCount] = {
    "Display Name:",   "Description",      "Briefing",        "Start Time (24 hour)",
    "Duration (mins)", "Start Day",        "Start Month",     "Start Year",
    "Season",          "Weather Provider", "Weather Product", "Weather Blueprint"};

QString Shown(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

// A multi-line box's text as the person sees it: blocks joined by "\n", every other character
// as it stands (toPlainText would turn a non-breaking space into a blank).
std::string TypedText(const QPlainTextEdit* box) {
  QString text = box->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text.toStdString();
}

QTreeView* FolderTree(QFileSystemModel* model, const char* name, QWidget* parent) {
  auto* tree = new QTreeView(parent);
  tree->setObjectName(name);
  tree->setModel(model);
  for (int column = 1; column < model->columnCount(); ++column) tree->hideColumn(column);
  tree->header()->hide();
  return tree;
}

// Opens the tree down to the folder and makes it the current one.
void ShowFolderIn(QTreeView* tree, QFileSystemModel* model, const QString& folder) {
  const QModelIndex index = model->index(folder);
  if (!index.isValid()) return;
  for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) tree->expand(up);
  tree->setCurrentIndex(index);
  tree->expand(index);
  tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

// Both folder lists browse the simulator's Assets folder.
void RootAt(QTreeView* tree, QFileSystemModel* model, const QString& folder) {
  const QModelIndex root = model->index(folder);
  if (root.isValid()) tree->setRootIndex(root);
}

}  // namespace

EditorWindow::EditorWindow(AppState& state, Dialogs& dialogs, StockRun& stockRun,
                           ScenarioSession session, const EditorView& view, Hooks hooks,
                           QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      dialogs_(dialogs),
      stockRun_(stockRun),
      session_(std::move(session)),
      hooks_(std::move(hooks)) {
  setObjectName("frmFennick");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(CaptionWithVersion(kCaption, state_.settings.rsPath));

  folderModel_ = new QFileSystemModel(this);
  folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  const QString assets = NativePath(JoinPath(state_.settings.rsPath, "Assets"));
  folderModel_->setRootPath(assets);

  scenarioFrame_ = BuildScenarioFrame(view);
  consistsFrame_ = BuildConsistsFrame(view);
  weatherFrame_ = BuildWeatherFrame();
  selectedFrame_ = BuildSelectedConsistFrame();
  stockFrame_ = BuildStockFrame();

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  // Right of the scenario frame the columns share the width 24 : 37.5 : 37.5; consists and
  // weather stand one above the other in the narrow one.
  columns->addWidget(scenarioFrame_, 0);
  auto* middle = new QVBoxLayout;
  middle->addWidget(consistsFrame_, 3);
  middle->addWidget(weatherFrame_, 2);
  columns->addLayout(middle, 240);
  columns->addWidget(selectedFrame_, 375);
  columns->addWidget(stockFrame_, 375);
  setCentralWidget(central);
  const QRect screenSpace = screen()->availableGeometry();
  resize(std::min(1500, screenSpace.width()), std::min(800, screenSpace.height()));
}

EditorWindow::~EditorWindow() {
  if (details_) details_->deleteLater();
}

QPushButton* EditorWindow::MakeButton(const char* name, const QString& caption,
                                      const QString& tooltip) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  if (!tooltip.isEmpty()) button->setToolTip(tooltip);
  return button;
}

QGroupBox* EditorWindow::BuildScenarioFrame(const EditorView& view) {
  auto* frame = new QGroupBox(tr("Current Scenario"), this);
  frame->setObjectName("Frame5");
  auto* grid = new QGridLayout(frame);
  for (std::size_t i = 0; i < kPropertyBoxCount; ++i) {
    auto* label = new QLabel(kBoxCaptions[i], frame);
    label->setObjectName(QString("Label1_%1").arg(i));
    grid->addWidget(label, int(i), 0, Qt::AlignTop);
    const QString boxName = QString("Text1_%1").arg(i);
    if (i == kBoxDescription || i == kBoxBriefing) {
      auto* box = new QPlainTextEdit(Shown(view.boxes[i]), frame);
      box->setObjectName(boxName);
      box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      box->setTabChangesFocus(true);
      box->setMaximumHeight(i == kBoxBriefing ? 110 : 70);
      (i == kBoxDescription ? description_ : briefing_) = box;
      multiLineTexts_[i] = view.boxes[i];
      grid->addWidget(box, int(i), 1);
    } else {
      auto* box = new QLineEdit(Shown(view.boxes[i]), frame);
      box->setObjectName(boxName);
      lineBoxes_[i] = box;
      grid->addWidget(box, int(i), 1);
    }
  }
  lineBoxes_[kBoxStartTime]->setToolTip(tr("Change the Start Time of the main Consist."));
  lineBoxes_[kBoxSeason]->setToolTip(tr("Select the Season to use."));
  seasons_ = new QComboBox(frame);
  seasons_->setObjectName("Combo1");
  grid->addWidget(seasons_, int(kBoxSeason), 1);
  new SeasonBox(lineBoxes_[kBoxSeason], seasons_);

  int row = int(kPropertyBoxCount);
  allConsists_ = new QCheckBox(tr("Change for all consists"), frame);
  allConsists_->setObjectName("Check1");
  allConsists_->setToolTip(
      tr("Select if you want Start Time of all trains in the scenario to be altered by the same "
         "amount."));
  grid->addWidget(allConsists_, row++, 1);

  standard_ = new QRadioButton(tr("Standard Scenario"), frame);
  standard_->setObjectName("Option2_0");
  timetable_ = new QRadioButton(tr("Timetable Scenario"), frame);
  timetable_->setObjectName("Option2_1");
  auto* types = new QButtonGroup(frame);
  types->addButton(standard_, 0);
  types->addButton(timetable_, 1);
  (view.timetable ? timetable_ : standard_)->setChecked(true);
  connect(timetable_, &QRadioButton::clicked, this, &EditorWindow::TimetablePressed);
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(standard_);
  typeRow->addWidget(timetable_);
  grid->addLayout(typeRow, row++, 0, 1, 2);

  save_ = MakeButton("Command1", tr("Save Changes"), tr("Save all changes made."));
  clone_ = MakeButton("Command12", tr("Clone Scenario with new Name"));
  auto* exit = MakeButton("Command2", tr("Exit"));
  auto* runSim = MakeButton("Command5", tr("Run Rail Simulator"), tr("Run Rail Simulator"));
  auto* runEditor = MakeButton("Command8", tr("Run Rail Sim Editor"));
  auto* runEditorLog = MakeButton("Command14", tr("Run Rail Sim Editor (with log)"));
  connect(save_, &QPushButton::clicked, this, &EditorWindow::Save);
  connect(clone_, &QPushButton::clicked, this, &EditorWindow::Clone);
  connect(exit, &QPushButton::clicked, this, [this] { Leave(); });
  connect(runSim, &QPushButton::clicked, this, [this] { RunSimulatorProgram(0); });
  connect(runEditor, &QPushButton::clicked, this, [this] { RunSimulatorProgram(1); });
  connect(runEditorLog, &QPushButton::clicked, this, [this] { RunSimulatorProgram(2); });
  auto* buttons = new QGridLayout;
  buttons->addWidget(save_, 0, 0);
  buttons->addWidget(clone_, 0, 1);
  buttons->addWidget(runSim, 1, 0);
  buttons->addWidget(runEditor, 1, 1);
  buttons->addWidget(runEditorLog, 2, 1);
  buttons->addWidget(exit, 2, 0);
  grid->addLayout(buttons, row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
  frame->setFixedWidth(370);
  return frame;
}

QGroupBox* EditorWindow::BuildConsistsFrame(const EditorView& view) {
  auto* frame = new QGroupBox(tr("Consists"), this);
  frame->setObjectName("Frame2");
  consists_ = new QListWidget(frame);
  consists_->setObjectName("List1");
  for (const EditorConsist& consist : view.consists) {
    consists_->addItem(Shown(consist.caption));
    std::vector<std::string>& names = loadedNames_.emplace_back();
    for (const VehicleFields& vehicle : consist.vehicles) names.push_back(vehicle.name);
  }
  auto* heading = new QLabel(tr("Current Driven Consist:-"), frame);
  heading->setObjectName("Label2");
  driven_ = new QLabel(Shown(view.drivenCaption), frame);
  driven_->setObjectName("Label3");
  driven_->setToolTip(tr("Displays the Consist which currently has the Driver."));
  QFont bold = driven_->font();
  bold.setBold(true);
  driven_->setFont(bold);
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(consists_, 1);
  layout->addWidget(heading);
  layout->addWidget(driven_);
  connect(consists_, &QListWidget::currentRowChanged, this, &EditorWindow::ShowVehiclesOfConsist);
  return frame;
}

QGroupBox* EditorWindow::BuildSelectedConsistFrame() {
  auto* frame = new QGroupBox(tr("Selected Consist"), this);
  frame->setObjectName("Frame3");
  vehicles_ = new QListWidget(frame);
  vehicles_->setObjectName("List2");
  vehicles_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(vehicles_, &QListWidget::itemPressed, this,
          [this](QListWidgetItem* item) { ShowVehicleDetails(vehicles_->row(item)); });
  connect(vehicles_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (details_ && details_->isVisible()) ShowVehicleDetails(row);
  });

  struct ButtonText {
    const char* name;
    const char* caption;
    const char* tooltip;
  };
  const ButtonText texts[] = {
      {"Command10", "Swap Selected Item(s)",
       "Just Swap Selected Item with one from Available Stock."},
      {"Command7", "Swap All Identical Stock",
       "Swap ALL this type of stock in this consist with one from Available Stock (all items with "
       "same name will change)"},
      {"Command11", "Duplicate Item", ""},
      {"Command13", "Duplicate at Rear", ""},
      {"Command9", "Delete Item", ""},
      {"Command4", "Drive It", "Make Selected Consist/Loco the one you wish to start up in."},
      {"Command15_0", "Load Selected Wagon(s)", ""},
      {"Command15_1", "Unload Selected Wagon(s)", ""},
  };
  auto* buttons = new QGridLayout;
  for (int i = 0; i < 8; ++i) {
    auto* button = MakeButton(texts[i].name, tr(texts[i].caption), tr(texts[i].tooltip));
    connect(button, &QPushButton::clicked, this, [this, i] { RunConsistCommand(i); });
    buttons->addWidget(button, i / 2, i % 2);
  }
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(vehicles_, 1);
  layout->addLayout(buttons);
  return frame;
}

QGroupBox* EditorWindow::BuildWeatherFrame() {
  auto* frame = new QGroupBox(tr("Select Weather Here if Required."), this);
  frame->setObjectName("Frame1");
  weatherFolders_ = FolderTree(folderModel_, "Dir1", frame);
  RootAt(weatherFolders_, folderModel_, folderModel_->rootPath());
  weatherFiles_ = new QListWidget(frame);
  weatherFiles_->setObjectName("File1");
  auto* set = MakeButton("Command3", tr("Set Weather"),
                         tr("Select weather from above and click here to confirm."));
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(weatherFolders_, 1);
  layout->addWidget(weatherFiles_, 1);
  layout->addWidget(set);
  connect(set, &QPushButton::clicked, this, &EditorWindow::SetWeather);
  connect(weatherFolders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) { ShowWeatherFiles(folderModel_->filePath(index)); });

  const QString weather = JoinPath(JoinPath(JoinPath(JoinPath(state_.settings.rsPath, "Assets"),
                                                     lineBoxes_[kBoxWeatherProvider]->text()),
                                            lineBoxes_[kBoxWeatherProduct]->text()),
                                   "Weather");
  ShowWeatherFiles(NativePath(weather));
  ShowFolderIn(weatherFolders_, folderModel_, NativePath(weather));
  return frame;
}

QGroupBox* EditorWindow::BuildStockFrame() {
  auto* frame = new QGroupBox(tr("Available Stock."), this);
  frame->setObjectName("Frame4");
  stockKinds_ = new QButtonGroup(frame);
  auto* kinds = new QGridLayout;
  for (int i = 0; i < 8; ++i) {
    const std::string_view kind = kStockKinds[std::size_t(i)];
    auto* option = new QRadioButton(QString::fromUtf8(kind.data(), qsizetype(kind.size())), frame);
    option->setObjectName(QString("Option1_%1").arg(i));
    stockKinds_->addButton(option, i);
    kinds->addWidget(option, i / 3, i % 3);
  }
  auto* heading = new QLabel(tr("Select RailVehicles Folder"), frame);
  heading->setObjectName("Label4");
  stockFolders_ = FolderTree(folderModel_, "Dir2", frame);
  RootAt(stockFolders_, folderModel_, folderModel_->rootPath());
  stockFolders_->setToolTip(tr("Select the RailVehicles folder you wish to list stock from."));
  auto* find = MakeButton("Command6", tr("Find Available Rolling-Stock"),
                          tr("List all stock of type selected below."));
  stock_ = new QListWidget(frame);
  stock_->setObjectName("List3");
  auto* layout = new QVBoxLayout(frame);
  layout->addLayout(kinds);
  layout->addWidget(heading);
  layout->addWidget(stockFolders_, 2);
  layout->addWidget(find);
  layout->addWidget(stock_, 3);
  connect(find, &QPushButton::clicked, this, &EditorWindow::GatherStock);

  ShowFolderIn(
      stockFolders_, folderModel_,
      NativePath(StockFolderAtStart(state_.settings.rsPath, state_.settings.lastStockFolder)));
  connect(stockFolders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) { StockFolderChanged(folderModel_->filePath(index)); });
  return frame;
}

PropertyBoxes EditorWindow::Boxes() const {
  PropertyBoxes boxes;
  for (std::size_t i = 0; i < kPropertyBoxCount; ++i) {
    if (i == kBoxDescription || i == kBoxBriefing) {
      boxes[i] = MergeEditedText(multiLineTexts_[i],
                                 TypedText(i == kBoxDescription ? description_ : briefing_));
    } else {
      boxes[i] = lineBoxes_[i]->text().toStdString();
    }
  }
  return boxes;
}

void EditorWindow::SetBox(std::size_t index, const QString& text) {
  if (index == kBoxDescription || index == kBoxBriefing) {
    multiLineTexts_[index] = text.toStdString();
    (index == kBoxDescription ? description_ : briefing_)->setPlainText(text);
  } else if (index < kPropertyBoxCount) {
    lineBoxes_[index]->setText(text);
  }
}

}  // namespace fennick::ui
