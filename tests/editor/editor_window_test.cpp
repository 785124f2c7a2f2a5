#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTextCursor>
#include <QTreeView>
#include <QUndoStack>

#include "bridge/converter.h"
#include "bridge/paths.h"
#include "browser/open_scenario.h"
#include "browser/scenario_catalogue.h"
#include "tests/support/case_file.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/editor_window.h"
#include "ui/program_windows.h"
#include "ui/vehicle_details_window.h"

namespace fennick::ui {
namespace {

const QString kRoute = "2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21";  // Severn Vale Branch
const std::string kMorningCoal = "0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301";
const QString kMarshJunction = "c0e5a7d1-2b84-46f9-8e3a-91d6b7f2c530";
const std::string kPullmanExcursion = "b07a91ca-d8e9-4e4b-a7bc-839ae1f2a3b4";  // Class 47 missing
const std::string kFreeRoam = "3d9e1f42-5061-4c83-af74-0b12c3d4e5f6";  // one-vehicle driven consist

class EditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sample.ok()) << sample.error().toStdString(); }
  void TearDown() override { delete window.data(); }

  // Opens the scenario through a route path spelt in another letter case than the disk's.
  void Open(const std::string& folder = kMorningCoal, const QString& routeFolder = kRoute) {
    const QString route = JoinPath(JoinPath(sample.RsPath(), "content\\Routes"), routeFolder);
    auto session = OpenScenario(
        Converter(sample.ProgramFolder(), sample.RsPath()), route,
        JoinPath(JoinPath(route, "Scenarios"), QString::fromStdString(folder)), folder);
    ASSERT_TRUE(session.ok()) << session.error();
    auto view = LoadEditor(*session);
    ASSERT_TRUE(view.ok()) << view.error();
    EditorWindow::Hooks hooks;
    hooks.closeBrowser = [this] { ++browserClosed; };
    window = new EditorWindow(state, dialogs, stockRun, std::move(*session), *view, hooks);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  template <class T = QWidget>
  T* Find(const char* name) {
    return window->findChild<T*>(name);  // a missing control fails the test where it is used
  }
  QString Text(const char* box) { return Find<QLineEdit>(box)->text(); }
  QListWidget* Vehicles() { return Find<QListWidget>("List2"); }
  // The vehicle rows, the highlighted ones marked.
  QStringList Rows() {
    QStringList rows;
    for (int i = 0; i < Vehicles()->count(); ++i)
      rows << Vehicles()->item(i)->text() + (Vehicles()->item(i)->isSelected() ? " *" : "");
    return rows;
  }
  // What a step must put back: the document, the boxes, the lists, the rows and the label.
  std::string Look() {
    QStringList seen = Rows();
    seen << Find<QLabel>("Label3")->text()
         << QString("consist %1, row %2, timetable %3, all consists %4")
                .arg(Find<QListWidget>("List1")->currentRow())
                .arg(Vehicles()->currentRow())
                .arg(Find<QRadioButton>("Option2_1")->isChecked())
                .arg(Find<QCheckBox>("Check1")->isChecked());
    for (int i = 0; i < 12; ++i) {
      auto* box = window->findChild<QWidget*>(QString("Text1_%1").arg(i));
      seen << box->property(qobject_cast<QLineEdit*>(box) ? "text" : "plainText").toString();
    }
    return window->Session().scenarioText + seen.join('\n').toStdString();
  }
  // Chooses a consist and highlights rows of it, the first one current.
  void Choose(int consist, const std::vector<int>& rows) {
    Find<QListWidget>("List1")->setCurrentRow(consist);
    Vehicles()->clearSelection();
    for (const int row : rows) {
      Vehicles()->setCurrentRow(row, row == rows.front() ? QItemSelectionModel::ClearAndSelect
                                                         : QItemSelectionModel::Select);
    }
  }
  void Press(const char* button) {
    dialogs.shown.clear();
    Click(Find<QPushButton>(button));
  }
  void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
  void ClickRow(int row) {
    QTest::mouseClick(Vehicles()->viewport(), Qt::LeftButton, {},
                      Vehicles()->visualItemRect(Vehicles()->item(row)).center());
  }
  void Type(const char* box, const QString& text) {
    auto* line = Find<QLineEdit>(box);
    line->setFocus();
    line->selectAll();
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
  }
  void ChooseFile(const QString& file) {
    auto* files = Find<QListWidget>("File1");
    files->setCurrentItem(files->findItems(file, Qt::MatchExactly).value(0));
  }
  QString StockFolder() { return sample.Path("Assets/Kuju/RailSimulator/RailVehicles"); }
  // Kuju's stock of one kind gathered (freight unless told), one vehicle of it chosen.
  void GatherStock(const char* kind = "Option1_4", const char* vehicle = "VEA Covered Van") {
    auto* folders = Find<QTreeView>("Dir2");
    folders->setCurrentIndex(
        qobject_cast<QFileSystemModel*>(folders->model())->index(StockFolder()));
    Find<QRadioButton>(kind)->setChecked(true);
    Press("Command6");
    auto* stock = Find<QListWidget>("List3");
    stock->setCurrentItem(stock->findItems(vehicle, Qt::MatchExactly).value(0));
  }
  void Trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }
  // The messages shown since the last press, one a line.
  std::string Said() const {
    std::string all;
    for (const std::string& message : dialogs.Messages()) all += message + '\n';
    return all;
  }

  test::SampleInstall sample;
  AppState state{AppPaths(sample.ProgramFolder()), {sample.RsPath(), "", "", false}};
  test::ScriptedDialogs dialogs;
  EditorWindow::StockRun stockRun;
  QPointer<EditorWindow> window;
  int browserClosed = 0;
};

// The consist start times of a document, in seconds.
std::vector<double> ConsistStartTimes(const QByteArray& document) {
  std::vector<double> times;
  static const QRegularExpression element("<StartTime[^>]*>([^<]*)</StartTime>");
  for (const auto& match : element.globalMatch(QString::fromUtf8(document)))
    times.push_back(match.captured(1).toDouble());
  return times;
}

TEST_F(EditorWindowTest, MorningCoalFromOpeningToSavingAndLeaving) {
  Open();
  EXPECT_EQ(window->windowTitle().chopped(3),
            "Scenario Editor  Version 1.0.45   Rail Simulator path in use is - " + sample.RsPath());
  EXPECT_EQ(Text("Text1_0") + Text("Text1_3"), "Morning Coal Empties0700");
  EXPECT_FALSE(Find("Combo1")->isVisible());
  auto* consists = Find<QListWidget>("List1");
  ASSERT_EQ(consists->count(), 3);

  // With no consist chosen a command names what is missing.
  Press("Command9");
  EXPECT_EQ(Said(), "You have not selected an item to delete?\n");
  Press("Command4");
  EXPECT_EQ(Said(), "You have not selected a locomotive to drive?\n");

  // The details window describes the pressed vehicle; a row a command changed shows nothing.
  consists->setCurrentRow(1);  // 1B17: its second car stands reversed
  EXPECT_EQ(Vehicles()->count(), 2);
  ClickRow(1);
  auto* details = window->findChild<VehicleDetailsWindow*>("dlgTips");
  ASSERT_NE(details, nullptr);
  const auto line = [&](const char* label) { return details->findChild<QLabel*>(label)->text(); };
  EXPECT_TRUE(line("Label1").endsWith("Class101_DTCL.xml"));
  EXPECT_EQ(line("Label4"), "Orientation = Reversed");
  QTest::keyClick(Vehicles(), Qt::Key_Up);  // it follows the highlighted row
  EXPECT_EQ(line("Label4"), "Orientation = Forward");
  Press("Command11");  // a copy at row 1
  ClickRow(1);
  EXPECT_FALSE(details->isVisible());

  // After every command the highlighted rows are the ones the next command acts on.
  Choose(0, {2});  // Class 66 + four hoppers
  Press("Command9");
  const QString hopper = "HTA Coal Hopper";
  EXPECT_EQ(Rows(), QStringList({"Class 66", hopper, hopper, hopper}));
  Press("Command9");  // a second click deletes nothing
  EXPECT_EQ(Said(), "You have not selected an item to delete?\n");
  Vehicles()->setCurrentRow(3);
  Press("Command13");  // Duplicate at Rear: the copy goes in front, the vehicle one row down
  EXPECT_EQ(Rows(), QStringList({hopper, "Class 66", hopper, hopper, hopper + " *"}));
  EXPECT_EQ(Vehicles()->currentRow(), 4);
  Vehicles()->setCurrentRow(1);
  Vehicles()->item(1)->setSelected(false);  // current but not highlighted: nothing chosen
  Press("Command11");
  EXPECT_EQ(Said(), "You have not selected an item to duplicate?\n");

  // Leaving with unsaved consist changes asks; "no" keeps the editor as it is.
  dialogs.shown.clear();
  dialogs.answers = {false};
  EXPECT_FALSE(window->Leave());
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(Said().starts_with("You have made changes to this Scenario, but have not saved"));

  // The timetable warning is asked until accepted, then never again.
  auto* standard = Find<QRadioButton>("Option2_0");
  auto* timetable = Find<QRadioButton>("Option2_1");
  dialogs.shown.clear();
  dialogs.answers = {false, true};
  Click(timetable);
  EXPECT_TRUE(standard->isChecked());
  EXPECT_FALSE(state.settings.timetableWarningAccepted);
  EXPECT_TRUE(Said().starts_with("Changing Scenario type from Standard to Timetable"));
  Click(timetable);
  EXPECT_TRUE(state.settings.timetableWarningAccepted);
  Click(standard);  // never asks
  Click(timetable);
  EXPECT_TRUE(timetable->isChecked());
  EXPECT_EQ(dialogs.shown.size(), 2u);

  // The season list appears on focus; its choice goes into the box when the focus leaves.
  auto* chooser = Find<QComboBox>("Combo1");
  Find("Text1_8")->setFocus();
  EXPECT_TRUE(chooser->isVisible());
  chooser->setCurrentIndex(3);
  EXPECT_EQ(Text("Text1_8"), "SEASON_SUMMER") << "picking alone changes only the list";
  Find("Text1_9")->setFocus();
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_EQ(Text("Text1_8"), "SEASON_WINTER");

  ChooseFile("Overcast.bin");
  Press("Command3");  // Set Weather fills the three boxes from the chosen file
  EXPECT_EQ(Text("Text1_9") + "|" + Text("Text1_10") + "|" + Text("Text1_11"),
            "Kuju|RailSimulator|Weather\\Overcast.xml");
  // The chosen stock folder is kept with its closing separator (see Fennick.ini below).
  GatherStock();
  const QString stockFolder = QDir::toNativeSeparators(StockFolder() + "/");

  // The save writes what was typed and, the box handing back "\n" for every line break and a
  // blank for a non-breaking space, what the person left alone exactly as it was read. Change
  // for all consists moves every consist's start time with the scenario's. Then the editor
  // closes and writes the settings.
  const QString index = sample.Path("Content/Routes/" + kRoute + "/Scenarios.bin");
  const QString document = sample.Path("Content/Routes/" + kRoute + "/Scenarios/" +
                                       QString::fromStdString(kMorningCoal) + "/Scenario.bin");
  const QByteArray description =
      "Take a rake of empty hoppers from Holtby Yard\r\nup the valley to Marsh\240Colliery.\rMind";
  ASSERT_EQ(test::DecodeBin(index).count(description), 1);
  std::vector<double> starts = ConsistStartTimes(test::DecodeBin(document));
  ASSERT_FALSE(starts.empty());
  for (double& start : starts) start += 4500;  // as they must be after the save
  ASSERT_FALSE(QFile::exists(state.paths.IniPath()));
  auto* box = Find<QPlainTextEdit>("Text1_2");
  box->moveCursor(QTextCursor::End);
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClicks(box, "Bring a flask.");
  Type("Text1_3", "0815");
  Click(Find("Check1"));
  dialogs.answers = {true};  // Drive It with nothing chosen above left no consist driven
  Press("Command1");
  ASSERT_EQ(dialogs.shown.back().icon, MessageIcon::Information) << Said();
  const QByteArray saved = test::DecodeBin(index);
  EXPECT_EQ(saved.count(description), 5) << "untouched: the same bytes in all five languages";
  EXPECT_EQ(saved.count("to clear the branch, then depart.\r\nBring a flask.<"), 5)
      << "typed: CR LF, the rest kept";
  EXPECT_EQ(ConsistStartTimes(test::DecodeBin(document)), starts);
  EXPECT_EQ(browserClosed, 1);
  EXPECT_EQ(test::ReadFileBytes(state.paths.IniPath()),
            (sample.RsPath() + "\r\n\r\n" + stockFolder + "\r\nTrue\r\n").toUtf8());
}

TEST_F(EditorWindowTest, EmptyConsistRefusesCommandsAndRunEditorLeaves) {
  Open(kFreeRoam);
  Choose(0, {0});
  Press("Command9");
  EXPECT_EQ(Rows(), QStringList({"Empty Consist"}));
  const std::string before = window->Session().scenarioText;
  Vehicles()->setCurrentRow(0);
  Press("Command11");  // Duplicate Item
  EXPECT_EQ(window->Session().scenarioText, before);
  EXPECT_EQ(dialogs.shown.at(0).icon, MessageIcon::Exclamation);
  ClickRow(0);  // the caption is no vehicle: no details
  EXPECT_EQ(window->findChild<VehicleDetailsWindow*>("dlgTips"), nullptr);

  // Run Rail Sim Editor starts the editor without the log option, asks nothing and leaves.
  const QString log = sample.Path("launches.log");
  Press("Command8");
  ASSERT_TRUE(QTest::qWaitFor([&] { return test::ReadFileBytes(log).endsWith('\n'); }, 20000));
  EXPECT_TRUE(test::ReadFileBytes(log).startsWith("RailSimEditor.exe\t") &&
              !test::ReadFileBytes(log).contains("-LogMate"));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(browserClosed, 1);
}

// Every step of data/editor_window/undo_steps.txt undoes to the controls before it and redoes
// to those after it. Modified is the stack's clean state: a save makes it clean, a failed one
// does not, undoing past it does.
TEST_F(EditorWindowTest, EveryStepUndoesAndRedoesAndModifiedFollowsTheCleanState) {
  Open();
  GatherStock();
  dialogs.answers = {true, true, true, true};
  const std::string loaded = window->Session().scenarioText;
  for (const auto& c : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/editor_window/undo_steps.txt")) {
    const std::string& chosen = c.fields[1];
    SCOPED_TRACE(c.fields[0]);
    if (chosen.starts_with("File1=")) ChooseFile(QString::fromStdString(chosen.substr(6)));
    if (chosen[1] == ':') {
      std::vector<int> rows;
      for (const QString& row : QString::fromStdString(chosen.substr(2)).split(','))
        rows.push_back(row.toInt());
      Choose(chosen[0] - '0', rows);
    }
    const std::string before = Look();
    const int count = window->UndoStack()->count();
    const char* control = c.fields[3].c_str();
    if (c.fields[2] == "press") Press(control);
    if (c.fields[2] == "type") Type(control, QString::fromStdString(c.fields[4]));
    if (c.fields[2] == "click") Click(Find(control));
    ASSERT_EQ(window->UndoStack()->count(), count + 1) << Said();
    EXPECT_EQ(Find<QAction>("actionUndo")->text().toStdString(), "Undo " + c.fields[0]);
    const std::string after = Look();
    EXPECT_NE(after, before);
    Trigger("actionUndo");
    EXPECT_EQ(Look(), before);
    Trigger("actionRedo");
    EXPECT_EQ(Look(), after);
  }
  EXPECT_TRUE(window->Modified());
  EXPECT_TRUE(window->isWindowModified());
  while (window->UndoStack()->canUndo()) Trigger("actionUndo");
  EXPECT_EQ(window->Session().scenarioText, loaded);
  EXPECT_FALSE(window->Modified());

  Type("Text1_0", "Morning Coal Copy");
  qputenv("FENNICK_SERZ_FAIL", "exit:Scenario.xml");
  Press("Command1");
  qunsetenv("FENNICK_SERZ_FAIL");
  EXPECT_TRUE(window->Modified()) << "a failed save leaves the changes unsaved";
  dialogs.answers = {true, true};
  Press("Command12");  // the clone keeps them
  EXPECT_FALSE(window->Modified());
  Trigger("actionUndo");
  EXPECT_TRUE(window->Modified());
  Trigger("actionRedo");
  EXPECT_FALSE(window->Modified());
}

// From the browser: no scenario chosen or one that cannot be opened stays there; opening another
// one over an editor with changes asks, and "yes" replaces the editor with one loaded anew.
// Vehicles installed nowhere are marked, and so are their consists (the archived Pullmans count
// as installed); the marks and the report follow the document through a swap, undo and redo.
TEST_F(EditorWindowTest, MissingStockMarksFollowTheDocument) {
  Open(kPullmanExcursion, kMarshJunction);
  GatherStock("Option1_0", "Class 66");  // Diesel
  const auto tooltips = [&](const char* list) {
    QStringList seen;
    for (int i = 0; i < Find<QListWidget>(list)->count(); ++i)
      seen << Find<QListWidget>(list)->item(i)->toolTip();
    return seen.join('|');
  };
  const QString marked = "|1 vehicle of this consist is not installed";
  const QString class47 =
      "Not installed: " + sample.RsPath() +
      "\\Assets\\Kuju\\RailSimulator\\RailVehicles\\Diesel\\Class47\\Class47.bin|";
  Choose(1, {0});
  EXPECT_EQ(tooltips("List1") + tooltips("List2"), marked + class47);
  Trigger("actionMissingStock");
  auto* table = window->findChild<QTableWidget*>("tblMissingStock");
  ASSERT_TRUE(table && table->rowCount() == 1);
  EXPECT_EQ(table->item(0, 0)->text() + table->item(0, 1)->text() + table->item(0, 2)->text(),
            "2. 5Z47 Support Coaches1. Class 47"
            "Kuju\\RailSimulator\\RailVehicles\\Diesel\\Class47\\Class47.xml");
  dialogs.answers = {true, true};
  Press("Command10");
  EXPECT_EQ(tooltips("List1") + tooltips("List2"), "||") << Said();
  dialogs.shown.clear();
  Trigger("actionMissingStock");
  EXPECT_EQ(Said(), "All 5 vehicles of this scenario are installed.\n");
  Trigger("actionUndo");
  EXPECT_EQ(tooltips("List1") + tooltips("List2"), marked + class47);
  Trigger("actionRedo");
  EXPECT_EQ(tooltips("List1") + tooltips("List2"), "||");
}

TEST_F(EditorWindowTest, OpeningAScenarioFromTheBrowser) {
  ProgramWindows windows{state, dialogs};
  windows.OpenBrowser();
  browser::ListScenarios(state, windows.BrowserState(), 0, dialogs);
  dialogs.shown.clear();
  windows.EditScenario({});
  qputenv("FENNICK_SERZ_FAIL", "exit:Scenario.bin");
  windows.EditScenario({0});
  qunsetenv("FENNICK_SERZ_FAIL");
  EXPECT_EQ(windows.Editor(), nullptr);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text, "You have not selected a Scenario?");
  EXPECT_NE(dialogs.shown[1].text.find("serz.exe"), std::string::npos);

  windows.EditScenario({0});
  QPointer<EditorWindow> first = window = windows.Editor();
  ASSERT_NE(first, nullptr);
  Choose(0, {0});
  Press("Command9");          // a change
  dialogs.answers = {false};  // keep the first editor
  windows.EditScenario({1});
  EXPECT_EQ(windows.Editor(), first.data());
  dialogs.answers = {true};
  windows.EditScenario({1});
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  ASSERT_NE(window = windows.Editor(), nullptr);
  EXPECT_EQ(Text("Text1_0"), "Evening Commuters");
  EXPECT_FALSE(window->Modified());
  delete windows.Editor();
  delete windows.Browser();
}

}  // namespace
}  // namespace fennick::ui
