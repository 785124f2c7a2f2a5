#include "bridge/process_runner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <optional>

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
  explicit BusyScope(RunCancel* cancel) : active_(OnMainThread() && Hook()) {
    if (active_) Hook()(true, cancel);
  }
  ~BusyScope() {
    if (active_) Hook()(false, nullptr);
  }

 private:
  bool active_;
};

// Keeps a running child known to its cancel for exactly as long as the QProcess lives.
class Watched {
 public:
  Watched(RunCancel& cancel, QProcess& child) : cancel_(cancel), child_(child) {}
  bool Begin() { return watching_ = cancel_.Watch(&child_); }
  ~Watched() {
    if (watching_) cancel_.Forget(&child_);
  }

 private:
  RunCancel& cancel_;
  QProcess& child_;
  bool watching_ = false;
};

// A converter's complaint belongs in the message, but a flood of it does not.
class ErrorOutput {
 public:
  void Add(const QByteArray& chunk) {
    const qsizetype room = std::max<qsizetype>(kKeptBytes - bytes_.size(), 0);
    bytes_ += chunk.left(room);
    cut_ = cut_ || chunk.size() > room;
  }
  QString Shown() const {
    QString text = QString::fromLocal8Bit(bytes_).trimmed();
    bool cut = cut_;
    if (text.size() > kShownLength) {
      text.truncate(kShownLength);
      cut = true;
    }
    return cut ? text + QStringLiteral("...") : text;
  }

 private:
  static constexpr qsizetype kShownLength = 2000;
  static constexpr qsizetype kKeptBytes = kShownLength * 4;
  QByteArray bytes_;
  bool cut_ = false;
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

void RunCancel::Cancel() {
  std::lock_guard lock(mutex_);
  cancelled_ = true;
  // Killed on the child's own thread, which is waiting in an event loop.
  for (QProcess* child : children_) {
    QMetaObject::invokeMethod(
        child, [child] { child->kill(); }, Qt::QueuedConnection);
  }
}

bool RunCancel::Cancelled() const {
  std::lock_guard lock(mutex_);
  return cancelled_;
}

bool RunCancel::Watch(QProcess* child) {
  std::lock_guard lock(mutex_);
  if (cancelled_) return false;
  children_.push_back(child);
  return true;
}

void RunCancel::Forget(QProcess* child) {
  std::lock_guard lock(mutex_);
  std::erase(children_, child);
}

void SetBusyHook(BusyHook hook) {
  Hook() = std::move(hook);
}

RunOutcome RunAndWait(const Launch& launch, RunCancel* cancel) {
  RunOutcome outcome;
  if (launch.program.isEmpty()) {
    outcome.errorText = QStringLiteral("no program to start");
    return outcome;
  }
  RunCancel ownCancel;  // what the busy state offers when the caller gave none
  if (!cancel && OnMainThread()) cancel = &ownCancel;
  // Made before the start, so the child is watched by this thread's event loop.
  std::optional<QEventLoop> loop;
  if (QCoreApplication::instance()) loop.emplace();

  QProcess process;
  Prepare(process, launch);
  // No standard input: a child waiting for input would wait for ever.
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  ErrorOutput errorOutput;
  // Read as it comes: a child whose error output fills the pipe would block.
  QObject::connect(&process, &QProcess::readyReadStandardError,
                   [&] { errorOutput.Add(process.readAllStandardError()); });
  if (loop) QObject::connect(&process, &QProcess::finished, &*loop, &QEventLoop::quit);

  std::optional<Watched> watched;
  if (cancel) {
    watched.emplace(*cancel, process);
    if (!watched->Begin()) {
      outcome.cancelled = true;
      outcome.errorText = QStringLiteral("cancelled");
      return outcome;
    }
  }
  BusyScope busy(cancel);
  process.start();
  if (!process.waitForStarted(-1)) {
    outcome.errorText = process.errorString();
    return outcome;
  }
  outcome.started = true;
  // Wait on the process itself, keeping this thread's events flowing: the windows repaint and
  // a cancel gets through.
  if (loop && process.state() != QProcess::NotRunning) loop->exec();
  if (process.state() != QProcess::NotRunning) process.waitForFinished(-1);
  errorOutput.Add(process.readAllStandardError());
  outcome.errorOutput = errorOutput.Shown();
  outcome.crashed = process.exitStatus() == QProcess::CrashExit;
  outcome.exitCode = process.exitCode();
  if (cancel && cancel->Cancelled() && (outcome.crashed || outcome.exitCode != 0)) {
    outcome.cancelled = true;
    outcome.errorText = QStringLiteral("cancelled");
  } else if (outcome.crashed) {
    outcome.errorText = QStringLiteral("the program stopped unexpectedly");
  }
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
