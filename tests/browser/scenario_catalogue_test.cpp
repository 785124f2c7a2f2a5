#include <QDir>
#include <QFile>

#include "browser/route_catalogue.h"
#include "browser/scenario_catalogue.h"
#include "tests/browser/browser_fixture.h"

namespace fennick::browser {
namespace {

using test::kMarshJunction;

class ScenarioCatalogueTest : public test::BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    LoadRouteCatalogue(app.settings.rsPath, browser, dialogs);
    ASSERT_TRUE(dialogs.shown.empty());
  }
  ListRows List(const QString& route) {
    dialogs.shown.clear();
    return ListScenarios(app, browser, test::RowOf(browser, route), dialogs);
  }
  QString MarshBin() const { return RoutePath(kMarshJunction, "Scenarios.bin"); }
};

TEST_F(ScenarioCatalogueTest, ListsInIndexOrderAndReportsRejectedEntries) {
  // Without a route nothing is listed or converted.
  for (std::optional<int> row : {std::optional<int>(), std::optional<int>(-1), std::optional<int>(4)}) {
    dialogs.shown.clear();
    EXPECT_TRUE(ListScenarios(app, browser, row, dialogs).empty());
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"You have not selected a Route."});
  }
  EXPECT_FALSE(QFile::exists(TempFile("Scenarios.xml")));
  EXPECT_TRUE(browser.listedRouteFolder.isEmpty());

  EXPECT_EQ(List(test::kSevernVale), test::SampleList("scenarios"));
  EXPECT_TRUE(dialogs.shown.empty());
  ASSERT_EQ(browser.scenarioIds.size(), 4u);
  EXPECT_EQ(browser.scenarioNames.size(), 4u);
  EXPECT_EQ(browser.scenarioIds[1], test::kEveningCommuters.toStdString());
  const QString routeFolder = app.settings.rsPath + "\\content\\Routes\\" + test::kSevernVale;
  EXPECT_EQ(browser.listedRouteFolder, routeFolder);
  EXPECT_EQ(browser.scenariosBinPath, routeFolder + "\\Scenarios.bin");
  EXPECT_EQ(List(test::kEmeraldCoast), test::SampleList("coast"));

  // Rejected entries are reported in index order.
  EXPECT_TRUE(List(test::kDamagedRoute).empty());
  EXPECT_TRUE(browser.scenarioIds.empty());
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<std::string>{
                "The Scenario Folder 9d5e7fa8-b6c7-4c29-85fa-6178c9d0e1f2 listed in Scenarios.bin does not exist!",
                "There is no Scenario.bin file in the sub-folder\nae6f80b9-c7d8-4d3a-96ab-7289d0e1f2a3",
                "No Scenarios were found for this route."}));
  for (const auto& shown : dialogs.shown) EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
}

TEST_F(ScenarioCatalogueTest, FolderNamesThatAreNotPlainAreNeverUsedAsPaths) {
  // Each of these reaches an existing scenario with a Scenario.bin when used as a path.
  const std::string elsewhere = "..\\..\\" + test::kSevernVale.toStdString() + "\\Scenarios\\" +
                                test::kMorningCoal.toStdString();
  const std::string absolute = QDir::toNativeSeparators(MorningCoal()).toStdString();
  ASSERT_TRUE(test::WriteFileBytes(RoutePath(kMarshJunction, "Scenarios/Scenario.bin"), "x"));
  // Beside them, more scenarios than a fixed list of 51 would hold.
  std::vector<std::string> folders{elsewhere, absolute, "."};
  for (int i = 0; i < 52; ++i) {
    folders.push_back("s" + std::to_string(i));
    const QString path = RoutePath(kMarshJunction, "Scenarios/s" + QString::number(i));
    ASSERT_TRUE(QDir().mkpath(path) && test::WriteFileBytes(path + "/Scenario.bin", "bin"));
  }
  std::string index = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<cRecordSet>\r\n<Record>\r\n";
  for (const std::string& folder : folders) {
    index += "<cProperties d:id=\"7\">\r\n<ID><cGUID><DevString d:type=\"cDeltaString\">" + folder +
             "</DevString></cGUID></ID>\r\n<DisplayName>\r\n<English d:type=\"cDeltaString\">Scenario " +
             folder + "</English>\r\n</DisplayName>\r\n</cProperties>\r\n";
  }
  ASSERT_TRUE(test::WriteBin(MarshBin(), index + "</Record>\r\n</cRecordSet>\r\n"));
  const ListRows rows = List(kMarshJunction);
  ASSERT_EQ(rows.size(), 52u);
  EXPECT_EQ(rows.front(), (ListRow{"Scenario s0", "s0"}));
  EXPECT_EQ(rows.back(), (ListRow{"Scenario s51", "s51"}));
  EXPECT_EQ(browser.scenarioIds.size(), 52u);
  EXPECT_EQ(browser.scenarioNames.size(), 52u);
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<std::string>{
                MissingScenarioFolderMessage(elsewhere), MissingScenarioFolderMessage(absolute),
                "The Scenario Folder . listed in Scenarios.bin does not exist!"}));
}

// tests/data/route_catalogue/scenario_failures.txt: a failed conversion lists nothing rather than
// an older index.
TEST_F(ScenarioCatalogueTest, AFailedConversionListsNothingRatherThanAnOlderIndex) {
  ASSERT_EQ(List(test::kSevernVale).size(), 4u);  // its Scenarios.xml stays behind
  for (const auto& line : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/route_catalogue/scenario_failures.txt")) {
    const std::string& fault = line.fields.at(0);
    SCOPED_TRACE(fault);
    qunsetenv("FENNICK_SERZ_FAIL");
    if (fault == "empty") {
      ASSERT_TRUE(test::WriteBin(MarshBin(), ""));
    } else if (fault == "missing") {
      ASSERT_TRUE(QFile::remove(MarshBin()));
    } else {
      qputenv("FENNICK_SERZ_FAIL", fault.c_str());
    }
    EXPECT_TRUE(List(kMarshJunction).empty());
    EXPECT_TRUE(browser.scenarioIds.empty());
    const std::string start = "An Error " + QString::fromStdString(line.fields.at(1))
                                                .replace("{bin}", QDir::toNativeSeparators(MarshBin()))
                                                .replace("{scratch}", QDir::toNativeSeparators(TempFile("Scenarios.xml")))
                                                .toStdString();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.starts_with(start)) << dialogs.shown[0].text;
    EXPECT_TRUE(dialogs.shown[0].text.ends_with(" occurred while\nchecking for Scenarios.")) << dialogs.shown[0].text;
  }
}

}  // namespace
}  // namespace fennick::browser
