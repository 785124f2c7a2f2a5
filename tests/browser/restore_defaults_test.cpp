#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <sstream>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

#include "browser/restore_defaults.h"
#include "browser/route_catalogue.h"
#include "browser/scenario_catalogue.h"
#include "tests/browser/browser_fixture.h"

namespace fennick::browser {
namespace {

using Files = std::vector<std::string>;

// "name=bytes name=bytes ...", sorted as test::FolderEntries lists a folder.
Files Parse(const std::string& listing) {
  Files files;
  std::istringstream in(listing);
  for (std::string file; in >> file;) files.push_back(file);
  std::sort(files.begin(), files.end());
  return files;
}

void Lay(const QString& folder, const std::string& listing) {
  for (const std::string& file : Parse(listing)) {
    const std::size_t equals = file.find('=');
    ASSERT_TRUE(test::WriteFileBytes(folder + "/" + QString::fromStdString(file.substr(0, equals)),
                                     QByteArray::fromStdString(file.substr(equals + 1))));
  }
}

TEST(RestoreFirstBackup, NumberedBackupsGoAndTheFirstComesBack) {
  for (const auto& line : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/backups/restore_first.txt")) {
    ASSERT_EQ(line.fields.size(), 3u) << "line " << line.lineNumber;
    SCOPED_TRACE(line.fields[1]);
    QTemporaryDir dir;
    Lay(dir.path(), line.fields[1]);
    EXPECT_TRUE(RestoreFirstBackup(dir.path(), QString::fromStdString(line.fields[0])).empty());
    EXPECT_EQ(test::FolderEntries(dir.path()), Parse(line.fields[2]));
  }
}

class RevertTest : public test::BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    LoadRouteCatalogue(app.settings.rsPath, browser, dialogs);
    ListScenarios(app, browser, test::RowOf(browser, test::kSevernVale), dialogs);
    ASSERT_TRUE(dialogs.shown.empty());
  }
  bool RevertSevernVale() {
    return RevertRoute(app.settings.rsPath, browser, test::RowOf(browser, test::kSevernVale),
                       dialogs);
  }
  const QString route = RoutePath(test::kSevernVale);
};

TEST_F(RevertTest, TheSelectedRouteAndTheLastSelectedScenarioRowOnly) {
  // A folder named like a backup is no backup file: the files around it are restored as usual.
  ASSERT_TRUE(QDir().mkpath(route + "/Scenarios.bak4"));
  Lay(route, "Scenarios.bin=edited Scenarios.bak=first Scenarios.bak5=fifth");
  const QString second = RoutePath(test::kSevernVale, "Scenarios/" + test::kEveningCommuters);
  Lay(MorningCoal(), "Scenario.bak=first-of-row-0");
  Lay(second, "Scenario.bak=first-of-row-1 Scenario.bak2=y");
  const Files before = test::FolderEntries(route);
  EXPECT_FALSE(RevertRoute(app.settings.rsPath, browser, std::nullopt, dialogs));
  EXPECT_FALSE(RevertRoute(app.settings.rsPath, browser, 99, dialogs));
  EXPECT_FALSE(RevertScenario(browser, {}, dialogs));
  EXPECT_FALSE(RevertScenario(browser, {-1, 17}, dialogs));
  EXPECT_EQ(test::FolderEntries(route), before);

  EXPECT_TRUE(RevertScenario(browser, {0, 1}, dialogs));
  EXPECT_EQ(test::FolderEntries(second), Parse("Scenario.bin=first-of-row-1"));
  EXPECT_TRUE(QFile::exists(MorningCoal("Scenario.bak")));
  EXPECT_TRUE(RevertSevernVale());
  EXPECT_EQ(test::FolderEntries(route), Parse("Scenarios/ Scenarios.bak4/ Scenarios.bin=first"));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RevertTest, FilesThatCannotBeChangedAreReported) {
  Lay(route, "Scenarios.bak=first Scenarios.bak3=third");
  const Files before = test::FolderEntries(route);
#ifdef Q_OS_WIN
  // Windows neither deletes nor renames a file another program holds open.
  QFile firstBackup(route + "/Scenarios.bak"), thirdBackup(route + "/Scenarios.bak3");
  ASSERT_TRUE(firstBackup.open(QIODevice::ReadOnly) && thirdBackup.open(QIODevice::ReadOnly));
  const bool reverted = RevertSevernVale();
  firstBackup.close();
  thirdBackup.close();
#else
  // Only a folder that cannot be written makes deleting and renaming fail, and that needs a user
  // whom permissions bind.
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const auto writable = QFile::permissions(route);
  ASSERT_TRUE(QFile::setPermissions(route, QFile::ReadOwner | QFile::ExeOwner));
  const bool reverted = RevertSevernVale();
  QFile::setPermissions(route, writable);
#endif
  EXPECT_FALSE(reverted);
  EXPECT_EQ(test::FolderEntries(route), before);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const std::string& message = dialogs.shown[0].text;
  EXPECT_TRUE(message.starts_with("The default of " +
                                  QDir::toNativeSeparators(route + "/Scenarios.bin").toStdString() +
                                  " could not be restored:\n"))
      << message;
  EXPECT_NE(message.find("Scenarios.bak3"), std::string::npos) << message;
  EXPECT_NE(message.find("Cannot rename"), std::string::npos) << message;
}

}  // namespace
}  // namespace fennick::browser
