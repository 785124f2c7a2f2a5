#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QUuid>

#include "app/startup.h"
#include "app/version.h"
#include "bridge/converter.h"
#include "bridge/paths.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

struct LocationCase {
  const char* name;
  const char* iniFile;  // nullptr: no settings file
  const char* registry;
  bool pickerConfirms;
  const char* expectedPath;
  bool pickerShown;
};

class Location : public ::testing::TestWithParam<LocationCase> {};

TEST_P(Location, SettingsFileThenRegistryThenPicker) {
  const LocationCase& c = GetParam();
  QTemporaryDir dir;
  AppPaths paths(dir.path());
  if (c.iniFile) Write(paths.IniPath(), c.iniFile);
  const QByteArray iniBefore = ReadAll(paths.IniPath());

  bool pickerShown = false;
  LocationSources sources;
  sources.registry = [&] { return QString(c.registry); };
  sources.pickFolder = [&](Settings& s) {
    pickerShown = true;
    if (c.pickerConfirms) {
      ASSERT_TRUE(AcceptPickedFolder(paths, s, "/picked/folder").ok());
    }
  };
  Settings settings;
  LocateSimulator(paths, settings, sources);

  EXPECT_EQ(settings.rsPath, c.expectedPath);
  EXPECT_EQ(pickerShown, c.pickerShown);
  if (!c.pickerConfirms) {
    EXPECT_EQ(ReadAll(paths.IniPath()), iniBefore) << "startup must not rewrite the settings file";
  } else {
    EXPECT_TRUE(ReadAll(paths.IniPath()).startsWith("/picked/folder\r\n"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Order, Location,
    ::testing::Values(LocationCase{"file_wins", "C:\\FromFile\r\n\r\n\r\nFalse\r\n",
                                   "C:\\FromRegistry", false, "C:\\FromFile", false},
                      LocationCase{"empty_first_line_uses_registry",
                                   "\r\nContribute\r\n\r\nFalse\r\n", "C:\\FromRegistry", false,
                                   "C:\\FromRegistry", false},
                      LocationCase{"no_file_uses_registry", nullptr, "C:\\FromRegistry", false,
                                   "C:\\FromRegistry", false},
                      LocationCase{"nothing_known_asks", nullptr, "", true, "/picked/folder", true},
                      LocationCase{"picker_cancelled_leaves_empty", nullptr, "", false, "", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Caption, VersionAndFolderWithTheirBlanks) {
  EXPECT_EQ(CaptionWithVersion(kStartupCaption, "C:\\Sim"),
            "RailSimulator Startup  Version 1.0.45   Rail Simulator path in use is - C:\\Sim");
  EXPECT_EQ(CaptionWithVersion(kStartupCaption, ""),
            "RailSimulator Startup  Version 1.0.45   Rail Simulator path in use is - ");
}

TEST(StartButton, CreatesTempFilesOrEmptiesAnOldOneSparingRunningCopies) {
  QTemporaryDir dir;
  AppPaths paths(dir.path());
  ASSERT_TRUE(PrepareTempFiles(paths).ok());
  EXPECT_TRUE(QDir(dir.filePath("TempFiles")).exists());

  // A copy still running (this process) has converted into its scratch folder.
  const Converter running(dir.path(), dir.path());
  ASSERT_TRUE(running.MakeScratchFolder().ok());
  const QString scratch = NativePath(running.ScratchPath("Scenarios.xml"));
  Write(scratch, "<still needed/>");
  // What earlier runs left: loose files, a folder, a run that ended without its lock.
  Write(dir.filePath("TempFiles/Scenarios.xml"), "<old/>");
  QDir().mkpath(dir.filePath("TempFiles/sub"));
  Write(dir.filePath("TempFiles/sub/temp.xml"), "<old/>");
  QDir().mkpath(dir.filePath("TempFiles/run-1-dead"));
  QFile::setPermissions(dir.filePath("TempFiles/Scenarios.xml"), QFileDevice::ReadOwner);
  ASSERT_TRUE(PrepareTempFiles(paths).ok());

  EXPECT_EQ(ReadAll(scratch), "<still needed/>");
  const QString run = QFileInfo(QFileInfo(scratch).absolutePath()).fileName();
  EXPECT_EQ(QDir(dir.filePath("TempFiles"))
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList({run, run + ".lock"}));
}

TEST(StartButton, FolderThatCannotBeMadeIsReportedInItsForm) {
  QTemporaryDir dir;
  AppPaths paths(dir.filePath("missing-parent-is-a-file"));
  Write(dir.filePath("missing-parent-is-a-file"), "a file where the program folder should be");
  const auto prepared = PrepareTempFiles(paths);
  ASSERT_FALSE(prepared.ok());
  EXPECT_EQ(prepared.error().rfind("Error - ", 0), 0u);
  EXPECT_NE(prepared.error().find(" occurred in frmStartup command1\n"), std::string::npos);
}

TEST(Donation, NoteThenPageThenMarkWrittenWhateverTheAnswer) {
  for (bool answer : {true, false}) {
    QTemporaryDir dir;
    AppPaths paths(dir.path());
    Settings settings{"C:\\Sim", "", "", false};
    test::ScriptedDialogs dialogs;
    dialogs.answers.push_back(answer);
    QString opened;
    ASSERT_TRUE(Donate(paths, settings, dialogs, [&](const QString& a) {
                  opened = a;
                  return true;
                }).ok());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Beer Money");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(opened.contains("_xclick"));
    EXPECT_TRUE(opened.contains("item_name=RS_Fennick+Payment"));
    EXPECT_TRUE(opened.contains("currency_code=USD"));
    EXPECT_EQ(settings.contributeMark, "Contribute");
    EXPECT_EQ(ReadAll(paths.IniPath()), QByteArray("C:\\Sim\r\nContribute\r\n\r\nFalse\r\n"));
  }
}

TEST(Donation, PageThatCannotOpenIsReportedAndStillMarked) {
  QTemporaryDir dir;
  AppPaths paths(dir.path());
  Settings settings;
  test::ScriptedDialogs dialogs;
  dialogs.answers.push_back(true);
  ASSERT_TRUE(Donate(paths, settings, dialogs, [](const QString&) { return false; }).ok());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_NE(dialogs.shown[1].text.find(kDonationAddress.toStdString()), std::string::npos);
  EXPECT_EQ(settings.contributeMark, "Contribute");
}

}  // namespace
}  // namespace fennick

namespace fennick {
namespace {

TEST(AppPathsTest, ProgramFolderThatCannotBeWrittenFallsBackToThePersonsOwnFolder) {
  QTemporaryDir dir;
  EXPECT_EQ(AppPaths::ForExecutable(dir.path()).ProgramFolder(), dir.path());
  // A file where the folder should be can never take Fennick.ini.
  const QString notAFolder = dir.filePath("rs_fennick");
  QFile file(notAFolder);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const AppPaths fallback = AppPaths::ForExecutable(notAFolder);
  EXPECT_NE(fallback.ProgramFolder(), notAFolder);
  EXPECT_TRUE(FolderIsWritable(fallback.ProgramFolder()));
  EXPECT_TRUE(fallback.IniPath().endsWith("Fennick.ini"));
#ifdef Q_OS_WIN
  // On Windows that is the person's roaming application data folder.
  const QString appData = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
  ASSERT_FALSE(appData.isEmpty());
  EXPECT_TRUE(
      QDir::fromNativeSeparators(fallback.ProgramFolder()).startsWith(appData, Qt::CaseInsensitive))
      << fallback.ProgramFolder().toStdString();
#endif
}

#ifdef Q_OS_WIN
TEST(Registry, ThirtyTwoBitViewFirstThenSixtyFourBit) {
  // A throwaway key beside the simulator's, never the simulator's own.
  const QString parent = QStringLiteral("HKEY_LOCAL_MACHINE\\Software");
  const QString name = "RS_Fennick test " + QUuid::createUuid().toString(QUuid::WithoutBraces);
  struct Case {
    const char* name;
    QVariant in32, in64;
    QString expected;
  };
  const Case cases[] = {
      {"both views: the simulator's 32-bit one wins", "C:\\Sim32", "D:\\Sim64", "C:\\Sim32"},
      {"only the 32-bit view", "C:\\Sim32", {}, "C:\\Sim32"},
      {"only the 64-bit view", {}, "D:\\Sim64", "D:\\Sim64"},
      {"a number is no folder", 7, "D:\\Sim64", "D:\\Sim64"},
      {"neither view", {}, {}, ""},
  };
  const auto views = {std::pair{QSettings::Registry32Format, &Case::in32},
                      std::pair{QSettings::Registry64Format, &Case::in64}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& [view, value] : views) {
      if (!(c.*value).isValid()) continue;
      QSettings key(parent + '\\' + name, view);
      key.setValue("Default", c.*value);
      key.sync();
      if (key.status() != QSettings::NoError) GTEST_SKIP() << "HKLM cannot be written here";
    }
    EXPECT_EQ(ReadInstallationFromKey(parent + '\\' + name), c.expected);
    for (const auto& [view, value] : views) QSettings(parent, view).remove(name);
  }
  EXPECT_FALSE(QSettings(parent, QSettings::Registry32Format).childGroups().contains(name));
}
#endif

}  // namespace
}  // namespace fennick
