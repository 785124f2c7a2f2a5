#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "app/startup.h"
#include "tests/browser/browser_fixture.h"
#include "tests/support/cli_runner.h"
#include "tests/support/wait_for_file.h"

namespace fennick::test {
namespace {

class CliTest : public BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    ASSERT_TRUE(cli.ok());
  }
  CliRunner cli{install.ProgramFolder(), install.RsPath()};
};

std::string Listing(const browser::ListRows& rows) {
  std::string text;
  for (const auto& row : rows) text += (row.name + '\t' + row.folder + '\n').toStdString();
  return text;
}

// The windows and the command line at once: neither reads, overwrites or deletes the other's
// scratch files, not even when the windows' Start button empties TempFiles meanwhile.
TEST_F(CliTest, TwoRunningCopiesNeverShareScratchFiles) {
  const Converter windows(install.ProgramFolder(), install.RsPath());
  const auto index = windows.BinToXml(RoutePath(kMarshJunction, "Scenarios.bin"), "Scenarios.xml");
  ASSERT_TRUE(index.ok()) << index.error();

  // The command line's converter stays put, its output written, until let go.
  QTemporaryDir holdDir;
  const QString hold = holdDir.filePath("hold");
  QProcessEnvironment held;
  held.insert("FENNICK_SERZ_HOLD", hold);
  QProcess other;
  cli.Start(other, {"scenarios", kSevernVale}, held);
  ASSERT_TRUE(WaitForFile(hold + ".waiting", &other)) << other.readAllStandardError().toStdString();
  const QString otherScratch = QString::fromLocal8Bit(ReadFileBytes(hold + ".waiting"));
  EXPECT_NE(QFileInfo(otherScratch).absolutePath().toStdString(),
            NativePath(windows.ScratchFolder()).toStdString());

  ASSERT_TRUE(PrepareTempFiles(app.paths).ok());
  EXPECT_TRUE(QFile::exists(otherScratch));
  ASSERT_TRUE(WriteFileBytes(hold, ""));
  ASSERT_TRUE(other.waitForFinished());
  EXPECT_EQ(other.readAllStandardError().toStdString(), "");
  EXPECT_EQ(other.exitCode(), 0);
  EXPECT_EQ(other.readAllStandardOutput().toStdString(), Listing(SampleList("scenarios")));
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(otherScratch).absolutePath()))
      << "a run takes its scratch folder with it";
  EXPECT_EQ(ReadFileBytes(NativePath(windows.ScratchPath("Scenarios.xml"))).toStdString(), *index);
}

// tests/data/route_catalogue/cli.txt; then a missing Routes.xml.
TEST_F(CliTest, ListingsAndRefusals) {
  for (const auto& line : ReadCaseFile(FENNICK_TEST_DATA_DIR "/route_catalogue/cli.txt")) {
    const auto& f = line.fields;
    ASSERT_EQ(f.size(), 4u) << "line " << line.lineNumber;
    SCOPED_TRACE(f[0]);
    const CliRun run = cli.Run(QString::fromStdString(f[0]).split(' '));
    EXPECT_EQ(run.exitCode, std::stoi(f[1]));
    EXPECT_EQ(run.out, f[2].starts_with('{') ? Listing(SampleList(f[2].substr(1, f[2].size() - 2))) : f[2]);
    EXPECT_TRUE(f[1] == "2" ? run.err.starts_with(f[3]) : run.err == f[3]) << run.err;
  }
  ASSERT_TRUE(QFile::remove(install.Path("Content/Routes.xml")));
  const CliRun run = cli.Run({"routes"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err,
            "Error - the route list " +
                QDir::toNativeSeparators(install.Path("Content/Routes.xml")).toStdString() +
                " cannot be read occurred in frmShowRoutes_Load i =  0\n");
}

// Keeping and restoring saved games, then reverting the scenario and the route.
TEST_F(CliTest, SavedGamesAndReverts) {
  const QByteArray current = ReadFileBytes(MorningCoal("CurrentSave.xml"));
  const QByteArray saved = ReadFileBytes(MorningCoal("Before the junction.xml"));
  const CliRun kept = cli.Run({"keep-save", kSevernVale, kMorningCoal, "At the colliery"});
  EXPECT_EQ(std::pair(kept.exitCode, kept.out + kept.err), std::pair(0, std::string()));
  EXPECT_EQ(ReadFileBytes(MorningCoal("At the colliery.xml")), current);

  // Restoring asks; without --yes the answer is no.
  const QStringList restore{"restore-save", kSevernVale, kMorningCoal, "Before the junction.xml"};
  const std::string question =
      "This operation will delete your CurrentSave.xml file for this Scenario and replace it with "
      "the selected file. Proceed?";
  const CliRun stopped = cli.Run(restore);
  EXPECT_EQ(std::pair(stopped.exitCode, stopped.err), std::pair(1, question + " [no]\n"));
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), current);
  const CliRun done = cli.Run(restore, true);
  EXPECT_EQ(std::pair(done.exitCode, done.err), std::pair(0, question + " [yes]\n"));
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), saved);

  ASSERT_TRUE(WriteFileBytes(RoutePath(kSevernVale, "Scenarios.bak"), "index as installed"));
  ASSERT_TRUE(WriteFileBytes(MorningCoal("Scenario.bak"), "scenario as installed"));
  // The scenario first: its listing needs the route's index as it is now.
  const CliRun scenario = cli.Run({"revert-scenario", kSevernVale, kMorningCoal});
  const CliRun route = cli.Run({"revert-route", kSevernVale});
  EXPECT_EQ(std::pair(scenario.exitCode, route.exitCode), std::pair(0, 0));
  EXPECT_EQ(scenario.out + scenario.err + route.out + route.err, "");
  EXPECT_EQ(ReadFileBytes(MorningCoal("Scenario.bin")), "scenario as installed");
  EXPECT_EQ(ReadFileBytes(RoutePath(kSevernVale, "Scenarios.bin")), "index as installed");
}

}  // namespace
}  // namespace fennick::test
