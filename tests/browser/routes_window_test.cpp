#include <QDialog>
#include <QCheckBox>
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
using Messages = std::vector<std::string>;

// The routes window over the sample installation, every outcome checked along the way.
class RoutesWindowTest : public test::BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    window = std::make_unique<RoutesWindow>(app, browser, dialogs);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  template <typename Control = QPushButton>
  Control* Find(const QString& name, QObject* parent = nullptr) const {
    auto* control = (parent ? parent : window.get())->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }
  QTreeWidget* Routes() const { return Find<QTreeWidget>("List1"); }
  QTreeWidget* Scenarios() const { return Find<QTreeWidget>("List3"); }
  QListWidget* SavedCopies() const { return Find<QListWidget>("File2"); }
  // Command1 to Command9, '1' for each one enabled.
  std::string Enabled() const {
    std::string enabled;
    for (int i = 1; i <= 9; ++i) enabled += Find("Command" + QString::number(i))->isEnabled() ? '1' : '0';
    return enabled;
  }
  void Click(QTreeWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(row)).center());
  }
  void ClickRoute(const QString& route) { Click(Routes(), test::RowOf(browser, route)); }
  browser::ListRows Rows(QTreeWidget* list) const {
    browser::ListRows rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      rows.push_back({list->topLevelItem(i)->text(0), list->topLevelItem(i)->text(1)});
    return rows;
  }
  QStringList SavedCopyNames() const {
    QStringList names;
    for (int i = 0; i < SavedCopies()->count(); ++i) names << SavedCopies()->item(i)->text();
    return names;
  }
  Messages Shown() {
    const Messages shown = dialogs.Messages();
    dialogs.shown.clear();
    return shown;
  }

  std::unique_ptr<RoutesWindow> window;
};

TEST_F(RoutesWindowTest, ListingRoutesScenariosAndSavedCopies) {
  // Usable at first: Command1, Command4 to Command6, Command8 and Command9.
  EXPECT_EQ(Enabled(), "100111011");
  EXPECT_EQ(Rows(Routes()), test::SampleList("routes"));
  EXPECT_EQ(Scenarios()->topLevelItemCount(), 0);
  EXPECT_EQ(SavedCopies()->count(), 0);
  EXPECT_TRUE(window->SavedCopiesFolder().isEmpty());
  EXPECT_EQ(Shown(), Messages{});

  // The list button lists the selected route, or says there is none.
  Find("Command1")->click();
  EXPECT_EQ(Shown(), Messages{"You have not selected a Route."});
  EXPECT_EQ(Scenarios()->topLevelItemCount(), 0);
  EXPECT_FALSE(QFile::exists(TempFile("Scenarios.xml")));
  EXPECT_TRUE(Find("Command7")->isEnabled()) << "enabled after any listing";
  Routes()->setCurrentItem(Routes()->topLevelItem(test::RowOf(browser, test::kMarshJunction)));
  EXPECT_EQ(Scenarios()->topLevelItemCount(), 0) << "selecting alone does not list";
  EXPECT_FALSE(Find("Command2")->isEnabled());
  Find("Command1")->click();
  EXPECT_EQ(Scenarios()->topLevelItemCount(), 4);

  // A click lists the route's scenarios; the saved copies shown are the program folder's.
  ClickRoute(test::kSevernVale);
  EXPECT_EQ(Rows(Scenarios()), test::SampleList("scenarios"));
  EXPECT_EQ(Enabled(), "110111111");
  EXPECT_EQ(window->SavedCopiesFolder(), app.paths.ProgramFolder());
  // Edit Selected Scenario hands the selected rows on, once there is a handler.
  Find("Command7")->click();
  std::vector<std::vector<int>> calls;
  window->SetEditScenarioHandler([&](const std::vector<int>& rows) { calls.push_back(rows); });
  Find("Command7")->click();
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
  Click(Scenarios(), 2);
  Find("Command7")->click();
  EXPECT_EQ(calls, (std::vector<std::vector<int>>{{}, {2}}));
  EXPECT_EQ(Shown(), Messages{});

  // Moving to another route with the keys lists it as a click does.
  const int severn = test::RowOf(browser, test::kSevernVale);
  const bool up = severn > 0;
  QTest::keyClick(Routes(), up ? Qt::Key_Up : Qt::Key_Down);
  const int moved = severn + (up ? -1 : 1);
  EXPECT_EQ(Routes()->currentIndex().row(), moved);
  EXPECT_TRUE(browser.listedRouteFolder.endsWith(Routes()->topLevelItem(moved)->text(1)))
      << browser.listedRouteFolder.toStdString();
  Find("Command9")->click();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(RoutesWindowTest, SavedGamesAndRevertingUseTheSelection) {
  const QByteArray saved = ReadFileBytes(MorningCoal("Before the junction.xml"));
  const QString route = RoutePath(test::kSevernVale);
  ASSERT_TRUE(test::WriteFileBytes(route + "/Scenarios.bak", "first"));
  ASSERT_TRUE(test::WriteFileBytes(route + "/Scenarios.bak2", "second"));
  ClickRoute(test::kSevernVale);
  Click(Scenarios(), 0);
  dialogs.texts = {"Kept"};
  Find("Command4")->click();
  EXPECT_EQ(SavedCopyNames(), (QStringList{"Before the junction.xml", "CurrentSave.xml", "Kept.xml"}));
  SavedCopies()->setCurrentRow(0);  // Before the junction.xml
  dialogs.answers = {true, true};
  Find("Command8")->click();
  EXPECT_EQ(Started(true), "RailSimEditor.exe");
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), saved);
  ASSERT_TRUE(test::WriteFileBytes(MorningCoal("CurrentSave.xml"), "current"));
  Find("Command5")->click();
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), saved);
  const Messages shown = Shown();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_TRUE(shown[2].ends_with("with the selected file. Proceed?"));

  // With an empty list the simulator starts at once.
  Click(Scenarios(), 1);
  ASSERT_EQ(SavedCopies()->count(), 0);
  Find("Command6")->click();
  EXPECT_EQ(Shown(), Messages{});
  EXPECT_EQ(Started(true), "RailSim.exe");

  // Reverting puts the first backups back and uses the selection up.
  ASSERT_TRUE(test::WriteFileBytes(MorningCoal("Scenario.bak"), "scenario first"));
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
  EXPECT_EQ(Shown(), Messages{});

  // A file chosen while the list shows another folder (here the program folder) does not count.
  ASSERT_TRUE(test::WriteFileBytes(MorningCoal("CurrentSave.xml"), "current"));
  ASSERT_TRUE(test::WriteFileBytes(install.ProgramFolder() + "/Program.xml", "x"));
  ClickRoute(test::kMarshJunction);
  SavedCopies()->setCurrentRow(0);
  ASSERT_EQ(SavedCopies()->currentItem()->text(), "Program.xml");
  Find("Command5")->click();
  EXPECT_EQ(Shown(), Messages{"You have not selected a saved file to put in place of CurrentSave.xml."});
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), "current");
}

// The backups window of Marsh Junction's Steam Gala Special, which the sample gives a history:
// a restore through it lists the kept document, and the comparison marks the two differences.
TEST_F(RoutesWindowTest, BackupsWindowRestoresAndCompares) {
  Find("cmdScenarioBackups")->click();
  EXPECT_EQ(Shown(), Messages{"You have not selected a Scenario?"});
  ClickRoute(test::kMarshJunction);
  Click(Scenarios(), 0);
  Find("cmdScenarioBackups")->click();
  auto* backups = Find<QDialog>("frmBackups");
  ASSERT_NE(backups, nullptr);
  auto* list = Find<QTreeWidget>("lstBackups", backups);
  ASSERT_EQ(list->topLevelItemCount(), 5);  // Scenario.bin, then .bak, .bak1, .bak2, .bak10
  list->setCurrentItem(list->topLevelItem(3));
  ASSERT_EQ(list->currentItem()->text(0), "Scenario.bak2");

  dialogs.answers = {true};
  Find("cmdRestoreBackup", backups)->click();
  const QString folder = RoutePath(test::kMarshJunction, "Scenarios/6a2b4c75-8394-4fb6-92c7-3e45f6a7b8c9/");
  EXPECT_EQ(ReadFileBytes(folder + "Scenario.bin"), ReadFileBytes(folder + "Scenario.bak2"));
  ASSERT_EQ(list->topLevelItemCount(), 6);
  EXPECT_EQ(list->topLevelItem(4)->text(0), "Scenario.bak3");

  list->setCurrentItem(list->topLevelItem(1));  // Scenario.bak
  Find("cmdCompareBackup", backups)->click();
  auto* comparison = Find<QDialog>("frmCompareBackup", backups);
  ASSERT_NE(comparison, nullptr) << testing::PrintToString(dialogs.Messages());
  // Marked rows; with "Show differences only" ticked the rows without children left showing.
  const auto rows = [&](bool marked) {
    QStringList names;
    for (QTreeWidgetItemIterator it(Find<QTreeWidget>("lstComparison", comparison)); *it; ++it) {
      const bool shown = !(*it)->isHidden() && !((*it)->parent() && (*it)->parent()->isHidden());
      if (marked ? (*it)->data(0, Qt::UserRole).toBool() : shown && (*it)->childCount() == 0)
        names << (*it)->text(0);
    }
    return names;
  };
  EXPECT_EQ(rows(true), QStringList({"Duration", "Vehicle 3"}));
  Find<QCheckBox>("chkDifferencesOnly", comparison)->setChecked(true);
  EXPECT_EQ(rows(false), QStringList({"Duration", "Vehicle 3"}));
}

}  // namespace
}  // namespace fennick::ui
