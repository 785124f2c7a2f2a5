#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <mutex>
#include <vector>

class QProcess;

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
  bool cancelled = false;  // ended early through a RunCancel
  int exitCode = -1;
  QString errorText;    // why it did not start or did not finish
  QString errorOutput;  // what the program wrote to its error output, trimmed and cut short
};

// Ends runs early from elsewhere: the person in the busy state, or stock gathering's Cancel for
// every converter its workers are running. Thread-safe; once cancelled it stays so, and runs
// started under it afterwards do not start at all.
class RunCancel {
 public:
  void Cancel();
  bool Cancelled() const;

  // For RunAndWait: a child to kill on Cancel. False when the cancel came first.
  bool Watch(QProcess* child);
  void Forget(QProcess* child);

 private:
  mutable std::mutex mutex_;
  bool cancelled_ = false;
  std::vector<QProcess*> children_;
};

// Runs the program, without standard input, and waits for the process itself to end. While
// waiting, events are processed (on the main thread the windows repaint; the front end decides,
// through BusyHook, that input is not taken meanwhile). Safe to call from worker threads.
// `cancel`, when given, can end the run; on the main thread the busy hook is offered one anyway.
RunOutcome RunAndWait(const Launch& launch, RunCancel* cancel = nullptr);

// Starts the program detached; true when it started.
bool StartDetached(const Launch& launch, QString* errorText);

// Called on the main thread with true before a wait and false after it. With true comes the
// run's cancel, valid until the call with false; the windows offer it to the person when a run
// takes long. Without a hook nothing happens.
using BusyHook = std::function<void(bool busy, RunCancel* cancel)>;
void SetBusyHook(BusyHook hook);

// A Windows executable: its file starts with "MZ".
bool IsWindowsExecutable(const QString& nativePath);

// Builds the launch for an executable: through wine when it is a Windows program on another
// system (wine must be on the search path; otherwise errorText says so and program is empty).
Launch LaunchFor(const QString& nativeExecutable, const QStringList& arguments, QString* errorText);

}  // namespace fennick
