#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "app/startup.h"
#include "bridge/converter.h"
#include "bridge/paths.h"
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
  EXPECT_EQ(other.readAllStandardOutput().toStdString(), Listing(SevernValeScenarios()));
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(otherScratch).absolutePath()))
      << "a run takes its scratch folder with it";
  EXPECT_EQ(ReadFileBytes(NativePath(windows.ScratchPath("Scenarios.xml"))).toStdString(), *index);
}

TEST_F(CliTest, ListingsAndRefusals) {
  const struct {
    QStringList arguments;
    int status;
    std::string out, err;  // usage errors: the start of stderr, the command list follows
  } cases[] = {
      {{"routes"}, 0, Listing(SampleRoutes()), ""},
      {{"scenarios", kSevernVale}, 0, Listing(SevernValeScenarios()), ""},
      {{"saves", kSevernVale, kMorningCoal}, 0, "Before the junction.xml\nCurrentSave.xml\n", ""},
      {{"scenarios", kDamagedRoute.toUpper()},
       1,
       "",
       "The Scenario Folder 9d5e7fa8-b6c7-4c29-85fa-6178c9d0e1f2 listed in Scenarios.bin does not "
       "exist!\nThere is no Scenario.bin file in the sub-folder "
       "ae6f80b9-c7d8-4d3a-96ab-7289d0e1f2a3\nNo Scenarios were found for this route.\n"},
      {{"scenarios", "no-such-route"},
       1,
       "",
       "There is no route with the folder name no-such-route in Routes.xml.\n"},
      {{"saves", kSevernVale, "no-such-scenario"},
       1,
       "",
       "There is no listed scenario with the folder name no-such-scenario in this route.\n"},
      {{"scenarios"}, 2, "", "rs_fennick_cli: expected ROUTE\n"},
      {{"routes", "x"}, 2, "", "rs_fennick_cli: expected no arguments\n"},
      {{"revert-scenario", kSevernVale}, 2, "", "rs_fennick_cli: expected ROUTE SCENARIO\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const CliRun run = cli.Run(c.arguments);
    EXPECT_EQ(run.exitCode, c.status);
    EXPECT_EQ(run.out, c.out);
    if (c.status == 2) {
      EXPECT_TRUE(run.err.starts_with(c.err)) << run.err;
    } else {
      EXPECT_EQ(run.err, c.err);
    }
  }
  ASSERT_TRUE(QFile::remove(install.Path("Content/Routes.xml")));
  const CliRun run = cli.Run({"routes"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err,
            "Error - the route list " +
                QDir::toNativeSeparators(install.Path("Content/Routes.xml")).toStdString() +
                " cannot be read occurred in frmShowRoutes_Load i =  0\n");
}

TEST_F(CliTest, KeepAndRestoreSave) {
  const QByteArray current = ReadFileBytes(MorningCoal("CurrentSave.xml"));
  const QByteArray saved = ReadFileBytes(MorningCoal("Before the junction.xml"));
  const CliRun kept = cli.Run({"keep-save", kSevernVale, kMorningCoal, "At the colliery"});
  EXPECT_EQ(kept.exitCode, 0);
  EXPECT_EQ(kept.out + kept.err, "");
  EXPECT_EQ(ReadFileBytes(MorningCoal("At the colliery.xml")), current);

  // Restoring asks; without --yes the answer is no.
  const QStringList restore{"restore-save", kSevernVale, kMorningCoal, "Before the junction.xml"};
  const std::string question =
      "This operation will delete your CurrentSave.xml file for this Scenario and replace it with "
      "the selected file. Proceed?";
  const CliRun stopped = cli.Run(restore);
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_EQ(stopped.err, question + " [no]\n");
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), current);
  const CliRun done = cli.Run(restore, true);
  EXPECT_EQ(done.exitCode, 0);
  EXPECT_EQ(done.err, question + " [yes]\n");
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), saved);
}

TEST_F(CliTest, RevertRouteAndScenarioPutTheFirstBackupsBack) {
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
