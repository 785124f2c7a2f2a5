#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "tests/browser/browser_fixture.h"
#include "ui/routes_window.h"

namespace fennick::ui {
namespace {

using test::ReadFileBytes;

class RoutesWindowTest : public test::BrowserFixture {
 protected:
  void TearDown() override {
    delete window;
    BrowserFixture::TearDown();
  }
  void Open() {
    window = new RoutesWindow(app, browser, dialogs);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  }
  QPushButton* Button(const char* name) const {
    auto* button = window->findChild<QPushButton*>(name);
    EXPECT_NE(button, nullptr) << name;
    return button;
  }
  QTreeWidget* List(const char* name) const { return window->findChild<QTreeWidget*>(name); }
  QListWidget* SavedCopies() const { return window->findChild<QListWidget*>("File2"); }
  QString Label(const char* name) const {
    auto* label = window->findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing>");
  }
  std::vector<bool> Enabled() const {
    std::vector<bool> enabled;
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                             "Command7", "Command8", "Command9"}) {
      enabled.push_back(Button(name)->isEnabled());
    }
    return enabled;
  }
  QPoint RowCentre(QTreeWidget* list, int row) const {
    return list->visualItemRect(list->topLevelItem(row)).center();
  }
  void ClickRoute(const QString& route) {
    QTreeWidget* routes = List("List1");
    QTest::mouseClick(routes->viewport(), Qt::LeftButton, {},
                      RowCentre(routes, test::RowOf(browser, route)));
  }
  void PressScenario(int row) {
    QTreeWidget* scenarios = List("List3");
    QTest::mouseClick(scenarios->viewport(), Qt::LeftButton, {}, RowCentre(scenarios, row));
  }
  QStringList Rows(QTreeWidget* list, int column) const {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      texts << list->topLevelItem(i)->text(column);
    }
    return texts;
  }
  QStringList SavedCopyNames() const {
    QStringList names;
    for (int i = 0; i < SavedCopies()->count(); ++i) names << SavedCopies()->item(i)->text();
    return names;
  }
  void SelectSavedCopy(const QString& name) {
    const auto found = SavedCopies()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    SavedCopies()->setCurrentItem(found.front());
  }
  QString MorningCoalFolderText() const {
    return app.settings.rsPath + "\\content\\Routes\\" + test::kSevernVale + "\\Scenarios\\" +
           test::kMorningCoal;
  }

  RoutesWindow* window = nullptr;
};

TEST_F(RoutesWindowTest, ControlsCaptionsAndTheStateAfterLoading) {
  Open();
  EXPECT_EQ(window->objectName(), "frmShowRoutes");
  EXPECT_EQ(window->windowTitle(), "Select Route");
  EXPECT_EQ(Label("Label1_0"), "Route Name");
  EXPECT_EQ(Label("Label3_0"), "Folder Name");
  EXPECT_EQ(Label("Label1_1"), "Scenario Name");
  EXPECT_EQ(Label("Label3_1"), "Folder Name");
  EXPECT_EQ(Label("Label2"), "Saved Copies of Selected Scenario");
  const std::vector<std::pair<const char*, const char*>> captions = {
      {"Command1", "List Scenarios in Selected Route"},
      {"Command2", "Revert to Default for selected Route"},
      {"Command3", "Revert to Default for selected Scenario"},
      {"Command4", "Save CurrentSave.xml As"},
      {"Command5", "Overwrite CurrentSave.xml with Selected file"},
      {"Command6", "Run RailSim Using Selected Save File"},
      {"Command7", "Edit Selected Scenario"},
      {"Command8", "RunRailSim Editor using this Save File"},
      {"Command9", "Exit"}};
  for (const auto& [name, caption] : captions) EXPECT_EQ(Button(name)->text(), caption) << name;

  // Usable at first: Command1, Command4 to Command6, Command8 and Command9.
  EXPECT_EQ(Enabled(),
            (std::vector<bool>{true, false, false, true, true, true, false, true, true}));
  EXPECT_EQ(Rows(List("List1"), 0),
            (QStringList{"Severn Vale Branch",
                         QString::fromUtf8("Ligne de la C\xC3\xB4te d'\xC3\x89meraude"),
                         "Marsh Junction Mainline", "Sandbury Sidings (damaged index)"}));
  EXPECT_EQ(Rows(List("List1"), 1), (QStringList{test::kSevernVale, test::kEmeraldCoast,
                                                 test::kMarshJunction, test::kDamagedRoute}));
  EXPECT_EQ(List("List3")->topLevelItemCount(), 0);
  EXPECT_EQ(SavedCopies()->count(), 0);
  EXPECT_TRUE(window->SavedCopiesFolder().isEmpty());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RoutesWindowTest, ALoadWithoutRoutesXmlSaysSoAndOpensEmpty) {
  ASSERT_TRUE(QFile::remove(install.Path("Content/Routes.xml")));
  Open();
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{
                "Error - the route list " +
                QDir::toNativeSeparators(install.Path("Content/Routes.xml")).toStdString() +
                " cannot be read occurred in frmShowRoutes_Load\ni =  0"});
  EXPECT_EQ(List("List1")->topLevelItemCount(), 0);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(RoutesWindowTest, ClickingARouteListsItsScenarios) {
  Open();
  ClickRoute(test::kSevernVale);
  EXPECT_EQ(Rows(List("List3"), 0),
            (QStringList{"Morning Coal Empties", "Evening Commuters", "Parcels to the Coast",
                         "Free Roam: Severn Vale"}));
  EXPECT_EQ(Rows(List("List3"), 1).front(), test::kMorningCoal);
  EXPECT_TRUE(Button("Command2")->isEnabled());
  EXPECT_TRUE(Button("Command7")->isEnabled());
  EXPECT_FALSE(Button("Command3")->isEnabled());
  EXPECT_EQ(window->SavedCopiesFolder(), app.paths.ProgramFolder());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RoutesWindowTest, ARouteWithoutValidScenariosReportsEachAndListsNothing) {
  Open();
  ClickRoute(test::kDamagedRoute);
  EXPECT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(dialogs.Messages().back(), "No Scenarios were found for this route.");
  EXPECT_EQ(List("List3")->topLevelItemCount(), 0);
  EXPECT_TRUE(Button("Command7")->isEnabled()) << "enabled after any listing";
}

TEST_F(RoutesWindowTest, ListingWithoutARouteSaysSo) {
  Open();
  Button("Command1")->click();
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"You have not selected a Route."});
  EXPECT_EQ(List("List3")->topLevelItemCount(), 0);
  EXPECT_FALSE(QFile::exists(TempFile("Scenarios.xml")));
}

TEST_F(RoutesWindowTest, ListButtonListsTheSelectedRoute) {
  Open();
  List("List1")->setCurrentItem(
      List("List1")->topLevelItem(test::RowOf(browser, test::kMarshJunction)));
  EXPECT_EQ(List("List3")->topLevelItemCount(), 0) << "selecting alone does not list";
  EXPECT_FALSE(Button("Command2")->isEnabled());
  Button("Command1")->click();
  EXPECT_EQ(List("List3")->topLevelItemCount(), 3);
  EXPECT_TRUE(Button("Command7")->isEnabled());
}

TEST_F(RoutesWindowTest, PressingAScenarioShowsItsSavedCopies) {
  Open();
  ClickRoute(test::kSevernVale);
  PressScenario(0);
  EXPECT_TRUE(Button("Command3")->isEnabled());
  EXPECT_EQ(window->SavedCopiesFolder(), MorningCoalFolderText());
  EXPECT_EQ(browser.scenarioFolder, MorningCoalFolderText());
  EXPECT_EQ(browser.routeFolder, browser.listedRouteFolder);
  EXPECT_EQ(SavedCopyNames(), (QStringList{"Before the junction.xml", "CurrentSave.xml"}));
  PressScenario(1);
  EXPECT_TRUE(SavedCopyNames().isEmpty());
}

TEST_F(RoutesWindowTest, APressBelowTheLastRowEnablesRevertOnly) {
  Open();
  ClickRoute(test::kSevernVale);
  QTreeWidget* scenarios = List("List3");
  QTest::mouseClick(scenarios->viewport(), Qt::LeftButton, {},
                    QPoint(10, scenarios->viewport()->height() - 3));
  EXPECT_TRUE(Button("Command3")->isEnabled());
  EXPECT_EQ(window->SavedCopiesFolder(), app.paths.ProgramFolder());
  EXPECT_TRUE(browser.scenarioFolder.isEmpty());
}

TEST_F(RoutesWindowTest, EditSelectedScenarioHandsTheSelectedRowsOn) {
  Open();
  ClickRoute(test::kSevernVale);
  Button("Command7")->click();  // no handler yet: nothing happens
  std::vector<std::vector<int>> calls;
  window->SetEditScenarioHandler([&](const std::vector<int>& rows) { calls.push_back(rows); });
  Button("Command7")->click();
  PressScenario(2);
  Button("Command7")->click();
  EXPECT_EQ(calls, (std::vector<std::vector<int>>{{}, {2}}));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RoutesWindowTest, RevertRouteUsesUpTheSelection) {
  Open();
  const QString folder = RoutePath(test::kSevernVale);
  ASSERT_TRUE(test::WriteFileBytes(folder + "/Scenarios.bak", "first"));
  ASSERT_TRUE(test::WriteFileBytes(folder + "/Scenarios.bak2", "second"));
  ClickRoute(test::kSevernVale);
  Button("Command2")->click();
  EXPECT_EQ(ReadFileBytes(folder + "/Scenarios.bin"), "first");
  EXPECT_FALSE(QFile::exists(folder + "/Scenarios.bak2"));
  EXPECT_TRUE(List("List1")->selectedItems().isEmpty());
  // A second press finds no row and does nothing.
  ASSERT_TRUE(test::WriteFileBytes(folder + "/Scenarios.bak", "again"));
  Button("Command2")->click();
  EXPECT_EQ(ReadFileBytes(folder + "/Scenarios.bin"), "first");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RoutesWindowTest, RevertScenarioUsesUpTheSelection) {
  Open();
  const QString folder = ScenarioPath(test::kSevernVale, test::kMorningCoal);
  ASSERT_TRUE(test::WriteFileBytes(folder + "/Scenario.bak", "first"));
  ClickRoute(test::kSevernVale);
  PressScenario(0);
  Button("Command3")->click();
  EXPECT_EQ(ReadFileBytes(folder + "/Scenario.bin"), "first");
  EXPECT_TRUE(List("List3")->selectedItems().isEmpty());
}

TEST_F(RoutesWindowTest, SaveAsAddsTheCopyToTheList) {
  Open();
  ClickRoute(test::kSevernVale);
  PressScenario(0);
  dialogs.texts.push_back("Kept");
  Button("Command4")->click();
  EXPECT_EQ(SavedCopyNames(),
            (QStringList{"Before the junction.xml", "CurrentSave.xml", "Kept.xml"}));
}

TEST_F(RoutesWindowTest, OverwriteUsesTheSelectedSavedCopy) {
  Open();
  ClickRoute(test::kSevernVale);
  PressScenario(0);
  const QString folder = ScenarioPath(test::kSevernVale, test::kMorningCoal);
  const QByteArray saved = ReadFileBytes(folder + "/Before the junction.xml");
  SelectSavedCopy("Before the junction.xml");
  dialogs.answers = {true};
  Button("Command5")->click();
  EXPECT_EQ(ReadFileBytes(folder + "/CurrentSave.xml"), saved);
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(RoutesWindowTest, ASelectionInAnotherFolderDoesNotCount) {
  Open();
  ClickRoute(test::kSevernVale);
  PressScenario(0);
  const QString folder = ScenarioPath(test::kSevernVale, test::kMorningCoal);
  const QByteArray current = ReadFileBytes(folder + "/CurrentSave.xml");
  SelectSavedCopy("Before the junction.xml");
  ClickRoute(test::kMarshJunction);  // the list now shows the program folder
  Button("Command5")->click();
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{
                "You have not selected a saved file to put in place of CurrentSave.xml."});
  EXPECT_EQ(ReadFileBytes(folder + "/CurrentSave.xml"), current);
}

TEST_F(RoutesWindowTest, RunRailSimWithAnEmptyListStartsAtOnce) {
  Open();
  ClickRoute(test::kSevernVale);
  PressScenario(1);
  ASSERT_EQ(SavedCopies()->count(), 0);
  Button("Command6")->click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return ReadFileBytes(install.Path("launches.log")).startsWith("RailSim.exe\t"); },
      20000));
}

TEST_F(RoutesWindowTest, RunEditorAsksFirst) {
  Open();
  ClickRoute(test::kSevernVale);
  PressScenario(0);
  SelectSavedCopy("Before the junction.xml");
  dialogs.answers = {false};
  Button("Command8")->click();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::YesNo);
}

TEST_F(RoutesWindowTest, ExitClosesTheWindow) {
  Open();
  Button("Command9")->click();
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace fennick::ui
