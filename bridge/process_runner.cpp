#include "bridge/process_runner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

namespace fennick {

namespace {

BusyHook& Hook() {
  static BusyHook hook;
  return hook;
}

bool OnMainThread() {
  return QCoreApplication::instance() &&
         QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Only the main thread shows the busy state; worker threads just wait.
class BusyScope {
 public:
  BusyScope() : active_(OnMainThread() && Hook()) {
    if (active_) Hook()(true);
  }
  ~BusyScope() {
    if (active_) Hook()(false);
  }

 private:
  bool active_;
};

void Prepare(QProcess& process, const Launch& launch) {
  process.setProgram(launch.program);
  process.setArguments(launch.arguments);
#ifdef Q_OS_WIN
  if (!launch.nativeCommandLine.isEmpty()) process.setNativeArguments(launch.nativeCommandLine);
#endif
  if (!launch.workingFolder.isEmpty()) process.setWorkingDirectory(launch.workingFolder);
}

}  // namespace

void SetBusyHook(BusyHook hook) {
  Hook() = std::move(hook);
}

RunOutcome RunAndWait(const Launch& launch) {
  RunOutcome outcome;
  if (launch.program.isEmpty()) {
    outcome.errorText = QStringLiteral("no program to start");
    return outcome;
  }
  BusyScope busy;
  QProcess process;
  Prepare(process, launch);
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.setStandardOutputFile(QProcess::nullDevice());

  process.start();
  if (!process.waitForStarted(-1)) {
    outcome.errorText = process.errorString();
    return outcome;
  }
  // Wait on the process itself; with an application running, keep its events flowing so the
  // windows repaint.
  if (OnMainThread() && process.state() != QProcess::NotRunning) {
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning) loop.exec();
  }
  outcome.started = true;
  if (process.state() != QProcess::NotRunning) process.waitForFinished(-1);
  outcome.crashed = process.exitStatus() == QProcess::CrashExit;
  outcome.exitCode = process.exitCode();
  if (outcome.crashed) outcome.errorText = QStringLiteral("the program stopped unexpectedly");
  return outcome;
}

bool StartDetached(const Launch& launch, QString* errorText) {
  if (launch.program.isEmpty()) {
    if (errorText && errorText->isEmpty()) *errorText = QStringLiteral("no program to start");
    return false;
  }
  QProcess process;
  Prepare(process, launch);
  qint64 pid = 0;
  if (process.startDetached(&pid)) return true;
  if (errorText) *errorText = process.errorString();
  return false;
}

bool IsWindowsExecutable(const QString& nativePath) {
  QFile file(nativePath);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return file.read(2) == "MZ";
}

Launch LaunchFor(const QString& nativeExecutable, const QStringList& arguments,
                 [[maybe_unused]] QString* errorText) {
  Launch launch;
#ifndef Q_OS_WIN
  if (IsWindowsExecutable(nativeExecutable)) {
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty()) {
      if (errorText) {
        *errorText = nativeExecutable +
                     " is a Windows program and wine, which could start it, was not found";
      }
      return launch;
    }
    launch.program = wine;
    launch.arguments = QStringList{nativeExecutable} + arguments;
    return launch;
  }
#endif
  launch.program = nativeExecutable;
  launch.arguments = arguments;
  return launch;
}

}  // namespace fennick
