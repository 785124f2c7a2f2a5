#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <memory>
#include <ostream>

#include "tests/browser/browser_fixture.h"
#include "tests/support/cli_runner.h"

namespace fennick::test {
namespace {

// The run with its texts as bytes, as these tests compare them.
struct CliRun {
  QByteArray out;
  QByteArray err;
  int status = -1;
};

class CliTest : public BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    cli = std::make_unique<CliRunner>(install.ProgramFolder(), install.RsPath());
    ASSERT_TRUE(cli->ok());
  }
  CliRun Run(QStringList arguments, bool yes = false) {
    const test::CliRun run = cli->Run(std::move(arguments), yes);
    return {QByteArray::fromStdString(run.out), QByteArray::fromStdString(run.err), run.exitCode};
  }
  QString MorningCoal(const QString& file) const {
    return ScenarioPath(kSevernVale, kMorningCoal, file);
  }

  std::unique_ptr<CliRunner> cli;
};

TEST_F(CliTest, RoutesPrintsNameTabFolder) {
  const CliRun run = Run({"routes"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(QString::fromUtf8(run.out),
            "Severn Vale Branch\t" + kSevernVale + "\n" +
                QString::fromUtf8("Ligne de la C\xC3\xB4te d'\xC3\x89meraude\t") + kEmeraldCoast +
                "\nMarsh Junction Mainline\t" + kMarshJunction +
                "\nSandbury Sidings (damaged index)\t" + kDamagedRoute + "\n");
}

TEST_F(CliTest, RoutesWithoutRoutesXmlFails) {
  ASSERT_TRUE(QFile::remove(install.Path("Content/Routes.xml")));
  const CliRun run = Run({"routes"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(QString::fromUtf8(run.err),
            "Error - the route list " +
                QDir::toNativeSeparators(install.Path("Content/Routes.xml")) +
                " cannot be read occurred in frmShowRoutes_Load i =  0\n");
}

TEST_F(CliTest, ScenariosPrintsTheListing) {
  const CliRun run = Run({"scenarios", kSevernVale});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "Morning Coal Empties\t" + kMorningCoal.toUtf8() + "\nEvening Commuters\t" +
                         kEveningCommuters.toUtf8() +
                         "\nParcels to the Coast\t2c8d0e31-4f50-4b72-9e63-fa01b2c3d4e5\n"
                         "Free Roam: Severn Vale\t3d9e1f42-5061-4c83-af74-0b12c3d4e5f6\n");
}

TEST_F(CliTest, ScenariosOfADamagedIndexReportOnStderr) {
  const CliRun run = Run({"scenarios", kDamagedRoute.toUpper()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "The Scenario Folder 9d5e7fa8-b6c7-4c29-85fa-6178c9d0e1f2 listed in Scenarios.bin does "
            "not exist!\n"
            "There is no Scenario.bin file in the sub-folder ae6f80b9-c7d8-4d3a-96ab-7289d0e1f2a3\n"
            "No Scenarios were found for this route.\n");
}

struct UsageCase {
  const char* name;
  QStringList arguments;
  int status;
  const char* errStart;
};

// Test names carry the case; this keeps ctest's listing short.
void PrintTo(const UsageCase& c, std::ostream* os) {
  *os << c.name;
}

class CliUsage : public CliTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsage, RefusalsAndUsageErrors) {
  const CliRun run = Run(GetParam().arguments);
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(run.err.startsWith(GetParam().errStart)) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliUsage,
    ::testing::Values(
        UsageCase{"ScenariosWithoutRoute", {"scenarios"}, 2, "rs_fennick_cli: expected ROUTE\n"},
        UsageCase{"RoutesWithArgument", {"routes", "x"}, 2, "rs_fennick_cli: expected no"},
        UsageCase{"UnknownRoute",
                  {"scenarios", "no-such-route"},
                  1,
                  "There is no route with the folder name no-such-route in Routes.xml.\n"},
        UsageCase{"UnknownScenario",
                  {"saves", kSevernVale, "no-such-scenario"},
                  1,
                  "There is no listed scenario with the folder name no-such-scenario in this "
                  "route.\n"},
        UsageCase{"RevertScenarioWithoutScenario",
                  {"revert-scenario", kSevernVale},
                  2,
                  "rs_fennick_cli: expected ROUTE SCENARIO\n"},
        UsageCase{"KeepSaveOutsideTheFolder",
                  {"keep-save", kSevernVale, kMorningCoal, "..\\..\\x"},
                  1,
                  "\"..\\..\\x\" cannot be used as the name of the copy"},
        UsageCase{"RestoreCurrentSaveItself",
                  {"restore-save", kSevernVale, kMorningCoal, "CurrentSave.xml"},
                  1,
                  "The selected file is CurrentSave.xml itself"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTest, SavesListsTheScenariosXmlFiles) {
  const CliRun run = Run({"saves", kSevernVale, kMorningCoal});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Before the junction.xml\nCurrentSave.xml\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(CliTest, KeepSaveCopiesCurrentSave) {
  const CliRun run = Run({"keep-save", kSevernVale, kMorningCoal, "At the colliery"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out + run.err, "");
  EXPECT_EQ(ReadFileBytes(MorningCoal("At the colliery.xml")),
            ReadFileBytes(MorningCoal("CurrentSave.xml")));
}

TEST_F(CliTest, RestoreSaveNeedsYes) {
  const QByteArray current = ReadFileBytes(MorningCoal("CurrentSave.xml"));
  const QByteArray saved = ReadFileBytes(MorningCoal("Before the junction.xml"));
  const QStringList arguments{"restore-save", kSevernVale, kMorningCoal, "Before the junction.xml"};
  const std::string question =
      "This operation will delete your CurrentSave.xml file for this Scenario and replace it with "
      "the selected file. Proceed?";

  const CliRun stopped = Run(arguments);
  EXPECT_EQ(stopped.status, 1);
  EXPECT_EQ(stopped.err.toStdString(), question + " [no]\n");
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), current);

  const CliRun done = Run(arguments, true);
  EXPECT_EQ(done.status, 0);
  EXPECT_EQ(done.err.toStdString(), question + " [yes]\n");
  EXPECT_EQ(ReadFileBytes(MorningCoal("CurrentSave.xml")), saved);
}

TEST_F(CliTest, RevertRouteAndScenarioPutTheFirstBackupsBack) {
  ASSERT_TRUE(WriteFileBytes(RoutePath(kSevernVale, "Scenarios.bak"), "index as installed"));
  ASSERT_TRUE(WriteFileBytes(RoutePath(kSevernVale, "Scenarios.bak3"), "third"));
  ASSERT_TRUE(WriteFileBytes(MorningCoal("Scenario.bak"), "scenario as installed"));
  ASSERT_TRUE(WriteFileBytes(MorningCoal("Scenario.bak51"), "not a backup"));

  // The scenario first: its listing needs the route's index as it is now.
  const CliRun scenario = Run({"revert-scenario", kSevernVale, kMorningCoal});
  EXPECT_EQ(scenario.status, 0);
  EXPECT_EQ(scenario.out + scenario.err, "");
  EXPECT_EQ(ReadFileBytes(MorningCoal("Scenario.bin")), "scenario as installed");
  EXPECT_TRUE(QFile::exists(MorningCoal("Scenario.bak51")));

  const CliRun route = Run({"revert-route", kSevernVale});
  EXPECT_EQ(route.status, 0);
  EXPECT_EQ(route.out + route.err, "");
  EXPECT_EQ(ReadFileBytes(RoutePath(kSevernVale, "Scenarios.bin")), "index as installed");
  EXPECT_FALSE(QFile::exists(RoutePath(kSevernVale, "Scenarios.bak3")));
  EXPECT_FALSE(QFile::exists(RoutePath(kSevernVale, "Scenarios.bak")));
}

}  // namespace
}  // namespace fennick::test
