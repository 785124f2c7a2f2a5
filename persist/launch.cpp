#include "persist/launch.h"

#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "bridge/program_start.h"

namespace fennick {
namespace {

LaunchOutcome Start(const LaunchCommand& command, Dialogs& dialogs, const ProgramStarter& start) {
  const Status started = start ? start(command.program, command.arguments)
                               : StartProgram(command.program, command.arguments);
  if (!started) {
    dialogs.ShowMessage(started.error(), MessageIcon::Exclamation);
    return LaunchOutcome::kStayOpen;
  }
  return LaunchOutcome::kStarted;
}

LaunchOutcome StartSimEditor(const LaunchCommand& command, Dialogs& dialogs,
                             const ProgramStarter& start) {
  // The editor comes with the developer tools, which need not be installed.
  if (!FileExists(command.program)) {
    dialogs.ShowMessage(kNoDevToolsMessage, MessageIcon::Exclamation);
    return LaunchOutcome::kStayOpen;
  }
  return Start(command, dialogs, start);
}

}  // namespace

LaunchCommand SimulatorLaunch(const QString& rsPath) {
  const QString program = JoinPath(rsPath, "RailSim.exe");
  return {program, {}};
}

LaunchCommand SimEditorLaunch(const QString& rsPath) {
  const QString program = JoinPath(rsPath, "RailSimEditor.exe");
  return {program, {}};
}

LaunchCommand SimEditorWithLogLaunch(const QString& rsPath) {
  const QString program = JoinPath(rsPath, "RailSimEditor.exe");
  return {program, {"-LogMate"}};
}

LaunchOutcome RunSimulator(const QString& rsPath, Dialogs& dialogs, const ProgramStarter& start) {
  return Start(SimulatorLaunch(rsPath), dialogs, start);
}

LaunchOutcome RunSimEditor(const QString& rsPath, Dialogs& dialogs, const ProgramStarter& start) {
  return StartSimEditor(SimEditorLaunch(rsPath), dialogs, start);
}

LaunchOutcome RunSimEditorWithLog(const QString& rsPath, Dialogs& dialogs,
                                  const ProgramStarter& start) {
  return StartSimEditor(SimEditorWithLogLaunch(rsPath), dialogs, start);
}

}  // namespace fennick
