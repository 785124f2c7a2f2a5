#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "bridge/paths.h"
#include "browser/route_catalogue.h"
#include "browser/scenario_catalogue.h"
#include "tests/browser/browser_fixture.h"

namespace fennick::browser {
namespace {

using test::ReadFileBytes;

class ScenarioCatalogueTest : public test::BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    LoadRouteCatalogue(app.settings.rsPath, browser, dialogs);
    ASSERT_TRUE(dialogs.shown.empty());
  }
  ListRows List(const QString& route) {
    return ListScenarios(app, browser, test::RowOf(browser, route), dialogs);
  }
  // Replaces the route's index by one listing these entries.
  void WriteIndex(const QString& route,
                  const std::vector<std::pair<std::string, std::string>>& entries) {
    ASSERT_TRUE(test::WriteBin(RoutePath(route, "Scenarios.bin"), test::IndexXml(entries)));
  }
  void MakeScenario(const QString& route, const QString& folder) {
    ASSERT_TRUE(QDir().mkpath(ScenarioPath(route, folder)));
    ASSERT_TRUE(test::WriteFileBytes(ScenarioPath(route, folder, "Scenario.bin"), "bin"));
  }
};

TEST_F(ScenarioCatalogueTest, ListsTheRoutesScenariosInIndexOrder) {
  const ListRows rows = List(test::kSevernVale);
  EXPECT_EQ(rows, (ListRows{{"Morning Coal Empties", test::kMorningCoal},
                            {"Evening Commuters", test::kEveningCommuters},
                            {"Parcels to the Coast", "2c8d0e31-4f50-4b72-9e63-fa01b2c3d4e5"},
                            {"Free Roam: Severn Vale", "3d9e1f42-5061-4c83-af74-0b12c3d4e5f6"}}));
  EXPECT_TRUE(dialogs.shown.empty());
  ASSERT_EQ(browser.scenarioIds.size(), 4u);
  EXPECT_EQ(browser.scenarioNames.size(), 4u);
  EXPECT_EQ(browser.scenarioIds[1], test::kEveningCommuters.toStdString());
  const QString routeFolder = app.settings.rsPath + "\\content\\Routes\\" + test::kSevernVale;
  EXPECT_EQ(browser.listedRouteFolder, routeFolder);
  EXPECT_EQ(browser.scenariosBinPath, routeFolder + "\\Scenarios.bin");
  // What was listed is what the converter made of this route's index.
  EXPECT_EQ(ReadFileBytes(TempFile("Scenarios.xml")),
            test::DecodeBin(RoutePath(test::kSevernVale, "Scenarios.bin")));
}

TEST_F(ScenarioCatalogueTest, NamesFallBackToFrenchAndAreDecodedForDisplay) {
  const ListRows rows = List(test::kEmeraldCoast);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].name, QString::fromUtf8("Express du matin vers Saint-Malo"));
  EXPECT_EQ(rows[1].name, "Granville Freight");
  EXPECT_EQ(browser.scenarioNames[0], "Express du matin vers Saint-Malo");
}

TEST_F(ScenarioCatalogueTest, RejectedEntriesAreReportedInIndexOrder) {
  const ListRows rows = List(test::kDamagedRoute);
  EXPECT_TRUE(rows.empty());
  EXPECT_TRUE(browser.scenarioIds.empty());
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<std::string>{
                "The Scenario Folder 9d5e7fa8-b6c7-4c29-85fa-6178c9d0e1f2 listed in Scenarios.bin "
                "does not exist!",
                "There is no Scenario.bin file in the sub-folder\n"
                "ae6f80b9-c7d8-4d3a-96ab-7289d0e1f2a3",
                "No Scenarios were found for this route."}));
  for (const auto& shown : dialogs.shown) EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
}

TEST_F(ScenarioCatalogueTest, FolderNamesThatAreNotPlainAreNeverUsedAsPaths) {
  // Each of these reaches an existing scenario with a Scenario.bin when used as a path.
  const std::string elsewhere = "..\\..\\" + test::kSevernVale.toStdString() + "\\Scenarios\\" +
                                test::kMorningCoal.toStdString();
  const std::string absolute =
      QDir::toNativeSeparators(ScenarioPath(test::kSevernVale, test::kMorningCoal)).toStdString();
  ASSERT_TRUE(test::WriteFileBytes(RoutePath(test::kMarshJunction, "Scenarios/Scenario.bin"), "x"));
  WriteIndex(test::kMarshJunction,
             {{elsewhere, "Escape"}, {absolute, "Rooted"}, {".", "Here"}, {"ok", "Fine"}});
  MakeScenario(test::kMarshJunction, "ok");

  const ListRows rows = List(test::kMarshJunction);
  EXPECT_EQ(rows, (ListRows{{"Fine", "ok"}}));
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<std::string>{
                MissingScenarioFolderMessage(elsewhere), MissingScenarioFolderMessage(absolute),
                "The Scenario Folder . listed in Scenarios.bin does not exist!"}));
}

TEST_F(ScenarioCatalogueTest, FiftyTwoScenariosAreAllListed) {
  std::vector<std::pair<std::string, std::string>> entries;
  for (int i = 0; i < 52; ++i) {
    entries.push_back({"s" + std::to_string(i), "Scenario " + std::to_string(i)});
    MakeScenario(test::kMarshJunction, QString::fromStdString(entries.back().first));
  }
  WriteIndex(test::kMarshJunction, entries);
  const ListRows rows = List(test::kMarshJunction);
  ASSERT_EQ(rows.size(), 52u);
  EXPECT_EQ(rows[51], (ListRow{"Scenario 51", "s51"}));
  EXPECT_EQ(browser.scenarioIds.size(), 52u);
  EXPECT_EQ(browser.scenarioNames.size(), 52u);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ScenarioCatalogueTest, NoRouteSelectedListsNothingAndConvertsNothing) {
  for (std::optional<int> row :
       {std::optional<int>(), std::optional<int>(-1), std::optional<int>(4)}) {
    dialogs.shown.clear();
    EXPECT_TRUE(ListScenarios(app, browser, row, dialogs).empty());
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"You have not selected a Route."});
  }
  EXPECT_FALSE(QFile::exists(TempFile("Scenarios.xml")));
  EXPECT_TRUE(browser.listedRouteFolder.isEmpty());
}

TEST_F(ScenarioCatalogueTest, AFailedConversionListsNothingRatherThanAnOlderIndex) {
  ASSERT_EQ(List(test::kSevernVale).size(), 4u);
  for (const char* fault : {"exit", "silent"}) {
    SCOPED_TRACE(fault);
    qputenv("FENNICK_SERZ_FAIL", fault);
    dialogs.shown.clear();
    EXPECT_TRUE(List(test::kMarshJunction).empty());
    EXPECT_TRUE(browser.scenarioIds.empty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const std::string& message = dialogs.shown[0].text;
    EXPECT_EQ(message.rfind("An Error (serz.exe ", 0), 0u) << message;
    EXPECT_NE(message.find("Scenarios.bin"), std::string::npos) << message;
    EXPECT_TRUE(message.ends_with(") occurred while\nchecking for Scenarios.")) << message;
  }
}

TEST_F(ScenarioCatalogueTest, AMissingIndexIsReported) {
  ASSERT_TRUE(QFile::remove(RoutePath(test::kMarshJunction, "Scenarios.bin")));
  EXPECT_TRUE(List(test::kMarshJunction).empty());
  const std::string shownBin =
      QDir::toNativeSeparators(RoutePath(test::kMarshJunction, "Scenarios.bin")).toStdString();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(dialogs.shown[0].text.find(shownBin), std::string::npos) << dialogs.shown[0].text;
  EXPECT_TRUE(dialogs.shown[0].text.starts_with("An Error ("));
}

TEST_F(ScenarioCatalogueTest, AnEmptyIndexIsReported) {
  ASSERT_TRUE(test::WriteBin(RoutePath(test::kMarshJunction, "Scenarios.bin"), QByteArray()));
  EXPECT_TRUE(List(test::kMarshJunction).empty());
  EXPECT_EQ(
      dialogs.Messages(),
      std::vector<std::string>{"An Error (the converted index " +
                               QDir::toNativeSeparators(TempFile("Scenarios.xml")).toStdString() +
                               " is empty) occurred while\nchecking for Scenarios."});
}

TEST_F(ScenarioCatalogueTest, AnIndexWithoutEntriesFindsNoScenarios) {
  WriteIndex(test::kMarshJunction, {});
  EXPECT_TRUE(List(test::kMarshJunction).empty());
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"No Scenarios were found for this route."});
}

}  // namespace
}  // namespace fennick::browser
