#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "app/dialogs.h"
#include "scenario/result.h"

namespace fennick {

// One of the simulator's programs as the editor's launch buttons start it.
struct LaunchCommand {
  QString program;        // RSPath\RailSim.exe or RSPath\RailSimEditor.exe
  QStringList arguments;  // what follows the program on its command line
};

LaunchCommand SimulatorLaunch(const QString& rsPath);         // the path, unquoted
LaunchCommand SimEditorLaunch(const QString& rsPath);         // the path, unquoted
LaunchCommand SimEditorWithLogLaunch(const QString& rsPath);  // "path" -LogMate

// Whether the window should close the browser and the editor (the user goes on in the started
// program) or stay as it is.
enum class LaunchOutcome { kStarted, kStayOpen };

inline constexpr const char* kNoDevToolsMessage =
    "You do not appear to have the Dev Tools installed.\nPlease Run Rail Simulator instead.";

// Starts a program detached. Left empty, StartProgram does it; tests record the starts instead.
using ProgramStarter = std::function<Status(const QString& program, const QStringList& arguments)>;

// "Run Rail Simulator", "Run Rail Sim Editor" and "Run Rail Sim Editor (with log)". Nothing is
// saved. The two editor commands first look for RailSimEditor.exe and show the Dev Tools message
// when it is missing. A start that fails is reported and the windows stay open.
LaunchOutcome RunSimulator(const QString& rsPath, Dialogs& dialogs,
                           const ProgramStarter& start = {});
LaunchOutcome RunSimEditor(const QString& rsPath, Dialogs& dialogs,
                           const ProgramStarter& start = {});
LaunchOutcome RunSimEditorWithLog(const QString& rsPath, Dialogs& dialogs,
                                  const ProgramStarter& start = {});

}  // namespace fennick
