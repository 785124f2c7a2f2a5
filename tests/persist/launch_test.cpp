#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <vector>

#include "persist/launch.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

using test::ScriptedDialogs;
using Command = LaunchOutcome (*)(const QString&, Dialogs&, const ProgramStarter&);

TEST(LaunchTest, EachButtonStartsItsProgramOrSaysWhyNot) {
  QTemporaryDir dir;  // starts are recorded instead of made
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("RailSim.exe"), "x"));
  std::vector<QString> starts;
  Status result = Ok();
  const ProgramStarter record = [&](const QString& program, const QStringList& arguments) {
    starts.push_back(program + " " + arguments.join(' '));
    return result;
  };
  // Without the developer tools both editor buttons say so and start nothing.
  for (Command run : {Command{RunSimEditor}, Command{RunSimEditorWithLog}}) {
    ScriptedDialogs dialogs;
    EXPECT_EQ(run(dir.path(), dialogs, record), LaunchOutcome::kStayOpen);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "You do not appear to have the Dev Tools installed.\n"
              "Please Run Rail Simulator instead.");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  }
  EXPECT_TRUE(starts.empty());

  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("RailSimEditor.exe"), "x"));
  ScriptedDialogs dialogs;
  for (Command run : {Command{RunSimulator}, Command{RunSimEditor}, Command{RunSimEditorWithLog}}) {
    EXPECT_EQ(run(dir.path(), dialogs, record), LaunchOutcome::kStarted);
  }
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(starts, (std::vector<QString>{dir.path() + "\\RailSim.exe ",
                                          dir.path() + "\\RailSimEditor.exe ",
                                          dir.path() + "\\RailSimEditor.exe -LogMate"}));

  // A start that fails is reported and the windows stay open.
  result = Error{"Could not start RailSim.exe (no such program)"};
  EXPECT_EQ(RunSimulator(dir.path(), dialogs, record), LaunchOutcome::kStayOpen);
  EXPECT_EQ(RunSimEditorWithLog(dir.path(), dialogs, record), LaunchOutcome::kStayOpen);
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>(2, "Could not start RailSim.exe (no such program)"));
}

}  // namespace
}  // namespace fennick
