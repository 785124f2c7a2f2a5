#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "persist/launch.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

using test::ScriptedDialogs;

// Records the starts instead of starting anything.
struct StartRecorder {
  struct Start {
    QString program;
    QStringList arguments;
  };
  std::vector<Start> starts;
  Status result = Ok();

  ProgramStarter Starter() {
    return [this](const QString& program, const QStringList& arguments) {
      starts.push_back({program, arguments});
      return result;
    };
  }
};

TEST(LaunchCommandTest, CommandLinesOfTheThreeButtons) {
  EXPECT_EQ(SimulatorLaunch("C:\\Sim").commandLine, "C:\\Sim\\RailSim.exe");
  EXPECT_EQ(SimEditorLaunch("C:\\Sim").commandLine, "C:\\Sim\\RailSimEditor.exe");
  EXPECT_EQ(SimEditorWithLogLaunch("C:\\Sim").commandLine,
            "\"C:\\Sim\\RailSimEditor.exe\" -LogMate");
  EXPECT_EQ(SimEditorWithLogLaunch("C:\\Sim").arguments, QStringList{"-LogMate"});
  EXPECT_TRUE(SimulatorLaunch("C:\\Sim").arguments.isEmpty());
}

class LaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::WriteFileBytes(dir.filePath("RailSim.exe"), "stand-in"));
  }
  void AddSimEditor() {
    ASSERT_TRUE(test::WriteFileBytes(dir.filePath("RailSimEditor.exe"), "stand-in"));
  }
  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  StartRecorder recorder;
};

TEST_F(LaunchTest, WithoutTheDevToolsBothEditorButtonsShowTheMessageAndStartNothing) {
  using Command = LaunchOutcome (*)(const QString&, Dialogs&, const ProgramStarter&);
  for (Command run : {Command{RunSimEditor}, Command{RunSimEditorWithLog}}) {
    ScriptedDialogs shown;
    EXPECT_EQ(run(dir.path(), shown, recorder.Starter()), LaunchOutcome::kStayOpen);
    ASSERT_EQ(shown.shown.size(), 1u);
    EXPECT_EQ(shown.shown[0].text,
              "You do not appear to have the Dev Tools installed.\n"
              "Please Run Rail Simulator instead.");
    EXPECT_EQ(shown.shown[0].icon, MessageIcon::Exclamation);
  }
  EXPECT_TRUE(recorder.starts.empty());
}

TEST_F(LaunchTest, EachButtonStartsItsProgramAndClosesTheWindows) {
  AddSimEditor();
  EXPECT_EQ(RunSimulator(dir.path(), dialogs, recorder.Starter()), LaunchOutcome::kStarted);
  EXPECT_EQ(RunSimEditor(dir.path(), dialogs, recorder.Starter()), LaunchOutcome::kStarted);
  EXPECT_EQ(RunSimEditorWithLog(dir.path(), dialogs, recorder.Starter()), LaunchOutcome::kStarted);
  EXPECT_TRUE(dialogs.shown.empty());
  ASSERT_EQ(recorder.starts.size(), 3u);
  EXPECT_EQ(recorder.starts[0].program, dir.path() + "\\RailSim.exe");
  EXPECT_TRUE(recorder.starts[0].arguments.isEmpty());
  EXPECT_EQ(recorder.starts[1].program, dir.path() + "\\RailSimEditor.exe");
  EXPECT_TRUE(recorder.starts[1].arguments.isEmpty());
  EXPECT_EQ(recorder.starts[2].program, dir.path() + "\\RailSimEditor.exe");
  EXPECT_EQ(recorder.starts[2].arguments, QStringList{"-LogMate"});
}

TEST_F(LaunchTest, AFailedStartIsReportedAndTheWindowsStayOpen) {
  AddSimEditor();
  recorder.result = Error{"Could not start RailSim.exe (no such program)"};
  EXPECT_EQ(RunSimulator(dir.path(), dialogs, recorder.Starter()), LaunchOutcome::kStayOpen);
  EXPECT_EQ(RunSimEditorWithLog(dir.path(), dialogs, recorder.Starter()), LaunchOutcome::kStayOpen);
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>(2, "Could not start RailSim.exe (no such program)"));
}

TEST(LaunchStartTest, AMissingSimulatorIsReportedByTheRealStart) {
  QTemporaryDir empty;
  ScriptedDialogs dialogs;
  EXPECT_EQ(RunSimulator(empty.path(), dialogs), LaunchOutcome::kStayOpen);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(dialogs.shown[0].text.find("RailSim.exe"), std::string::npos);
}

TEST(LaunchStartTest, TheSampleSimulatorStarts) {
  test::SampleInstall install;
  ASSERT_TRUE(install.ok()) << install.error().toStdString();
  ScriptedDialogs dialogs;
  EXPECT_EQ(RunSimulator(install.RsPath(), dialogs), LaunchOutcome::kStarted);
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace fennick
