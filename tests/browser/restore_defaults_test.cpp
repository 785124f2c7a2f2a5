#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <map>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

#include "browser/restore_defaults.h"
#include "browser/route_catalogue.h"
#include "browser/scenario_catalogue.h"
#include "tests/browser/browser_fixture.h"

namespace fennick::browser {
namespace {

using Files = std::map<QString, QByteArray>;

// "name=bytes name=bytes ...".
Files Parse(const QString& listing) {
  Files files;
  for (const QString& file : listing.split(' ', Qt::SkipEmptyParts)) {
    files[file.section('=', 0, 0)] = file.section('=', 1).toUtf8();
  }
  return files;
}

Files FilesIn(const QString& folder) {
  Files files;
  for (const QString& name : QDir(folder).entryList(QDir::Files)) {
    files[name] = test::ReadFileBytes(folder + "/" + name);
  }
  return files;
}

void Lay(const QString& folder, const QString& listing) {
  for (const auto& [name, bytes] : Parse(listing)) {
    ASSERT_TRUE(test::WriteFileBytes(folder + "/" + name, bytes));
  }
}

TEST(RestoreFirstBackup, NumberedBackupsGoAndTheFirstComesBack) {
  const struct {
    const char* stem;
    const char* before;
    const char* after;
  } cases[] = {
      {"Scenarios",
       "Scenarios.bin=edited Scenarios.bak=installed Scenarios.bak1=a Scenarios.bak7=b",
       "Scenarios.bin=installed"},
      // Only stem.bak1 to stem.bak50 are backups.
      {"Scenario",
       "Scenario.bin=current Scenario.bak=first Scenario.bak50=a Scenario.bak51=b Scenario.bak0=c "
       "Scenario.bak05=d Scenarios.bak1=e",
       "Scenario.bin=first Scenario.bak51=b Scenario.bak0=c Scenario.bak05=d Scenarios.bak1=e"},
      // Without the document, or without the first backup, nothing is renamed.
      {"Scenarios", "Scenarios.bak=first Scenarios.bak2=second", "Scenarios.bak=first"},
      {"Scenario", "Scenario.bin=current Scenario.bak3=older", "Scenario.bin=current"},
      {"Scenarios", "scenarios.BIN=current SCENARIOS.bak=first Scenarios.BAK12=twelfth",
       "scenarios.BIN=first"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    QTemporaryDir dir;
    Lay(dir.path(), c.before);
    EXPECT_TRUE(RestoreFirstBackup(dir.path(), c.stem).empty());
    EXPECT_EQ(FilesIn(dir.path()), Parse(c.after));
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

TEST_F(RevertTest, TheSelectedRouteAndNothingWithoutASelection) {
  // A folder named like a backup is no backup file: the files around it are restored as usual.
  ASSERT_TRUE(QDir().mkpath(route + "/Scenarios.bak4"));
  Lay(route, "Scenarios.bin=edited Scenarios.bak=first Scenarios.bak5=fifth");
  const Files before = FilesIn(route);
  EXPECT_FALSE(RevertRoute(app.settings.rsPath, browser, std::nullopt, dialogs));
  EXPECT_FALSE(RevertRoute(app.settings.rsPath, browser, 99, dialogs));
  EXPECT_FALSE(RevertScenario(browser, {}, dialogs));
  EXPECT_FALSE(RevertScenario(browser, {-1, 17}, dialogs));
  EXPECT_EQ(FilesIn(route), before);

  EXPECT_TRUE(RevertSevernVale());
  EXPECT_EQ(FilesIn(route), Parse("Scenarios.bin=first"));
  EXPECT_TRUE(QFileInfo(route + "/Scenarios.bak4").isDir());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RevertTest, ScenarioOfTheLastSelectedRow) {
  const QString second = RoutePath(test::kSevernVale, "Scenarios/" + test::kEveningCommuters);
  Lay(MorningCoal(), "Scenario.bak=first-of-row-0");
  Lay(second, "Scenario.bak=first-of-row-1 Scenario.bak2=y");
  EXPECT_TRUE(RevertScenario(browser, {0, 1}, dialogs));
  EXPECT_EQ(FilesIn(second), Parse("Scenario.bin=first-of-row-1"));
  EXPECT_TRUE(QFile::exists(MorningCoal("Scenario.bak")));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RevertTest, FilesThatCannotBeChangedAreReported) {
  Lay(route, "Scenarios.bak=first Scenarios.bak3=third");
  const Files before = FilesIn(route);
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
  EXPECT_EQ(FilesIn(route), before);
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
