#include <gtest/gtest.h>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <memory>

#include "tests/browser/browser_fixture.h"
#include "ui/routes_window.h"

namespace fennick::ui {
namespace {

using test::ReadFileBytes;

class RoutesWindowTest : public test::BrowserFixture {
 protected:
  void Open() {
    window = std::make_unique<RoutesWindow>(app, browser, dialogs);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  template <typename Control = QPushButton>
  Control* Find(const QString& name) const {
    auto* control = window->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }
  QTreeWidget* Routes() const { return Find<QTreeWidget>("List1"); }
  QTreeWidget* Scenarios() const { return Find<QTreeWidget>("List3"); }
  QListWidget* SavedCopies() const { return Find<QListWidget>("File2"); }
  // Command1 to Command9, '1' for each one enabled.
  std::string Enabled() const {
    std::string enabled;
    for (int i = 1; i <= 9; ++i)
      enabled += Find("Command" + QString::number(i))->isEnabled() ? '1' : '0';
    return enabled;
  }
  void Click(QTreeWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(row)).center());
  }
  void ClickRoute(const QString& route) { Click(Routes(), test::RowOf(browser, route)); }
  browser::ListRows Rows(QTreeWidget* list) const {
    browser::ListRows rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      rows.push_back({list->topLevelItem(i)->text(0), list->topLevelItem(i)->text(1)});
    }
    return rows;
  }
  QStringList SavedCopyNames() const {
    QStringList names;
    for (int i = 0; i < SavedCopies()->count(); ++i) names << SavedCopies()->item(i)->text();
    return names;
  }

  std::unique_ptr<RoutesWindow> window;
};

TEST_F(RoutesWindowTest, TheStateAfterLoading) {
  Open();
  // Usable at first: Command1, Command4 to Command6, Command8 and Command9.
  EXPECT_EQ(Enabled(), "100111011");
  EXPECT_EQ(Rows(Routes()), test::SampleRoutes());
  EXPECT_EQ(Scenarios()->topLevelItemCount(), 0);
  EXPECT_EQ(SavedCopies()->count(), 0);
  EXPECT_TRUE(window->SavedCopiesFolder().isEmpty());
  EXPECT_TRUE(dialogs.shown.empty());
  Find("Command9")->click();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(RoutesWindowTest, ARouteClickListsItsScenariosAndAPressChoosesOne) {
  Open();
  ClickRoute(test::kSevernVale);
  EXPECT_EQ(Rows(Scenarios()), test::SevernValeScenarios());
  EXPECT_EQ(Enabled(), "110111111");
  EXPECT_EQ(window->SavedCopiesFolder(), app.paths.ProgramFolder());
  // A press below the last row enables reverting but chooses no scenario.
  QTest::mouseClick(Scenarios()->viewport(), Qt::LeftButton, {},
                    QPoint(10, Scenarios()->viewport()->height() - 3));
  EXPECT_TRUE(Find("Command3")->isEnabled());
  EXPECT_EQ(window->SavedCopiesFolder(), app.paths.ProgramFolder());
  EXPECT_TRUE(browser.scenarioFolder.isEmpty());

  Click(Scenarios(), 0);
  EXPECT_EQ(window->SavedCopiesFolder(), MorningCoalText());
  EXPECT_EQ(browser.scenarioFolder, MorningCoalText());
  EXPECT_EQ(browser.routeFolder, browser.listedRouteFolder);
  EXPECT_EQ(SavedCopyNames(), (QStringList{"Before the junction.xml", "CurrentSave.xml"}));
  Click(Scenarios(), 1);
  EXPECT_TRUE(SavedCopyNames().isEmpty());
  EXPECT_TRUE(dialogs.shown.empty());

  // Moving to another route with the keys lists it as a click does.
  const int severn = test::RowOf(browser, test::kSevernVale);
  const bool up = severn > 0;
  QTest::keyClick(Routes(), up ? Qt::Key_Up : Qt::Key_Down);
  const int moved = severn + (up ? -1 : 1);
  EXPECT_EQ(Routes()->currentIndex().row(), moved);
  EXPECT_EQ(browser.listedRouteFolder.endsWith(Routes()->topLevelItem(moved)->text(1)), true)
      << browser.listedRouteFolder.toStdString();
}

TEST_F(RoutesWindowTest, TheListButtonListsTheSelectedRouteOrSaysThereIsNone) {
  Open();
  Find("Command1")->click();
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"You have not selected a Route."});
  EXPECT_EQ(Scenarios()->topLevelItemCount(), 0);
  EXPECT_FALSE(QFile::exists(TempFile("Scenarios.xml")));
  EXPECT_TRUE(Find("Command7")->isEnabled()) << "enabled after any listing";

  Routes()->setCurrentItem(Routes()->topLevelItem(test::RowOf(browser, test::kMarshJunction)));
  EXPECT_EQ(Scenarios()->topLevelItemCount(), 0) << "selecting alone does not list";
  EXPECT_FALSE(Find("Command2")->isEnabled());
  Find("Command1")->click();
  EXPECT_EQ(Scenarios()->topLevelItemCount(), 4);
}

TEST_F(RoutesWindowTest, EditSelectedScenarioHandsTheSelectedRowsOn) {
  Open();
  ClickRoute(test::kSevernVale);
  Find("Command7")->click();  // no handler yet: nothing happens
  std::vector<std::vector<int>> calls;
  window->SetEditScenarioHandler([&](const std::vector<int>& rows) { calls.push_back(rows); });
  Find("Command7")->click();
  Click(Scenarios(), 2);
  Find("Command7")->click();
  EXPECT_EQ(calls, (std::vector<std::vector<int>>{{}, {2}}));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RoutesWindowTest, RevertingUsesUpTheSelection) {
  Open();
  const QString route = RoutePath(test::kSevernVale);
  ASSERT_TRUE(test::WriteFileBytes(route + "/Scenarios.bak", "first"));
  ASSERT_TRUE(test::WriteFileBytes(route + "/Scenarios.bak2", "second"));
  ASSERT_TRUE(test::WriteFileBytes(MorningCoal("Scenario.bak"), "scenario first"));
  ClickRoute(test::kSevernVale);
  Click(Scenarios(), 0);
  Find("Command3")->click();
  EXPECT_EQ(ReadFileBytes(MorningCoal("Scenario.bin")), "scenario first");
  EXPECT_TRUE(Scenarios()->selectedItems().isEmpty());
  Find("Command2")->click();
  EXPECT_EQ(ReadFileBytes(route + "/Scenarios.bin"), "first");
  EXPECT_FALSE(QFile::exists(route + "/Scenarios.bak2"));
  EXPECT_TRUE(Routes()->selectedItems().isEmpty());
  // A second press finds no row and does nothing.
  ASSERT_TRUE(test::WriteFileBytes(route + "/Scenarios.bak", "again"));
  Find("Command2")->click();
  EXPECT_EQ(ReadFileBytes(route + "/Scenarios.bin"), "first");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RoutesWindowTest, SavedGameCommandsUseTheCopySelectedInTheScenarioFolder) {
  Open();
  const QByteArray saved = ReadFileBytes(MorningCoal("Before the junction.xml"));
  ClickRoute(test::kSevernVale);
  Click(Scenarios(), 0);
  dialogs.texts = {"Kept"};
  Find("Command4")->click();
  EXPECT_EQ(SavedCopyNames(),
            (QStringList{"Before the junction.xml", "CurrentSave.xml", "Kept.xml"}));
  SavedCopies()->setCurrentRow(0);  // Before the junction.xml
  dialogs.answers = {true, true};
  Find("Command8")->click();
  EXPECT_EQ(Started(true), "RailSimEditor.exe");
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), saved);
  ASSERT_TRUE(test::WriteFileBytes(MorningCoal("CurrentSave.xml"), "current"));
  Find("Command5")->click();
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), saved);
  ASSERT_EQ(dialogs.shown.size(), 3u);
  EXPECT_TRUE(dialogs.shown[2].text.ends_with("with the selected file. Proceed?"));

  // A file chosen while the list shows another folder (here the program folder) does not count.
  ASSERT_TRUE(test::WriteFileBytes(MorningCoal("CurrentSave.xml"), "current"));
  ASSERT_TRUE(test::WriteFileBytes(install.ProgramFolder() + "/Program.xml", "x"));
  ClickRoute(test::kMarshJunction);
  SavedCopies()->setCurrentRow(0);
  ASSERT_EQ(SavedCopies()->currentItem()->text(), "Program.xml");
  dialogs.shown.clear();
  Find("Command5")->click();
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{
                "You have not selected a saved file to put in place of CurrentSave.xml."});
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), "current");

  // With an empty list the simulator starts at once.
  ClickRoute(test::kSevernVale);
  Click(Scenarios(), 1);
  ASSERT_EQ(SavedCopies()->count(), 0);
  dialogs.shown.clear();
  Find("Command6")->click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Started(true), "RailSim.exe");
}

// The backups window of Marsh Junction's Steam Gala Special, which the sample gives a history:
// a restore through it lists the kept document, and the comparison marks the two differences.
TEST_F(RoutesWindowTest, BackupsWindowRestoresAndCompares) {
  Open();
  Find("cmdScenarioBackups")->click();
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"You have not selected a Scenario?"});
  ClickRoute(test::kMarshJunction);
  Click(Scenarios(), 0);
  Find("cmdScenarioBackups")->click();
  auto* backups = window->findChild<QDialog*>("frmBackups");
  ASSERT_NE(backups, nullptr);
  auto* list = backups->findChild<QTreeWidget*>("lstBackups");
  ASSERT_EQ(list->topLevelItemCount(), 5);  // Scenario.bin, then .bak, .bak1, .bak2, .bak10
  list->setCurrentItem(list->topLevelItem(3));
  ASSERT_EQ(list->currentItem()->text(0), "Scenario.bak2");

  dialogs.answers = {true};
  backups->findChild<QPushButton*>("cmdRestoreBackup")->click();
  const QString folder =
      RoutePath(test::kMarshJunction, "Scenarios/6a2b4c75-8394-4fb6-92c7-3e45f6a7b8c9/");
  EXPECT_EQ(ReadFileBytes(folder + "Scenario.bin"), ReadFileBytes(folder + "Scenario.bak2"));
  ASSERT_EQ(list->topLevelItemCount(), 6);
  EXPECT_EQ(list->topLevelItem(4)->text(0), "Scenario.bak3");

  list->setCurrentItem(list->topLevelItem(1));  // Scenario.bak
  backups->findChild<QPushButton*>("cmdCompareBackup")->click();
  auto* comparison = backups->findChild<QDialog*>("frmCompareBackup");
  ASSERT_NE(comparison, nullptr) << testing::PrintToString(dialogs.Messages());
  auto* rows = comparison->findChild<QTreeWidget*>("lstComparison");
  QStringList marked;
  for (QTreeWidgetItemIterator it(rows); *it; ++it) {
    if ((*it)->data(0, Qt::UserRole).toBool()) marked << (*it)->text(0);
  }
  EXPECT_EQ(marked, QStringList({"Duration", "Vehicle 3"}));
}

}  // namespace
}  // namespace fennick::ui
