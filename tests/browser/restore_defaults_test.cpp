#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <map>

#include <unistd.h>
#include <ostream>

#include "browser/restore_defaults.h"
#include "browser/route_catalogue.h"
#include "browser/scenario_catalogue.h"
#include "tests/browser/browser_fixture.h"

namespace fennick::browser {
namespace {

using Files = std::map<QString, QByteArray>;

Files FilesIn(const QString& folder) {
  Files files;
  for (const QString& name : QDir(folder).entryList(QDir::Files)) {
    files[name] = test::ReadFileBytes(folder + "/" + name);
  }
  return files;
}

void Lay(const QString& folder, const Files& files) {
  for (const auto& [name, bytes] : files) {
    ASSERT_TRUE(test::WriteFileBytes(folder + "/" + name, bytes));
  }
}

struct RestoreCase {
  const char* name;
  const char* stem;
  Files before;
  Files after;
};

// Test names carry the case; this keeps ctest's listing short.
void PrintTo(const RestoreCase& c, std::ostream* os) {
  *os << c.name;
}

class RestoreFirstBackupCases : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(RestoreFirstBackupCases, NumberedBackupsGoAndTheFirstComesBack) {
  const RestoreCase& c = GetParam();
  QTemporaryDir dir;
  Lay(dir.path(), c.before);
  EXPECT_TRUE(RestoreFirstBackup(dir.path(), c.stem).empty());
  EXPECT_EQ(FilesIn(dir.path()), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Restore, RestoreFirstBackupCases,
    ::testing::Values(RestoreCase{"RouteWithFirstAndNumberedBackups",
                                  "Scenarios",
                                  {{"Scenarios.bin", "edited twice"},
                                   {"Scenarios.bak", "as installed"},
                                   {"Scenarios.bak1", "edited once"},
                                   {"Scenarios.bak7", "edited seven times"}},
                                  {{"Scenarios.bin", "as installed"}}},
                      RestoreCase{"ScenarioWithOnlyANumberedBackup",
                                  "Scenario",
                                  {{"Scenario.bin", "current"}, {"Scenario.bak3", "older"}},
                                  {{"Scenario.bin", "current"}}},
                      RestoreCase{"OnlyOneToFiftyAreBackups",
                                  "Scenario",
                                  {{"Scenario.bin", "current"},
                                   {"Scenario.bak", "first"},
                                   {"Scenario.bak50", "fiftieth"},
                                   {"Scenario.bak51", "not ours"},
                                   {"Scenario.bak0", "not ours either"},
                                   {"Scenario.bak05", "nor this"},
                                   {"Scenarios.bak1", "another stem"}},
                                  {{"Scenario.bin", "first"},
                                   {"Scenario.bak51", "not ours"},
                                   {"Scenario.bak0", "not ours either"},
                                   {"Scenario.bak05", "nor this"},
                                   {"Scenarios.bak1", "another stem"}}},
                      RestoreCase{"WithoutTheDocumentTheFirstBackupStays",
                                  "Scenarios",
                                  {{"Scenarios.bak", "first"}, {"Scenarios.bak2", "second"}},
                                  {{"Scenarios.bak", "first"}}},
                      RestoreCase{"WithoutAFirstBackupTheDocumentStays",
                                  "Scenarios",
                                  {{"Scenarios.bin", "current"}, {"Scenarios.bak1", "older"}},
                                  {{"Scenarios.bin", "current"}}},
                      RestoreCase{"NamesInAnotherLetterCase",
                                  "Scenarios",
                                  {{"scenarios.BIN", "current"},
                                   {"SCENARIOS.bak", "first"},
                                   {"Scenarios.BAK12", "twelfth"}},
                                  {{"scenarios.BIN", "first"}}},
                      RestoreCase{
                          "NothingToDo", "Scenario", {{"Other.txt", "x"}}, {{"Other.txt", "x"}}}),
    [](const auto& info) { return std::string(info.param.name); });

class RevertTest : public test::BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    LoadRouteCatalogue(app.settings.rsPath, browser, dialogs);
  }
};

TEST_F(RevertTest, RouteOfTheSelectedRow) {
  const QString folder = RoutePath(test::kMarshJunction);
  const QByteArray installed = test::ReadFileBytes(folder + "/Scenarios.bin");
  Lay(folder, {{"Scenarios.bin", "edited"}, {"Scenarios.bak", installed}, {"Scenarios.bak1", "x"}});
  EXPECT_TRUE(RevertRoute(app.settings.rsPath, browser, test::RowOf(browser, test::kMarshJunction),
                          dialogs));
  EXPECT_EQ(test::ReadFileBytes(folder + "/Scenarios.bin"), installed);
  EXPECT_FALSE(QFile::exists(folder + "/Scenarios.bak"));
  EXPECT_FALSE(QFile::exists(folder + "/Scenarios.bak1"));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RevertTest, ScenarioOfTheLastSelectedRow) {
  ListScenarios(app, browser, test::RowOf(browser, test::kSevernVale), dialogs);
  const QString first = ScenarioPath(test::kSevernVale, test::kMorningCoal);
  const QString second = ScenarioPath(test::kSevernVale, test::kEveningCommuters);
  Lay(first, {{"Scenario.bak", "first of row 0"}});
  Lay(second, {{"Scenario.bak", "first of row 1"}, {"Scenario.bak2", "y"}});
  EXPECT_TRUE(RevertScenario(browser, {0, 1}, dialogs));
  EXPECT_EQ(test::ReadFileBytes(second + "/Scenario.bin"), "first of row 1");
  EXPECT_FALSE(QFile::exists(second + "/Scenario.bak2"));
  EXPECT_TRUE(QFile::exists(first + "/Scenario.bak"));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RevertTest, NothingSelectedDoesNothing) {
  ListScenarios(app, browser, test::RowOf(browser, test::kSevernVale), dialogs);
  const QString route = RoutePath(test::kSevernVale);
  Lay(route, {{"Scenarios.bak", "first"}, {"Scenarios.bak3", "third"}});
  const Files before = FilesIn(route);
  EXPECT_FALSE(RevertRoute(app.settings.rsPath, browser, std::nullopt, dialogs));
  EXPECT_FALSE(RevertRoute(app.settings.rsPath, browser, 99, dialogs));
  EXPECT_FALSE(RevertScenario(browser, {}, dialogs));
  EXPECT_FALSE(RevertScenario(browser, {-1, 17}, dialogs));
  EXPECT_EQ(FilesIn(route), before);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RevertTest, AFolderNamedLikeABackupIsLeftAlone) {
  // It is not a backup file: the files around it are restored as usual.
  const QString folder = RoutePath(test::kSevernVale);
  ASSERT_TRUE(QDir().mkpath(folder + "/Scenarios.bak4"));
  Lay(folder, {{"Scenarios.bak", "first"}, {"Scenarios.bak5", "fifth"}});
  EXPECT_TRUE(
      RevertRoute(app.settings.rsPath, browser, test::RowOf(browser, test::kSevernVale), dialogs));
  EXPECT_EQ(test::ReadFileBytes(folder + "/Scenarios.bin"), "first");
  EXPECT_FALSE(QFile::exists(folder + "/Scenarios.bak5"));
  EXPECT_TRUE(QFileInfo(folder + "/Scenarios.bak4").isDir());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RevertTest, FilesThatCannotBeChangedAreReported) {
  // Only a folder that cannot be written makes deleting and renaming fail, and that needs a user
  // whom permissions bind.
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const QString folder = RoutePath(test::kSevernVale);
  Lay(folder, {{"Scenarios.bak", "first"}, {"Scenarios.bak3", "third"}});
  const Files before = FilesIn(folder);
  const auto writable = QFile::permissions(folder);
  ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
  const bool reverted =
      RevertRoute(app.settings.rsPath, browser, test::RowOf(browser, test::kSevernVale), dialogs);
  QFile::setPermissions(folder, writable);
  EXPECT_FALSE(reverted);
  EXPECT_EQ(FilesIn(folder), before);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const std::string& message = dialogs.shown[0].text;
  EXPECT_EQ(message.rfind("The default of " +
                              QDir::toNativeSeparators(folder + "/Scenarios.bin").toStdString() +
                              " could not be restored:\n",
                          0),
            0u)
      << message;
  EXPECT_NE(message.find("Scenarios.bak3"), std::string::npos) << message;
  EXPECT_NE(message.find("Cannot rename"), std::string::npos) << message;
}

}  // namespace
}  // namespace fennick::browser
