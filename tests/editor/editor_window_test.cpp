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
#include <algorithm>

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
const std::string kFreeRoam = "3d9e1f42-5061-4c83-af74-0b12c3d4e5f6";  // one-vehicle driven consist
const QString kMarshJunction = "c0e5a7d1-2b84-46f9-8e3a-91d6b7f2c530";
const std::string kPullmanExcursion = "b07a91ca-d8e9-4e4b-a7bc-839ae1f2a3b4";

class EditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sample.ok()) << sample.error().toStdString();
    state.settings.rsPath = sample.RsPath();
  }
  void TearDown() override { delete window.data(); }

  void Open(const std::string& folder = kMorningCoal, const QString& routeFolder = kRoute) {
    const QString route = JoinPath(JoinPath(sample.RsPath(), "content\\Routes"), routeFolder);
    const Converter converter(sample.ProgramFolder(), sample.RsPath());
    auto session = OpenScenario(
        converter, route, JoinPath(JoinPath(route, "Scenarios"), QString::fromStdString(folder)),
        folder);
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
  template <class T>
  T* Find(const char* name) {
    T* widget = window->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QListWidget* Vehicles() { return Find<QListWidget>("List2"); }
  QList<int> Highlighted() {
    QList<int> rows;
    for (const QListWidgetItem* item : Vehicles()->selectedItems()) rows << Vehicles()->row(item);
    std::sort(rows.begin(), rows.end());
    return rows;
  }
  // What a step must put back: the document, the boxes, the lists, the rows and the label.
  std::string Look() {
    QStringList seen{Find<QLabel>("Label3")->text(),
                     QString::number(Find<QListWidget>("List1")->currentRow()),
                     QString::number(Vehicles()->currentRow())};
    for (QAbstractButton* b : {(QAbstractButton*)Find<QRadioButton>("Option2_1"),
                               (QAbstractButton*)Find<QCheckBox>("Check1")})
      seen << QString::number(b->isChecked());
    for (int i = 0; i < 12; ++i) {
      const QString name = QString("Text1_%1").arg(i);
      if (auto* line = window->findChild<QLineEdit*>(name)) seen << line->text();
      if (auto* multi = window->findChild<QPlainTextEdit*>(name)) seen << multi->toPlainText();
    }
    for (int i = 0; i < Vehicles()->count(); ++i)
      seen << Vehicles()->item(i)->text() + (Vehicles()->item(i)->isSelected() ? " *" : "");
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
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
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
  void ChooseStockFolder() {
    auto* folders = Find<QTreeView>("Dir2");
    auto* model = qobject_cast<QFileSystemModel*>(folders->model());
    ASSERT_NE(model, nullptr);
    folders->setCurrentIndex(model->index(sample.Path("Assets/Kuju/RailSimulator/RailVehicles")));
  }
  // Kuju's stock of one kind, with one vehicle of it chosen.
  void GatherStock(const char* kindOption, const char* vehicle) {
    ChooseStockFolder();
    Find<QRadioButton>(kindOption)->setChecked(true);
    Press("Command6");
    const auto found = Find<QListWidget>("List3")->findItems(vehicle, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    Find<QListWidget>("List3")->setCurrentItem(found[0]);
  }
  QAction* Action(const char* name) { return window->findChild<QAction*>(name); }
  // The messages shown since the last press, one a line.
  std::string Said() const {
    std::string all;
    for (const std::string& message : dialogs.Messages()) all += message + '\n';
    return all;
  }

  test::SampleInstall sample;
  AppState state{AppPaths(sample.ProgramFolder()), {}};
  test::ScriptedDialogs dialogs;
  EditorWindow::StockRun stockRun;
  QPointer<EditorWindow> window;
  int browserClosed = 0;
};

// The consist start times of a document, in seconds.
std::vector<double> ConsistStartTimes(const QByteArray& document) {
  std::vector<double> times;
  static const QRegularExpression element("<StartTime[^>]*>([^<]*)</StartTime>");
  for (const auto& match : element.globalMatch(QString::fromUtf8(document))) {
    times.push_back(match.captured(1).toDouble());
  }
  return times;
}

TEST_F(EditorWindowTest, MorningCoalFromOpeningToSavingAndLeaving) {
  Open();
  EXPECT_EQ(window->windowTitle().chopped(3),
            "Scenario Editor  Version 1.0.45   Rail Simulator path in use is - " + sample.RsPath());
  EXPECT_EQ(Find<QLineEdit>("Text1_0")->text(), "Morning Coal Empties");
  EXPECT_EQ(Find<QLineEdit>("Text1_3")->text(), "0700");
  EXPECT_TRUE(Find<QRadioButton>("Option2_0")->isChecked());
  EXPECT_FALSE(Find<QComboBox>("Combo1")->isVisible());
  auto* consists = Find<QListWidget>("List1");
  auto* vehicles = Vehicles();
  ASSERT_EQ(consists->count(), 3);

  // With no consist chosen a command names what is missing.
  Press("Command9");
  EXPECT_EQ(Said(), "You have not selected an item to delete?\n");
  Press("Command4");
  EXPECT_EQ(Said(), "You have not selected a locomotive to drive?\n");

  // Choosing a consist lists its vehicles afresh.
  consists->setCurrentRow(1);
  EXPECT_EQ(vehicles->count(), 2);
  consists->setCurrentRow(0);
  ASSERT_EQ(vehicles->count(), 5);
  EXPECT_EQ(vehicles->item(0)->text(), "Class 66");

  // The details window describes the pressed vehicle and follows the highlighted row.
  consists->setCurrentRow(1);  // 1B17: its second car stands reversed
  ClickRow(1);
  auto* details = window->findChild<VehicleDetailsWindow*>("dlgTips");
  ASSERT_NE(details, nullptr);
  const auto line = [&](const char* label) { return details->findChild<QLabel*>(label)->text(); };
  EXPECT_TRUE(details->isVisible());
  EXPECT_EQ(line("Label4"), "Orientation = Reversed");
  EXPECT_TRUE(line("Label1").endsWith("Class101_DTCL.xml"));
  consists->setCurrentRow(2);  // the loose consist: loaded hoppers
  ClickRow(0);
  EXPECT_EQ(line("Label2"), "Loadable = True");
  EXPECT_EQ(line("Label3"), "Loaded = True");
  EXPECT_EQ(line("Label4"), "Orientation = Forward");
  consists->setCurrentRow(1);
  ClickRow(0);
  EXPECT_EQ(line("Label4"), "Orientation = Forward");
  QTest::keyClick(vehicles, Qt::Key_Down);
  EXPECT_EQ(line("Label4"), "Orientation = Reversed");
  vehicles->setCurrentRow(0);
  Press("Command11");  // a copy at row 1: a row a command changed shows nothing
  ClickRow(1);
  EXPECT_FALSE(details->isVisible());

  // After every command the highlighted rows are the ones the next command acts on.
  Choose(0, {2});  // Class 66 + four hoppers
  Press("Command9");
  EXPECT_EQ(vehicles->count(), 4);
  EXPECT_TRUE(Highlighted().isEmpty());
  const std::string afterDelete = window->Session().scenarioText;
  Press("Command9");  // a second click deletes nothing
  EXPECT_EQ(Said(), "You have not selected an item to delete?\n");
  EXPECT_EQ(window->Session().scenarioText, afterDelete);
  vehicles->setCurrentRow(3);
  const QString last = vehicles->item(3)->text();
  Press("Command13");  // Duplicate at Rear: the copy goes in front, the vehicle one row down
  ASSERT_EQ(vehicles->count(), 5);
  EXPECT_EQ(Highlighted(), QList<int>{4});
  EXPECT_EQ(vehicles->currentItem()->text(), last);
  EXPECT_EQ(vehicles->item(0)->text(), last);
  vehicles->setCurrentRow(1);
  vehicles->item(1)->setSelected(false);  // current but not highlighted: nothing chosen
  Press("Command11");
  EXPECT_EQ(Said(), "You have not selected an item to duplicate?\n");
  EXPECT_EQ(vehicles->count(), 5);

  // Leaving with unsaved consist changes asks; "no" keeps the editor as it is.
  dialogs.shown.clear();
  dialogs.answers = {false};
  EXPECT_FALSE(window->Leave());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(vehicles->count(), 5);
  EXPECT_EQ(Said(),
            "You have made changes to this Scenario, but have not saved them.\nDo you "
            "really wish to exit?\n");

  // The timetable warning is asked until accepted, then never again.
  auto* standard = Find<QRadioButton>("Option2_0");
  auto* timetable = Find<QRadioButton>("Option2_1");
  dialogs.shown.clear();
  dialogs.answers = {false};
  Click(timetable);
  EXPECT_TRUE(standard->isChecked());
  EXPECT_FALSE(state.settings.timetableWarningAccepted);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(Said().starts_with("Changing Scenario type from Standard to Timetable"));
  dialogs.answers = {true};
  Click(timetable);
  EXPECT_TRUE(timetable->isChecked());
  EXPECT_TRUE(state.settings.timetableWarningAccepted);
  Click(standard);  // never asks
  Click(timetable);
  EXPECT_TRUE(timetable->isChecked());
  EXPECT_EQ(dialogs.shown.size(), 2u);

  // The season list appears on focus; its choice goes into the box when the focus leaves.
  auto* season = Find<QLineEdit>("Text1_8");
  auto* chooser = Find<QComboBox>("Combo1");
  season->setFocus();
  EXPECT_TRUE(chooser->isVisible());
  chooser->setCurrentIndex(3);
  EXPECT_EQ(season->text(), "SEASON_SUMMER") << "picking alone changes only the list";
  Find<QLineEdit>("Text1_9")->setFocus();
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_EQ(season->text(), "SEASON_WINTER");

  // Set Weather fills the three boxes from the chosen file.
  auto* files = Find<QListWidget>("File1");
  files->setCurrentItem(files->findItems("Overcast.bin", Qt::MatchExactly).value(0));
  Press("Command3");
  EXPECT_EQ(QStringList({Find<QLineEdit>("Text1_9")->text(), Find<QLineEdit>("Text1_10")->text(),
                         Find<QLineEdit>("Text1_11")->text()}),
            QStringList({"Kuju", "RailSimulator", "Weather\\Overcast.xml"}));

  // The stock folder is kept with its closing separator.
  ChooseStockFolder();
  const QString stockFolder =
      QDir::toNativeSeparators(sample.Path("Assets/Kuju/RailSimulator/RailVehicles") + "/");
  EXPECT_EQ(state.settings.lastStockFolder, stockFolder);

  // The save writes what was typed and, the box handing back "\n" for every line break and a
  // blank for a non-breaking space, what the person left alone exactly as it was read. Change
  // for all consists moves every consist's start time with the scenario's. Then the editor
  // closes and writes the settings.
  const QString index = sample.Path("Content/Routes/" + kRoute + "/Scenarios.bin");
  const QString document = sample.Path("Content/Routes/" + kRoute + "/Scenarios/" +
                                       QString::fromStdString(kMorningCoal) + "/Scenario.bin");
  const QByteArray description =
      "Take a rake of empty hoppers from Holtby Yard\r\nup the valley to Marsh\xA0"
      "Colliery.\rMind the gradient.";
  const QByteArray briefing =
      "Wait for the 1B17 stopping service to clear the branch, then depart.";
  ASSERT_EQ(test::DecodeBin(index).count(description), 1);
  const std::vector<double> startsBefore = ConsistStartTimes(test::DecodeBin(document));
  ASSERT_FALSE(startsBefore.empty());
  ASSERT_FALSE(QFile::exists(state.paths.IniPath()));
  auto* box = Find<QPlainTextEdit>("Text1_2");
  box->moveCursor(QTextCursor::End);
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClicks(box, "Bring a flask.");
  Type("Text1_3", "0815");
  Click(Find<QCheckBox>("Check1"));
  dialogs.answers = {true};  // Drive It with nothing chosen above left no consist driven
  Press("Command1");
  ASSERT_FALSE(dialogs.shown.empty());
  ASSERT_EQ(dialogs.shown.back().icon, MessageIcon::Information) << dialogs.shown.back().text;
  const QByteArray saved = test::DecodeBin(index);
  EXPECT_EQ(saved.count(description), 5) << "untouched: the same bytes in all five languages";
  EXPECT_EQ(saved.count(briefing + "\r\nBring a flask.<"), 5) << "typed: CR LF, the rest kept";
  const std::vector<double> startsAfter = ConsistStartTimes(test::DecodeBin(document));
  ASSERT_EQ(startsAfter.size(), startsBefore.size());
  for (std::size_t i = 0; i < startsAfter.size(); ++i) {
    EXPECT_EQ(startsAfter[i], startsBefore[i] + 4500) << "consist start time " << i;
  }
  EXPECT_EQ(browserClosed, 1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(test::ReadFileBytes(state.paths.IniPath()),
            (sample.RsPath() + "\r\n\r\n" + stockFolder + "\r\nTrue\r\n").toUtf8());
}

TEST_F(EditorWindowTest, EmptyConsistRefusesCommandsAndRunEditorLeaves) {
  Open(kFreeRoam);
  Choose(0, {0});
  ASSERT_EQ(Vehicles()->count(), 1);
  Press("Command9");
  ASSERT_EQ(Vehicles()->count(), 1);
  EXPECT_EQ(Vehicles()->item(0)->text(), "Empty Consist");
  EXPECT_TRUE(window->Modified());
  const std::string before = window->Session().scenarioText;
  Vehicles()->setCurrentRow(0);
  Press("Command11");  // Duplicate Item
  EXPECT_EQ(window->Session().scenarioText, before);
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::Exclamation);
  ClickRow(0);  // the caption is no vehicle: no details
  EXPECT_EQ(window->findChild<VehicleDetailsWindow*>("dlgTips"), nullptr);

  // Run Rail Sim Editor starts the editor without the log option, asks nothing and leaves.
  const QString log = sample.Path("launches.log");
  Press("Command8");
  ASSERT_TRUE(QTest::qWaitFor([&] { return test::ReadFileBytes(log).endsWith('\n'); }, 20000));
  EXPECT_TRUE(test::ReadFileBytes(log).startsWith("RailSimEditor.exe\t"));
  EXPECT_FALSE(test::ReadFileBytes(log).contains("-LogMate"));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(browserClosed, 1);
}

// Every step undoes to the controls before it and redoes to those after it; Modified is the
// stack's clean state: a save makes it clean, a failed one does not, undoing past it does.
TEST_F(EditorWindowTest, EveryStepUndoesAndRedoesAndModifiedFollowsTheCleanState) {
  Open();
  GatherStock("Option1_4", "VEA Covered Van");
  dialogs.answers = {true, true, true, true};
  const std::string loaded = window->Session().scenarioText;
  for (const auto& c : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/editor_window/undo_steps.txt")) {
    const std::string& name = c.fields[0];
    const std::string& chosen = c.fields[1];
    SCOPED_TRACE(name);
    if (chosen.starts_with("File1=")) {
      auto* files = Find<QListWidget>("File1");
      files->setCurrentItem(
          files->findItems(QString::fromStdString(chosen.substr(6)), Qt::MatchExactly).value(0));
    } else if (chosen != "-") {
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
    if (c.fields[2] == "click") Click(Find<QWidget>(control));
    ASSERT_EQ(window->UndoStack()->count(), count + 1) << Said();
    EXPECT_EQ(Action("actionUndo")->text(), QString::fromStdString("Undo " + name));
    const std::string after = Look();
    EXPECT_NE(after, before);
    Action("actionUndo")->trigger();
    EXPECT_EQ(Look(), before);
    Action("actionRedo")->trigger();
    EXPECT_EQ(Look(), after);
  }
  EXPECT_TRUE(window->Modified());
  EXPECT_TRUE(window->isWindowModified());
  while (window->UndoStack()->canUndo()) Action("actionUndo")->trigger();
  EXPECT_EQ(window->Session().scenarioText, loaded);
  EXPECT_FALSE(window->Modified());

  Choose(0, {1});
  Press("Command11");
  qputenv("FENNICK_SERZ_FAIL", "exit:Scenario.xml");
  Press("Command1");
  qunsetenv("FENNICK_SERZ_FAIL");
  EXPECT_TRUE(window->Modified()) << "a failed save leaves the changes unsaved";
  Type("Text1_0", "Morning Coal Copy");
  dialogs.answers = {true, true};
  Press("Command12");  // the clone keeps them
  EXPECT_FALSE(window->Modified());
  Action("actionUndo")->trigger();
  EXPECT_TRUE(window->Modified());
  Action("actionRedo")->trigger();
  EXPECT_FALSE(window->Modified());
}

// Vehicles whose blueprints are installed nowhere are marked, and so are their consists; the
// marks and the report follow the document through a swap, its undo and its redo.
TEST_F(EditorWindowTest, MissingStockMarksFollowTheDocument) {
  Open(kPullmanExcursion, kMarshJunction);
  GatherStock("Option1_0", "Class 66");  // Diesel
  const auto tooltips = [&](const char* list) {
    QStringList seen;
    auto* rows = Find<QListWidget>(list);
    for (int i = 0; i < rows->count(); ++i) seen << rows->item(i)->toolTip();
    return seen;
  };
  const QString class47 =
      "Not installed: " + sample.RsPath() +
      "\\Assets\\Kuju\\RailSimulator\\RailVehicles\\Diesel\\Class47\\Class47.bin";
  const QStringList marked = {"", "1 vehicle of this consist is not installed"};
  const QStringList none = {"", ""};
  EXPECT_EQ(tooltips("List1"), marked) << "the archived Pullmans count as installed";
  Choose(1, {0});
  EXPECT_EQ(tooltips("List2"), QStringList({class47, ""}));
  Action("actionMissingStock")->trigger();
  auto* table = window->findChild<QTableWidget*>("tblMissingStock");
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rowCount(), 1);
  EXPECT_EQ(table->item(0, 0)->text() + table->item(0, 1)->text() + table->item(0, 2)->text(),
            "2. 5Z47 Support Coaches1. Class "
            "47Kuju\\RailSimulator\\RailVehicles\\Diesel\\Class47\\Class47.xml");

  dialogs.answers = {true, true};
  Press("Command10");
  ASSERT_EQ(window->UndoStack()->count(), 1) << Said();
  EXPECT_EQ(tooltips("List1") + tooltips("List2"), none + none);
  dialogs.shown.clear();
  Action("actionMissingStock")->trigger();
  EXPECT_EQ(Said(), "All 5 vehicles of this scenario are installed.\n");
  Action("actionUndo")->trigger();
  EXPECT_EQ(tooltips("List1") + tooltips("List2"), marked + QStringList({class47, ""}));
  Action("actionRedo")->trigger();
  EXPECT_EQ(tooltips("List1") + tooltips("List2"), none + none);
}

// From the browser: a scenario that cannot be opened stays there; opening another one over an
// editor with changes asks, and "yes" replaces the editor with one loaded anew.
TEST(ProgramWindowsTest, OpeningAScenarioFromTheBrowser) {
  test::SampleInstall sample;
  ASSERT_TRUE(sample.ok());
  AppState state{AppPaths(sample.ProgramFolder()), {sample.RsPath(), "", "", false}};
  test::ScriptedDialogs dialogs;
  ProgramWindows windows{state, dialogs};
  windows.OpenBrowser();
  browser::ListScenarios(state, windows.BrowserState(), 0, dialogs);
  ASSERT_GE(windows.BrowserState().scenarioIds.size(), 2u);
  dialogs.shown.clear();

  qputenv("FENNICK_SERZ_FAIL", "exit:Scenario.bin");
  windows.EditScenario({0});
  qunsetenv("FENNICK_SERZ_FAIL");
  EXPECT_EQ(windows.Editor(), nullptr);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(dialogs.shown[0].text.find("serz.exe"), std::string::npos);

  windows.EditScenario({0});
  QPointer<EditorWindow> first = windows.Editor();
  ASSERT_NE(first, nullptr);
  first->findChild<QListWidget*>("List1")->setCurrentRow(0);
  first->findChild<QListWidget*>("List2")->setCurrentRow(0);
  QTest::mouseClick(first->findChild<QPushButton*>("Command9"), Qt::LeftButton);  // a change
  dialogs.answers = {false};  // keep the first editor
  windows.EditScenario({1});
  EXPECT_EQ(windows.Editor(), first.data());
  EXPECT_EQ(first->findChild<QLineEdit*>("Text1_0")->text(), "Morning Coal Empties");
  dialogs.answers = {true};
  windows.EditScenario({1});
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  EditorWindow* second = windows.Editor();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->findChild<QLineEdit*>("Text1_0")->text(), "Evening Commuters");
  EXPECT_FALSE(second->Modified());
  delete windows.Editor();
  delete windows.Browser();
}

}  // namespace
}  // namespace fennick::ui
