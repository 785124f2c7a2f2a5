#include <gtest/gtest.h>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>

#include "tests/support/case_file.h"
#include "tests/support/cli_runner.h"
#include "tests/support/sample_install.h"

namespace fennick::test {
namespace {

const QString kSevernVale = "2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21";
const QString kMorningCoal = "0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301";

const std::string kData = FENNICK_TEST_DATA_DIR "/editor_cli/";

class EditorCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sample.ok()) << sample.error().toStdString();
    ASSERT_TRUE(cli.ok());
  }
  // What show prints, raw line ends taken out (JSON escapes those inside texts).
  std::string Show(const QString& route, const QString& scenario) {
    const CliRun run = cli.Run({"show", route, scenario});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return Text(run.out);
  }
  static std::string Text(const std::string& out) {
    return QString::fromStdString(out).remove('\r').toStdString();
  }
  QString Folder(const QString& scenario) const {
    return sample.Path("Content/Routes/" + kSevernVale + "/Scenarios/" + scenario);
  }
  // A command line of a case file, its placeholders filled in.
  QStringList Arguments(const std::string& line) const {
    QStringList arguments = QString::fromStdString(line).split(' ', Qt::SkipEmptyParts);
    for (QString& argument : arguments) {
      argument.replace("{route}", kSevernVale).replace("{scenario}", kMorningCoal);
      argument.replace("{stock}", sample.Path("Assets/Kuju/RailSimulator/RailVehicles"));
    }
    return arguments;
  }
  // Lines of a command's output, split at TABs.
  std::vector<QStringList> Lines(const CliRun& run) const {
    std::vector<QStringList> lines;
    for (const QString& line : QString::fromStdString(run.out).split('\n', Qt::SkipEmptyParts))
      lines.push_back(line.split('\t'));
    return lines;
  }

  SampleInstall sample;
  CliRunner cli{sample.ProgramFolder(), sample.RsPath()};
};

std::string Expected(const std::string& name) {
  return ReadFileBytes(QString::fromStdString(kData + name)).toStdString();
}

// show prints each listed scenario as data/editor_cli/show holds it, and check reports the
// vehicles those call not installed as check.txt holds it.
TEST_F(EditorCliTest, ShowAndCheckEveryScenario) {
  std::string checked;
  for (const QStringList& route : Lines(cli.Run({"routes"}))) {
    for (const QStringList& listed : Lines(cli.Run({"scenarios", route.value(1)}))) {
      const std::string scenario = listed.value(1).toStdString();
      EXPECT_EQ(Show(route[1], listed[1]), Expected("show/" + scenario + ".json")) << scenario;
      const CliRun check = cli.Run({"check", route[1], listed[1]});
      checked +=
          scenario + " exit " + std::to_string(check.exitCode) + '\n' + Text(check.out + check.err);
    }
  }
  EXPECT_EQ(checked, Expected("check.txt"));
}

// The consist start times of a scenario's document, in seconds.
std::vector<double> StartTimes(const QString& bin) {
  std::vector<double> times;
  static const QRegularExpression element("<StartTime[^>]*>([^<]*)</StartTime>");
  for (const auto& match : element.globalMatch(QString::fromUtf8(DecodeBin(bin))))
    times.push_back(match.captured(1).toDouble());
  return times;
}

// The edits and consist operations of one save, in order, give data/editor_cli/saved.json.
TEST_F(EditorCliTest, SaveWritesEditsAndConsistOperationsInOrder) {
  const QString bin = Folder(kMorningCoal) + "/Scenario.bin";
  std::vector<double> starts = StartTimes(bin);
  for (double& start : starts) start += 5400;  // --all-consists: the scenario's 90 minutes
  const CliRun run = cli.Run({"save", kSevernVale, kMorningCoal, "--start-time", "0830", "--day",
                              "3", "--description", "Coal & more", "--duplicate", "0:1", "--load",
                              "0:1,2", "--drive", "1", "--type", "timetable", "--all-consists"},
                             true);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("Your Scenario.bin and Scenarios.bin files have been updated."),
            std::string::npos);
  EXPECT_EQ(Show(kSevernVale, kMorningCoal), Expected("saved.json"));
  EXPECT_TRUE(QFile::exists(Folder(kMorningCoal) + "/Scenario.bak"));
  EXPECT_EQ(StartTimes(bin), starts);

  // A clone prints its new folder, which then shows as the saved scenario under its own name.
  const CliRun clone = cli.Run({"clone", kSevernVale, kMorningCoal, "--display-name",
                                "Coal Empties Two", "--start-time", "0915"},
                               true);
  ASSERT_EQ(clone.exitCode, 0) << clone.err;
  const QString folder = QString::fromStdString(clone.out).trimmed();
  EXPECT_EQ(Show(kSevernVale, folder), QString::fromStdString(Expected("saved.json"))
                                           .replace("Morning Coal Empties", "Coal Empties Two")
                                           .replace("\"0830\"", "\"0915\"")
                                           .toStdString());
  EXPECT_EQ(Show(kSevernVale, kMorningCoal), Expected("saved.json"));
}

// Refusals, failures and usage errors end with their exit status and write nothing.
TEST_F(EditorCliTest, RefusalsFailuresAndUsageErrorsLeaveTheFilesAlone) {
  const QByteArray before = ReadFileBytes(Folder(kMorningCoal) + "/Scenario.bin");
  for (const CaseLine& c : ReadCaseFile(kData + "runs.txt")) {
    SCOPED_TRACE(c.fields[0]);
    ASSERT_EQ(c.fields.size(), 5u);
    const CliRun run = cli.Run(Arguments(c.fields[1]), false, QString::fromStdString(c.fields[2]));
    EXPECT_EQ(run.exitCode, std::stoi(c.fields[3])) << run.err;
    EXPECT_NE(run.err.find(c.fields[4]), std::string::npos) << run.err;
    EXPECT_EQ(ReadFileBytes(Folder(kMorningCoal) + "/Scenario.bin"), before);
    EXPECT_FALSE(QFile::exists(Folder(kMorningCoal) + "/Scenario.bak"));
  }
}

// The sample's Steam Gala Special has backups, and a file of the user's own beside them.
TEST_F(EditorCliTest, BackupsListsOldestFirstAndARestoreIsListedAfterwards) {
  const QStringList gala = {"c0e5a7d1-2b84-46f9-8e3a-91d6b7f2c530",
                            "6a2b4c75-8394-4fb6-92c7-3e45f6a7b8c9"};
  // The backups as listed, each with its time (a name without one gets a "?").
  const auto names = [&] {
    QStringList listed;
    for (const QStringList& fields : Lines(cli.Run(QStringList{"backups"} + gala))) {
      const bool dated = QDateTime::fromString(fields.value(1), "yyyy-MM-dd HH:mm:ss").isValid();
      listed << fields[0] + (dated ? "" : "?");
    }
    return listed.join(' ');
  };
  EXPECT_EQ(names(), "Scenario.bak Scenario.bak1 Scenario.bak2 Scenario.bak10");
  const auto restore = [&](const char* name, bool yes) {
    return cli.Run(QStringList{"restore-backup"} + gala + QStringList{name}, yes).exitCode;
  };
  EXPECT_EQ(restore("Scenario.bak01", true), 1);
  EXPECT_EQ(restore("Scenario.bak1", false), 1);  // the question answered "stop"
  EXPECT_EQ(restore("Scenario.bak1", true), 0);
  EXPECT_EQ(names(), "Scenario.bak Scenario.bak1 Scenario.bak2 Scenario.bak3 Scenario.bak10");
}

}  // namespace
}  // namespace fennick::test
