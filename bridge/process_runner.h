#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace fennick {

// How a program is to be started: directly, or through wine for a Windows executable on a
// system that is not Windows.
struct Launch {
  QString program;            // what is started
  QStringList arguments;      // its arguments (empty when nativeCommandLine is used)
  QString nativeCommandLine;  // Windows only: the whole command line, passed unparsed
  QString workingFolder;      // empty: the program's own current folder
};

struct RunOutcome {
  bool started = false;
  bool crashed = false;
  int exitCode = -1;
  QString errorText;  // why it did not start or did not finish
};

// Runs the program and waits for the process itself to end. While waiting, pending events
// are processed on the main thread (windows repaint); the front end decides, through BusyHook,
// that input is not taken meanwhile. Safe to call from worker threads, which simply block.
RunOutcome RunAndWait(const Launch& launch);

// Starts the program detached; true when it started.
bool StartDetached(const Launch& launch, QString* errorText);

// Called with true before a wait and false after it. The windows install one that shows
// the busy pointer and swallows input; without one nothing happens.
using BusyHook = std::function<void(bool busy)>;
void SetBusyHook(BusyHook hook);

// A Windows executable: its file starts with "MZ".
bool IsWindowsExecutable(const QString& nativePath);

// Builds the launch for an executable: through wine when it is a Windows program on another
// system (wine must be on the search path; otherwise errorText says so and program is empty).
Launch LaunchFor(const QString& nativeExecutable, const QStringList& arguments, QString* errorText);

}  // namespace fennick
