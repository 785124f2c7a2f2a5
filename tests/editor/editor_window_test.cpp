#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>
#include <QTreeView>
#include <algorithm>

#include "bridge/converter.h"
#include "bridge/paths.h"
#include "browser/open_scenario.h"
#include "browser/scenario_catalogue.h"
#include "tests/editor/editor_window_fixture.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/editor_window.h"
#include "ui/program_windows.h"
#include "ui/vehicle_details_window.h"

namespace fennick::ui {
namespace {

TEST_F(EditorWindowTest, CaptionBoxesAndConsists) {
  Open();
  EXPECT_EQ(window->windowTitle().chopped(3),
            "Scenario Editor  Version 1.0.45   Rail Simulator path in use is - " + sample.RsPath());
  EXPECT_EQ(Find<QLineEdit>("Text1_0")->text(), "Morning Coal Empties");
  EXPECT_EQ(Find<QLineEdit>("Text1_3")->text(), "0700");
  EXPECT_EQ(Find<QLineEdit>("Text1_3")->toolTip(), "Change the Start Time of the main Consist.");
  EXPECT_TRUE(Find<QRadioButton>("Option2_0")->isChecked());
  EXPECT_EQ(Find<QListWidget>("List1")->count(), 3);
  EXPECT_FALSE(Find<QLabel>("Label3")->text().isEmpty());
  EXPECT_FALSE(Find<QComboBox>("Combo1")->isVisible());
}

const std::string kFreeRoam = "3d9e1f42-5061-4c83-af74-0b12c3d4e5f6";  // one-vehicle driven consist

TEST_F(EditorWindowTest, ChoosingAConsistListsItsVehiclesAfresh) {
  Open();
  auto* consists = Find<QListWidget>("List1");
  auto* vehicles = Find<QListWidget>("List2");
  consists->setCurrentRow(1);
  const int secondCount = vehicles->count();
  consists->setCurrentRow(0);
  EXPECT_EQ(vehicles->count(), 5);
  EXPECT_EQ(vehicles->item(0)->text(), "Class 66");
  EXPECT_EQ(secondCount, 2);
}

TEST_F(EditorWindowTest, DetailsWindowDescribesThePressedVehicle) {
  Open();
  Find<QListWidget>("List1")->setCurrentRow(1);  // 1B17: its second car stands reversed
  auto* vehicles = Find<QListWidget>("List2");
  QTest::mouseClick(vehicles->viewport(), Qt::LeftButton, {},
                    vehicles->visualItemRect(vehicles->item(1)).center());
  auto* details = window->findChild<VehicleDetailsWindow*>("dlgTips");
  ASSERT_NE(details, nullptr);
  EXPECT_TRUE(details->isVisible());
  EXPECT_EQ(details->findChild<QLabel*>("Label4")->text(), "Orientation = Reversed");
  EXPECT_TRUE(details->findChild<QLabel*>("Label1")->text().endsWith("Class101_DTCL.xml"));

  Find<QListWidget>("List1")->setCurrentRow(2);  // the loose consist: loaded hoppers
  QTest::mouseClick(vehicles->viewport(), Qt::LeftButton, {},
                    vehicles->visualItemRect(vehicles->item(0)).center());
  EXPECT_EQ(details->findChild<QLabel*>("Label2")->text(), "Loadable = True");
  EXPECT_EQ(details->findChild<QLabel*>("Label3")->text(), "Loaded = True");
  EXPECT_EQ(details->findChild<QLabel*>("Label4")->text(), "Orientation = Forward");

  // It follows the highlighted row, and a row a command changed shows nothing.
  Find<QListWidget>("List1")->setCurrentRow(1);
  vehicles->setCurrentRow(0);
  QTest::mouseClick(vehicles->viewport(), Qt::LeftButton, {},
                    vehicles->visualItemRect(vehicles->item(0)).center());
  EXPECT_EQ(details->findChild<QLabel*>("Label4")->text(), "Orientation = Forward");
  QTest::keyClick(vehicles, Qt::Key_Down);
  EXPECT_EQ(details->findChild<QLabel*>("Label4")->text(), "Orientation = Reversed");
  vehicles->setCurrentRow(0);
  QTest::mouseClick(Find<QPushButton>("Command11"), Qt::LeftButton);  // a copy at row 1
  QTest::mouseClick(vehicles->viewport(), Qt::LeftButton, {},
                    vehicles->visualItemRect(vehicles->item(1)).center());
  EXPECT_FALSE(details->isVisible());
}

TEST_F(EditorWindowTest, DeletingTheOnlyVehicleLeavesAnEmptyConsistThatRefusesCommands) {
  Open(kFreeRoam);
  Find<QListWidget>("List1")->setCurrentRow(0);
  auto* vehicles = Find<QListWidget>("List2");
  ASSERT_EQ(vehicles->count(), 1);
  vehicles->setCurrentRow(0);
  QTest::mouseClick(Find<QPushButton>("Command9"), Qt::LeftButton);
  ASSERT_EQ(vehicles->count(), 1);
  EXPECT_EQ(vehicles->item(0)->text(), "Empty Consist");
  EXPECT_TRUE(window->Modified());

  const std::string before = window->Session().scenarioText;
  dialogs.shown.clear();
  vehicles->setCurrentRow(0);
  QTest::mouseClick(Find<QPushButton>("Command11"), Qt::LeftButton);  // Duplicate Item
  EXPECT_EQ(window->Session().scenarioText, before);
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::Exclamation);
  // Pressing the caption shows no details: it is no vehicle.
  QTest::mouseClick(vehicles->viewport(), Qt::LeftButton, {},
                    vehicles->visualItemRect(vehicles->item(0)).center());
  EXPECT_EQ(window->findChild<VehicleDetailsWindow*>("dlgTips"), nullptr);
}

TEST_F(EditorWindowTest, TimetableWarningAskedUntilAccepted) {
  Open();
  auto* standard = Find<QRadioButton>("Option2_0");
  auto* timetable = Find<QRadioButton>("Option2_1");
  dialogs.answers = {false};
  QTest::mouseClick(timetable, Qt::LeftButton);
  EXPECT_TRUE(standard->isChecked());
  EXPECT_FALSE(state.settings.timetableWarningAccepted);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::OkCancel);
  EXPECT_EQ(dialogs.shown[0].text.rfind("Changing Scenario type from Standard to Timetable", 0),
            0u);

  dialogs.answers = {true};
  QTest::mouseClick(timetable, Qt::LeftButton);
  EXPECT_TRUE(timetable->isChecked());
  EXPECT_TRUE(state.settings.timetableWarningAccepted);

  QTest::mouseClick(standard, Qt::LeftButton);   // never asks
  QTest::mouseClick(timetable, Qt::LeftButton);  // accepted once: no question again
  EXPECT_TRUE(timetable->isChecked());
  EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(EditorWindowTest, ExitAsksOnlyAfterUnsavedConsistChanges) {
  Open();
  EXPECT_TRUE(window->Leave());
  EXPECT_EQ(browserClosed, 1);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(QFile::exists(state.paths.IniPath())) << "closing writes the settings";

  delete window.data();
  Open();
  Find<QPlainTextEdit>("Text1_1")->setPlainText("only the description");  // no consist change
  Find<QListWidget>("List1")->setCurrentRow(0);
  Find<QListWidget>("List2")->setCurrentRow(1);
  QTest::mouseClick(Find<QPushButton>("Command11"), Qt::LeftButton);  // Duplicate Item
  dialogs.shown.clear();
  dialogs.answers = {false};
  EXPECT_FALSE(window->Leave());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Find<QListWidget>("List2")->count(), 6) << "the duplicate stays";
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text,
            "You have made changes to this Scenario, but have not saved them.\nDo you really wish "
            "to exit?");
  dialogs.answers = {true};
  EXPECT_TRUE(window->Leave());
}

TEST_F(EditorWindowTest, SeasonListAppearsOnFocusAndHandsItsChoiceToTheBox) {
  Open();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  auto* season = Find<QLineEdit>("Text1_8");
  auto* chooser = Find<QComboBox>("Combo1");
  season->setFocus();
  EXPECT_TRUE(chooser->isVisible());
  chooser->setCurrentIndex(3);
  EXPECT_EQ(season->text(), "SEASON_SUMMER") << "picking alone changes only the list";
  Find<QLineEdit>("Text1_9")->setFocus();
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_EQ(season->text(), "SEASON_WINTER");
}

TEST_F(EditorWindowTest, SetWeatherFillsTheThreeBoxesFromTheChosenFile) {
  Open();
  auto* files = Find<QListWidget>("File1");
  ASSERT_GT(files->count(), 0);
  const auto found = files->findItems("Overcast.bin", Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  files->setCurrentItem(found[0]);
  QTest::mouseClick(Find<QPushButton>("Command3"), Qt::LeftButton);
  EXPECT_EQ(Find<QLineEdit>("Text1_9")->text(), "Kuju");
  EXPECT_EQ(Find<QLineEdit>("Text1_10")->text(), "RailSimulator");
  EXPECT_EQ(Find<QLineEdit>("Text1_11")->text(), "Weather\\Overcast.xml");
  EXPECT_TRUE(window->Modified()) << "a step, yet no consist changed";
}

TEST_F(EditorWindowTest, ChosenStockFolderIsKeptWithItsClosingSeparator) {
  Open();
  auto* folders = Find<QTreeView>("Dir2");
  auto* model = qobject_cast<QFileSystemModel*>(folders->model());
  ASSERT_NE(model, nullptr);
  const QString railVehicles = sample.Path("Assets/Kuju/RailSimulator/RailVehicles");
  folders->setCurrentIndex(model->index(railVehicles));
  EXPECT_EQ(state.settings.lastStockFolder, QDir::toNativeSeparators(railVehicles + "/"));
}

// The box hands back "\n" for every line break and a blank for a non-breaking space; the save
// must write what the person left alone exactly as it was read.
TEST_F(EditorWindowTest, SaveKeepsTheBytesOfTextsThePersonDidNotChange) {
  Open();
  const QString index = sample.Path("Content/Routes/" + kRoute + "/Scenarios.bin");
  const QByteArray description =
      "Take a rake of empty hoppers from Holtby Yard\r\nup the valley to Marsh\xA0"
      "Colliery.\rMind the gradient.";
  const QByteArray briefing =
      "Wait for the 1B17 stopping service to clear the branch, then depart.";
  ASSERT_EQ(test::DecodeBin(index).count(description), 1);

  auto* box = Find<QPlainTextEdit>("Text1_2");
  box->moveCursor(QTextCursor::End);
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClicks(box, "Bring a flask.");
  QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
  ASSERT_FALSE(dialogs.shown.empty());
  ASSERT_EQ(dialogs.shown.back().icon, MessageIcon::Information) << dialogs.shown.back().text;

  const QByteArray saved = test::DecodeBin(index);
  EXPECT_EQ(saved.count(description), 5) << "untouched: the same bytes in all five languages";
  EXPECT_EQ(saved.count(briefing + "\r\nBring a flask.<"), 5) << "typed: CR LF, the rest kept";
}

// After every command the highlighted rows are the ones the next command acts on.
TEST_F(EditorWindowTest, HighlightedRowsAreTheRowsTheNextCommandActsOn) {
  Open();
  auto* consists = Find<QListWidget>("List1");
  auto* vehicles = Find<QListWidget>("List2");
  const auto press = [&](const char* button) {
    dialogs.shown.clear();
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
  };
  const auto highlighted = [&] {
    QList<int> rows;
    for (const QListWidgetItem* item : vehicles->selectedItems())
      rows.push_back(vehicles->row(item));
    std::sort(rows.begin(), rows.end());
    return rows;
  };

  press("Command9");  // Delete Item with no consist chosen: its own question, nothing changed
  ASSERT_EQ(dialogs.Messages(),
            std::vector<std::string>{"You have not selected an item to delete?"});
  press("Command4");
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"You have not selected a locomotive to drive?"});

  consists->setCurrentRow(0);  // Class 66 + four hoppers
  vehicles->setCurrentRow(2);
  press("Command9");
  EXPECT_EQ(vehicles->count(), 4);
  EXPECT_TRUE(highlighted().isEmpty());
  const std::string afterDelete = window->Session().scenarioText;
  press("Command9");  // a second click deletes nothing
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"You have not selected an item to delete?"});
  EXPECT_EQ(window->Session().scenarioText, afterDelete);

  vehicles->setCurrentRow(3);
  const QString last = vehicles->item(3)->text();
  press("Command13");  // Duplicate at Rear: the copy goes in front, the vehicle one row down
  ASSERT_EQ(vehicles->count(), 5);
  EXPECT_EQ(highlighted(), QList<int>{4});
  EXPECT_EQ(vehicles->currentItem()->text(), last);
  EXPECT_EQ(vehicles->item(0)->text(), last);

  vehicles->setCurrentRow(1);
  vehicles->item(1)->setSelected(false);  // current but not highlighted: nothing chosen
  press("Command11");
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"You have not selected an item to duplicate?"});
  EXPECT_EQ(vehicles->count(), 5);
}

// The browser of a fresh sample installation with Severn Vale Branch listed.
class ProgramWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sample.ok());
    windows.OpenBrowser();
    browser::ListScenarios(state, windows.BrowserState(), 0, dialogs);
    ASSERT_GE(windows.BrowserState().scenarioIds.size(), 2u);
    dialogs.shown.clear();
  }
  void TearDown() override {
    delete windows.Editor();
    delete windows.Browser();
  }

  test::SampleInstall sample;
  AppState state{AppPaths(sample.ProgramFolder()), {sample.RsPath(), "", "", false}};
  test::ScriptedDialogs dialogs;
  ProgramWindows windows{state, dialogs};
};

TEST_F(ProgramWindowsTest, OpeningAnotherScenarioReplacesTheEditorAndLoadsAnew) {
  windows.EditScenario({0});
  QPointer<EditorWindow> first = windows.Editor();
  ASSERT_NE(first, nullptr);
  first->findChild<QListWidget*>("List1")->setCurrentRow(0);
  first->findChild<QListWidget*>("List2")->setCurrentRow(0);
  QTest::mouseClick(first->findChild<QPushButton*>("Command9"), Qt::LeftButton);  // a change
  ASSERT_TRUE(first->Modified());

  dialogs.answers = {false};  // keep the first editor
  windows.EditScenario({1});
  EXPECT_EQ(windows.Editor(), first.data());
  EXPECT_EQ(first->findChild<QLineEdit*>("Text1_0")->text(), "Morning Coal Empties");

  dialogs.answers = {true};
  windows.EditScenario({1});
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  ASSERT_NE(windows.Editor(), nullptr);
  EditorWindow* second = windows.Editor();
  EXPECT_EQ(second->findChild<QLineEdit*>("Text1_0")->text(), "Evening Commuters");
  EXPECT_TRUE(second->findChild<QRadioButton*>("Option2_1")->isChecked());
  EXPECT_FALSE(second->Modified());
  EXPECT_EQ(second->findChild<QListWidget*>("List1")->item(0)->text().isEmpty(), false);
}

TEST_F(ProgramWindowsTest, ScenarioThatCannotBeOpenedStaysInTheBrowser) {
  qputenv("FENNICK_SERZ_FAIL", "exit:Scenario.bin");
  windows.EditScenario({0});
  qunsetenv("FENNICK_SERZ_FAIL");
  EXPECT_EQ(windows.Editor(), nullptr);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(dialogs.shown[0].text.find("serz.exe"), std::string::npos) << dialogs.shown[0].text;
}

}  // namespace
}  // namespace fennick::ui
