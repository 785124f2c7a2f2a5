#include <gtest/gtest.h>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "tests/support/cli_runner.h"
#include "tests/support/sample_install.h"

namespace fennick::test {
namespace {

const QString kSevernVale = "2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21";
const QString kMorningCoal = "0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301";

class EditorCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sample.ok()) << sample.error().toStdString();
    ASSERT_TRUE(cli.ok());
  }
  QJsonObject Show(const QString& route, const QString& scenario) {
    const CliRun run = cli.Run({"show", route, scenario});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  }
  QString ScenarioFolder(const QString& route, const QString& scenario) const {
    return sample.Path("Content/Routes/" + route + "/Scenarios/" + scenario);
  }
  // Every listed scenario as (route, scenario) folder names, through the command line itself.
  std::vector<std::pair<QString, QString>> EveryScenario() {
    std::vector<std::pair<QString, QString>> all;
    for (const QString& routeLine :
         QString::fromStdString(cli.Run({"routes"}).out).split('\n', Qt::SkipEmptyParts)) {
      const QString route = routeLine.section('\t', 1);
      const CliRun listed = cli.Run({"scenarios", route});
      for (const QString& line :
           QString::fromStdString(listed.out).split('\n', Qt::SkipEmptyParts)) {
        all.emplace_back(route, line.section('\t', 1));
      }
    }
    return all;
  }

  SampleInstall sample;
  CliRunner cli{sample.ProgramFolder(), sample.RsPath()};
};

TEST_F(EditorCliTest, ShowPrintsTheEditorsViewOfEveryScenario) {
  const auto all = EveryScenario();
  ASSERT_EQ(all.size(), 10u);
  std::string missing;  // what check prints, scenario by scenario
  for (const auto& [route, scenario] : all) {
    const QJsonObject shown = Show(route, scenario);
    SCOPED_TRACE(scenario.toStdString());
    EXPECT_FALSE(shown["displayName"].toString().isEmpty());
    EXPECT_EQ(shown["startTime"].toString().size(), 4);
    EXPECT_TRUE(shown["type"] == "standard" || shown["type"] == "timetable");
    const QJsonArray consists = shown["consists"].toArray();
    ASSERT_FALSE(consists.isEmpty());
    int driven = 0;
    for (const QJsonValue& consist : consists) driven += consist["driven"].toBool() ? 1 : 0;
    EXPECT_EQ(driven, 1);
    EXPECT_EQ(shown["drivenConsist"], consists[0]["caption"]);
    EXPECT_FALSE(consists[0]["vehicles"].toArray().isEmpty());

    // check lists exactly the vehicles show calls not installed.
    std::string notInstalled;
    int vehicleCount = 0;
    for (int c = 0; c < consists.size(); ++c) {
      const QJsonArray vehicles = consists[c]["vehicles"].toArray();
      for (int v = 0; v < vehicles.size(); ++v, ++vehicleCount) {
        if (vehicles[v]["installed"].toBool(true)) continue;
        notInstalled += std::to_string(c) + ':' + std::to_string(v) + '\t' +
                        vehicles[v]["name"].toString().toStdString() + '\n';
      }
    }
    const CliRun check = cli.Run({"check", route, scenario});
    std::string checked;
    for (const QString& line : QString::fromStdString(check.out).split('\n', Qt::SkipEmptyParts)) {
      checked += line.section('\t', 0, 1).toStdString() + '\n';
    }
    EXPECT_EQ(checked, notInstalled);
    EXPECT_EQ(check.exitCode, notInstalled.empty() ? 0 : 1) << check.err;
    if (!notInstalled.empty()) {
      const auto count = std::count(notInstalled.begin(), notInstalled.end(), '\n');
      EXPECT_EQ(check.err, std::to_string(count) + " of " + std::to_string(vehicleCount) +
                               " vehicles are not installed.\n");
    }
    missing += check.out;
  }
  // In the sample only the Class 47 is installed nowhere; the Pullmans lie in an archive.
  EXPECT_EQ(missing,
            "1:0\tClass 47\tKuju\\RailSimulator\\RailVehicles\\Diesel\\Class47\\Class47.xml\n");
}

TEST_F(EditorCliTest, ShowOfAFrenchOnlyScenarioShowsItsFrenchTexts) {
  const QJsonObject shown =
      Show("7b41f0e2-93c5-4d08-a6e1-3c2f5d9b8a04", "4e0f2a53-6172-4d94-b085-1c23d4e5f6a7");
  EXPECT_EQ(shown["displayName"].toString(), QString::fromUtf8("Express du matin vers Saint-Malo"));
  EXPECT_EQ(shown["startTime"].toString(), "0615");
}

TEST_F(EditorCliTest, SaveWritesEditsAndConsistOperationsInOrder) {
  const QJsonObject before = Show(kSevernVale, kMorningCoal);
  const int vehicles = before["consists"][0]["vehicles"].toArray().size();
  const CliRun run = cli.Run({"save", kSevernVale, kMorningCoal, "--start-time", "0830", "--day",
                              "3", "--description", "Coal & more", "--duplicate", "0:1", "--load",
                              "0:1,2", "--drive", "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("Your Scenario.bin and Scenarios.bin files have been updated."),
            std::string::npos);

  const QJsonObject after = Show(kSevernVale, kMorningCoal);
  EXPECT_EQ(after["startTime"].toString(), "0830");
  EXPECT_EQ(after["startDay"].toString(), "3");
  EXPECT_EQ(after["description"].toString(), "Coal & more");
  const QJsonArray first = after["consists"][0]["vehicles"].toArray();
  ASSERT_EQ(first.size(), vehicles + 1);
  EXPECT_EQ(first[1]["preloaded"].toString(), "eTrue");
  EXPECT_EQ(first[2]["preloaded"].toString(), "eTrue");
  EXPECT_TRUE(after["consists"][1]["driven"].toBool());
  EXPECT_FALSE(after["consists"][0]["driven"].toBool());
  EXPECT_TRUE(QFile::exists(ScenarioFolder(kSevernVale, kMorningCoal) + "/Scenario.bak"));
}

TEST_F(EditorCliTest, AQuestionAnsweredStopEndsWithNothingWritten) {
  const QString bin = ScenarioFolder(kSevernVale, kMorningCoal) + "/Scenario.bin";
  const QByteArray before = ReadFileBytes(bin);
  const CliRun stopped = cli.Run({"save", kSevernVale, kMorningCoal, "--type", "timetable"});
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_NE(stopped.err.find("Changing Scenario type from Standard to Timetable"),
            std::string::npos);
  EXPECT_EQ(ReadFileBytes(bin), before);
  EXPECT_FALSE(QFile::exists(ScenarioFolder(kSevernVale, kMorningCoal) + "/Scenario.bak"));

  const CliRun done = cli.Run({"save", kSevernVale, kMorningCoal, "--type", "timetable"}, true);
  ASSERT_EQ(done.exitCode, 0) << done.err;
  EXPECT_EQ(Show(kSevernVale, kMorningCoal)["type"].toString(), "timetable");
}

TEST_F(EditorCliTest, RefusalsAndFailuresExitOneAndLeaveTheFilesAlone) {
  const QString folder = ScenarioFolder(kSevernVale, kMorningCoal);
  const QByteArray before = ReadFileBytes(folder + "/Scenario.bin");
  struct Case {
    QStringList arguments;
    QString fault;
    const char* message;
  };
  const Case cases[] = {
      {{"--start-time", "2401"}, {}, "The time must be in 24hour format, e.g. 0530"},
      {{"--month", "13"}, {}, "Invalid Start Month, must be between 1 and 12."},
      {{"--delete", "9:0"}, {}, "There is no consist in row 9 of the consist list."},
      {{"--swap", "0:1=0"}, {}, "Gather the available stock"},
      {{"--stock", sample.Path("Assets/Kuju/RailSimulator/RailVehicles") + ":Freight", "--swap-all",
        "9:0=0"},
       {},
       "There is no consist in row 9"},
      {{"--stock", sample.Path("Assets/Kuju/RailSimulator/RailVehicles") + ":Freight", "--swap",
        "0:0=1"},
       {},
       "Sorry, but you can not swap Wagons for Locos."},
      {{"--duplicate", "0:9"}, {}, "There is no vehicle in row 9 of the selected consist."},
      {{"--duplicate-rear", "9:0"}, {}, "There is no consist in row 9"},
      {{"--drive", "9"}, {}, "There is no consist in row 9"},
      {{"--load", "2:2"}, {}, "is not a loadable vehicle"},
      {{"--unload", "0:9"}, {}, "There is no vehicle in row 9"},
      {{"--duplicate", "0:1", "--delete", "0:9", "--drive", "1"}, {}, "no vehicle in row 9"},
      {{"--day", "5"}, "exit:Scenario.xml", "occurred while saving your Scenario"},
  };
  for (const Case& c : cases) {
    const CliRun run =
        cli.Run(QStringList{"save", kSevernVale, kMorningCoal} + c.arguments, false, c.fault);
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(ReadFileBytes(folder + "/Scenario.bin"), before);
  }
}

TEST_F(EditorCliTest, ClonePrintsTheNewFolderWhichTheRouteThenLists) {
  const CliRun run = cli.Run({"clone", kSevernVale, kMorningCoal, "--display-name",
                              "Coal Empties Two", "--start-time", "0915"},
                             true);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QString folder = QString::fromStdString(run.out).trimmed();
  ASSERT_EQ(folder.size(), 36);
  EXPECT_TRUE(QFile::exists(ScenarioFolder(kSevernVale, folder) + "/Scenario.bin"));
  const QJsonObject shown = Show(kSevernVale, folder);
  EXPECT_EQ(shown["displayName"].toString(), "Coal Empties Two");
  EXPECT_EQ(shown["startTime"].toString(), "0915");
  EXPECT_EQ(Show(kSevernVale, kMorningCoal)["displayName"].toString(), "Morning Coal Empties");
}

// The sample's Steam Gala Special has backups, and a file of the user's own beside them.
TEST_F(EditorCliTest, BackupsListsOldestFirstAndARestoreIsListedAfterwards) {
  const QStringList gala = {"c0e5a7d1-2b84-46f9-8e3a-91d6b7f2c530",
                            "6a2b4c75-8394-4fb6-92c7-3e45f6a7b8c9"};
  const auto names = [&] {
    QStringList listed;
    const CliRun run = cli.Run(QStringList{"backups"} + gala);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const QString& line : QString::fromStdString(run.out).split('\n', Qt::SkipEmptyParts)) {
      const QStringList fields = line.split('\t');
      EXPECT_EQ(fields.size(), 3);
      EXPECT_TRUE(QDateTime::fromString(fields.value(1), "yyyy-MM-dd HH:mm:ss").isValid())
          << line.toStdString();
      listed << fields[0];
    }
    return listed;
  };
  EXPECT_EQ(names(),
            QStringList({"Scenario.bak", "Scenario.bak1", "Scenario.bak2", "Scenario.bak10"}));
  EXPECT_EQ(
      cli.Run(QStringList{"restore-backup"} + gala + QStringList{"Scenario.bak01"}, true).exitCode,
      1);
  EXPECT_EQ(cli.Run(QStringList{"restore-backup"} + gala + QStringList{"Scenario.bak1"}).exitCode,
            1);  // the question answered "stop"
  const CliRun restored =
      cli.Run(QStringList{"restore-backup"} + gala + QStringList{"Scenario.bak1"}, true);
  EXPECT_EQ(restored.exitCode, 0) << restored.err;
  EXPECT_EQ(names(), QStringList({"Scenario.bak", "Scenario.bak1", "Scenario.bak2", "Scenario.bak3",
                                  "Scenario.bak10"}));
}

TEST_F(EditorCliTest, UsageErrorsExitTwo) {
  const QStringList cases[] = {
      {"show", kSevernVale},
      {"save", kSevernVale, kMorningCoal, "--bogus"},
      {"save", kSevernVale, kMorningCoal, "--day"},
      {"save", kSevernVale, kMorningCoal, "--type", "express"},
      {"clone", kSevernVale, kMorningCoal},
      {"clone", kSevernVale, kMorningCoal, "--display-name", "X", "--swap", "0:0=0"},
      {"save", kSevernVale, kMorningCoal, "--duplicate", "zero"},
      {"backups"},
      {"restore-backup", kSevernVale},
  };
  for (const QStringList& arguments : cases) {
    const CliRun run = cli.Run(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString() << "\n" << run.err;
  }
}

// Help comes from the tables the parser reads: every option it takes is explained.
TEST_F(EditorCliTest, HelpNamesEveryOptionTheParserTakes) {
  const CliRun help = cli.Run({"help", "save"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(cli.Run({"save", "--help"}).out, help.out);
  for (const char* option : {"--display-name", "--weather-blueprint", "--type", "--all-consists",
                             "--stock", "--swap-all", "--duplicate-rear", "--unload"}) {
    EXPECT_NE(help.out.find(std::string("\n  ") + option + ' '), std::string::npos) << option;
  }
  EXPECT_NE(help.out.find("example:\n  rs_fennick_cli save "), std::string::npos) << help.out;
  const CliRun list = cli.Run({"help"});
  EXPECT_NE(list.out.find("\n  clone "), std::string::npos) << list.out;
}

}  // namespace
}  // namespace fennick::test
