#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QUuid>
#include <tuple>

#include "app/startup.h"
#include "bridge/converter.h"
#include "bridge/paths.h"
#include "tests/support/case_file.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick::test {
namespace {

TEST(Startup, SimulatorFoundInSettingsFileThenRegistryThenPicker) {
  for (const auto& c : ReadCaseFile(FENNICK_TEST_DATA_DIR "/startup/location.txt")) {
    SCOPED_TRACE(c.fields[0]);
    ASSERT_EQ(c.fields.size(), 6u);
    QTemporaryDir dir;
    AppPaths paths(dir.path());
    if (c.fields[1] != "-") WriteFileBytes(paths.IniPath(), QByteArray::fromStdString(c.fields[1]));
    const QByteArray iniBefore = ReadFileBytes(paths.IniPath());
    bool pickerShown = false;
    LocationSources sources;
    sources.registry = [&] { return QString::fromStdString(c.fields[2]); };
    sources.pickFolder = [&](Settings& s) {
      pickerShown = true;
      EXPECT_TRUE(c.fields[3] != "pick" || AcceptPickedFolder(paths, s, "/picked/folder").ok());
    };
    Settings settings;
    LocateSimulator(paths, settings, sources);
    EXPECT_EQ(settings.rsPath, QString::fromStdString(c.fields[4]));
    EXPECT_EQ(pickerShown, c.fields[5] == "yes");
    // Only the picker's OK writes the file.
    EXPECT_EQ(ReadFileBytes(paths.IniPath()),
              c.fields[3] == "pick" ? "/picked/folder\r\n\r\n\r\nFalse\r\n" : iniBefore);
  }
}

TEST(Startup, StartEmptiesTempFilesSparingRunningCopiesOrReportsInItsForm) {
  QTemporaryDir dir;
  AppPaths paths(dir.path());
  ASSERT_TRUE(PrepareTempFiles(paths).ok());
  EXPECT_TRUE(QDir(dir.filePath("TempFiles")).exists());

  // A copy still running (this process) has converted into its scratch folder.
  const Converter running(dir.path(), dir.path());
  ASSERT_TRUE(running.MakeScratchFolder().ok());
  const QString scratch = NativePath(running.ScratchPath("Scenarios.xml"));
  WriteFileBytes(scratch, "<still needed/>");
  // What earlier runs left: loose files, a folder, a run that ended without its lock.
  WriteFileBytes(dir.filePath("TempFiles/Scenarios.xml"), "<old/>");
  for (const char* folder : {"sub", "run-1-dead"}) QDir(dir.filePath("TempFiles")).mkdir(folder);
  WriteFileBytes(dir.filePath("TempFiles/sub/temp.xml"), "<old/>");
  QFile::setPermissions(dir.filePath("TempFiles/Scenarios.xml"), QFileDevice::ReadOwner);
  ASSERT_TRUE(PrepareTempFiles(paths).ok());
  EXPECT_EQ(ReadFileBytes(scratch), "<still needed/>");
  const QString run = QFileInfo(QFileInfo(scratch).absolutePath()).fileName();
  EXPECT_EQ(QDir(dir.filePath("TempFiles"))
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList({run, run + ".lock"}));

  // A file where the program folder should be.
  WriteFileBytes(dir.filePath("not-a-folder"), "a file");
  const auto prepared = PrepareTempFiles(AppPaths(dir.filePath("not-a-folder")));
  ASSERT_FALSE(prepared.ok());
  EXPECT_TRUE(prepared.error().starts_with("Error - ") &&
              prepared.error().ends_with(" occurred in frmStartup command1\n"))
      << prepared.error();
}

// Whatever the answer and whether the page opens, the mark that hides the button is written.
TEST(Startup, DonationShowsTheNoteOpensThePageAndWritesTheMark) {
  for (const auto& [answer, pageOpens] : {std::pair{true, true}, {false, true}, {true, false}}) {
    QTemporaryDir dir;
    AppPaths paths(dir.path());
    Settings settings{"C:\\Sim", "", "", false};
    ScriptedDialogs dialogs;
    dialogs.answers.push_back(answer);
    QString opened;
    ASSERT_TRUE(Donate(paths, settings, dialogs, [&](const QString& address) {
                  opened = address;
                  return pageOpens;
                }).ok());
    ASSERT_EQ(dialogs.shown.size(), pageOpens ? 1u : 2u);
    EXPECT_EQ(dialogs.shown[0].title, "Beer Money");
    EXPECT_TRUE(opened.contains("item_name=RS_Fennick+Payment"));
    // A page that cannot open is reported with its address.
    EXPECT_EQ(dialogs.shown.back().text.find(opened.toStdString()) != std::string::npos,
              !pageOpens);
    EXPECT_EQ(ReadFileBytes(paths.IniPath()), QByteArray("C:\\Sim\r\nContribute\r\n\r\nFalse\r\n"));
  }
}

// A file where the program folder should be can never take Fennick.ini: on Windows the
// person's roaming application data folder takes it.
TEST(Startup, ProgramFolderThatCannotBeWrittenFallsBackToThePersonsOwnFolder) {
  QTemporaryDir dir;
  EXPECT_EQ(AppPaths::ForExecutable(dir.path()).ProgramFolder(), dir.path());
  WriteFileBytes(dir.filePath("rs_fennick"), "");
  const QString fallback = AppPaths::ForExecutable(dir.filePath("rs_fennick")).ProgramFolder();
  EXPECT_NE(fallback, dir.filePath("rs_fennick"));
  EXPECT_TRUE(FolderIsWritable(fallback));
#ifdef Q_OS_WIN
  EXPECT_TRUE(QDir::fromNativeSeparators(fallback).startsWith(
      QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")), Qt::CaseInsensitive));
#endif
}

#ifdef Q_OS_WIN
// The simulator's 32-bit registry view first, then the 64-bit one; a number is no folder.
TEST(Startup, RegistryThirtyTwoBitViewFirstThenSixtyFourBit) {
  // A throwaway key beside the simulator's, never the simulator's own.
  const QString parent = "HKEY_LOCAL_MACHINE\\Software";
  const QString name = "RS_Fennick test " + QUuid::createUuid().toString(QUuid::WithoutBraces);
  const QVariant none;
  const std::tuple<QVariant, QVariant, QString> cases[] = {{"C:\\Sim32", "D:\\Sim64", "C:\\Sim32"},
                                                           {"C:\\Sim32", none, "C:\\Sim32"},
                                                           {none, "D:\\Sim64", "D:\\Sim64"},
                                                           {7, "D:\\Sim64", "D:\\Sim64"},
                                                           {none, none, ""}};
  for (const auto& [in32, in64, expected] : cases) {
    for (const auto& [view, value] : {std::pair{QSettings::Registry32Format, in32},
                                      std::pair{QSettings::Registry64Format, in64}}) {
      if (!value.isValid()) continue;
      QSettings key(parent + '\\' + name, view);
      key.setValue("Default", value);
      key.sync();
      if (key.status() != QSettings::NoError) GTEST_SKIP() << "HKLM cannot be written here";
    }
    EXPECT_EQ(ReadInstallationFromKey(parent + '\\' + name), expected);
    for (auto view : {QSettings::Registry32Format, QSettings::Registry64Format})
      QSettings(parent, view).remove(name);
  }
}
#endif

}  // namespace
}  // namespace fennick::test
