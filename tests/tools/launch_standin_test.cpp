// The RailSim.exe / RailSimEditor.exe stand-ins record each start in launches.log beside them.
#include <gtest/gtest.h>

#include <ostream>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "child_process.h"

namespace fennick::testing {
namespace {

struct StandInCase {
  const char* name;
  const char* builtPath;
  const char* programName;
};

void PrintTo(const StandInCase& c, std::ostream* os) {
  *os << c.name;
}

class LaunchStandIn : public ::testing::TestWithParam<StandInCase> {};

TEST_P(LaunchStandIn, RecordsNameFolderAndArgumentsOfEveryStart) {
  QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  const QString simFolder = temp.filePath("Rail Simulator");
  const QString elsewhere = temp.filePath("somewhere else");
  ASSERT_TRUE(QDir().mkpath(simFolder) && QDir().mkpath(elsewhere));
  const QString program = simFolder + "/" + GetParam().programName;
  ASSERT_TRUE(QFile::copy(GetParam().builtPath, program));

  const ChildResult withSwitch =
      RunChild(program, {"-LogMate"}, QProcessEnvironment::systemEnvironment(), elsewhere);
  const ChildResult bare =
      RunChild(program, {}, QProcessEnvironment::systemEnvironment(), simFolder);
  ASSERT_TRUE(withSwitch.finished && bare.finished);
  EXPECT_EQ(withSwitch.exitCode, 0);
  EXPECT_EQ(bare.exitCode, 0);

  const QString name = GetParam().programName;
  const QString expected = name + "\t" + QFileInfo(elsewhere).canonicalFilePath() + "\t-LogMate\n" +
                           name + "\t" + QFileInfo(simFolder).canonicalFilePath() + "\t\n";
  EXPECT_EQ(ReadWholeFile(simFolder + "/launches.log"), expected.toUtf8());
  EXPECT_FALSE(QFile::exists(elsewhere + "/launches.log"));
}

INSTANTIATE_TEST_SUITE_P(
    Programs, LaunchStandIn,
    ::testing::Values(StandInCase{"RailSim", FENNICK_RAILSIM_EXE, "RailSim.exe"},
                      StandInCase{"RailSimEditor", FENNICK_RAILSIMEDITOR_EXE, "RailSimEditor.exe"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fennick::testing
