#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#endif

#include "bridge/process_runner.h"
#include "bridge/program_start.h"
#include "tests/support/sample_install.h"
#include "tests/support/tool_paths.h"
#include "tests/support/wait_for_file.h"

namespace fennick {
namespace {

#ifndef Q_OS_WIN
// Elsewhere than Windows a Windows program goes through the wine found on the search path.
TEST(LaunchFor, WindowsProgramsGoThroughWine) {
  QTemporaryDir dir;
  const QString exe = dir.filePath("serz.exe"), native = dir.filePath("native.exe");
  const QString wine = dir.filePath("bin/wine");
  ASSERT_TRUE(QDir().mkpath(dir.filePath("bin")) && test::WriteFileBytes(exe, "MZ\x90"));
  for (const QString& path : {native, wine}) {
    ASSERT_TRUE(test::WriteFileBytes(path, "\x7F" "ELF") &&
                QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner));
  }
  const QByteArray saved = qgetenv("PATH");
  QString why;
  qputenv("PATH", dir.filePath("no-wine-here").toLocal8Bit());
  EXPECT_TRUE(LaunchFor(exe, {"in"}, &why).program.isEmpty());
  EXPECT_TRUE(why.contains("wine")) << why.toStdString();
  qputenv("PATH", dir.filePath("bin").toLocal8Bit());
  const Launch throughWine = LaunchFor(exe, {"in", "xml:out"}, &why);
  const Launch direct = LaunchFor(native, {"a"}, &why);
  qputenv("PATH", saved);
  EXPECT_EQ(throughWine.program, wine);
  EXPECT_EQ(throughWine.arguments, QStringList({exe, "in", "xml:out"}));
  EXPECT_EQ(direct.program, native);
  EXPECT_EQ(direct.arguments, QStringList({"a"}));
}
#endif

bool ProcessIsGone(qint64 pid) {
#ifdef Q_OS_WIN
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
  if (!process) return true;
  const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
#else
  return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
#endif
}

TEST(RunAndWait, ExitStatusAFailedStartAndACancelThatEndsTheChild) {
  QTemporaryDir dir;
  EXPECT_EQ(RunAndWait(Launch{test::SerzStandIn(), {}, {}, {}}).exitCode, 2);  // no arguments
  const RunOutcome missing = RunAndWait(Launch{dir.filePath("none"), {}, {}, {}});
  EXPECT_FALSE(missing.started);
  EXPECT_FALSE(missing.errorText.isEmpty());

  const QString in = dir.filePath("in.bin"), out = dir.filePath("out.xml");
  ASSERT_TRUE(test::WriteFileBytes(in, "<a/>"));
  // The stand-in writes its process id where its output belongs, then never ends by itself.
  qputenv("FENNICK_SERZ_FAIL", "hang");
  const Launch launch{test::SerzStandIn(), {in, "xml:" + out}, {}, {}};
  for (const bool onWorker : {false, true}) {
    SCOPED_TRACE(onWorker ? "a worker's run, cancelled from the main thread"
                          : "the main thread's run, cancelled in the busy state");
    QFile::remove(out);
    RunOutcome outcome;
    if (onWorker) {
      RunCancel cancel;
      std::thread worker([&] { outcome = RunAndWait(launch, &cancel); });
      if (test::WaitForFile(out)) cancel.Cancel();
      worker.join();
    } else {
      RunCancel* offered = nullptr;
      SetBusyHook([&](bool busy, RunCancel* cancel) { offered = busy ? cancel : nullptr; });
      QTimer::singleShot(0, [&] {
        if (test::WaitForFile(out) && offered) offered->Cancel();
      });
      outcome = RunAndWait(launch);
      SetBusyHook({});
    }
    EXPECT_TRUE(outcome.started);
    EXPECT_TRUE(outcome.cancelled);
    const qint64 pid = test::ReadFileBytes(out).toLongLong();
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(ProcessIsGone(pid));
  }
  qunsetenv("FENNICK_SERZ_FAIL");
}

TEST(StartProgram, StartsInTheProgramsFolderOrSaysWhyNot) {
  static QTemporaryDir dir;  // kept to the end: the started program may still be reading itself
  const QString sim = dir.filePath("Rail Simulator");
  ASSERT_TRUE(QDir().mkpath(sim));
  const auto missing = StartProgram(sim + "\\RailSim.exe");
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.error().find("RailSim.exe"), std::string::npos);

  ASSERT_TRUE(QFile::copy(test::RailSimStandIn(), sim + "/RailSim.exe"));
  QFile::setPermissions(sim + "/RailSim.exe", QFile::permissions(test::RailSimStandIn()));
  ASSERT_TRUE(StartProgram(sim + "\\railsim.EXE", {"-LogMate"}).ok());
  // The stand-in writes: its name, its current folder, its arguments.
  const QString log = sim + "/launches.log";
  ASSERT_TRUE(QTest::qWaitFor([&] { return test::ReadFileBytes(log).endsWith('\n'); }, 20000));
  const QStringList fields = QString::fromUtf8(test::ReadFileBytes(log)).chopped(1).split('\t');
  ASSERT_EQ(fields.size(), 3) << log.toStdString();
  EXPECT_EQ(fields[0], "RailSim.exe");
  EXPECT_EQ(QFileInfo(fields[1]).canonicalFilePath(), QFileInfo(sim).canonicalFilePath());
  EXPECT_EQ(fields[2], "-LogMate");
}

}  // namespace
}  // namespace fennick
