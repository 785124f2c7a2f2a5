#include "tests/support/cli_runner.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace fennick::test {

// The copy keeps the built name: Windows starts only a file ending in .exe.
CliRunner::CliRunner(const QString& programFolder, const QString& rsPath)
    : cli_(programFolder + '/' + QFileInfo(QStringLiteral(FENNICK_CLI)).fileName()),
      programFolder_(programFolder),
      rsPath_(rsPath) {
  const QString built = QStringLiteral(FENNICK_CLI);
  QFile::remove(cli_);
  ok_ = QFile::copy(built, cli_) && QFile::setPermissions(cli_, QFile::permissions(built));
}

void CliRunner::Start(QProcess& process, const QStringList& arguments,
                      const QProcessEnvironment& environment) const {
  QProcessEnvironment combined = QProcessEnvironment::systemEnvironment();
  combined.remove("FENNICK_SERZ_LOG");
  combined.remove("FENNICK_SERZ_FAIL");
  combined.insert(environment);
  process.setProcessEnvironment(combined);
  process.setWorkingDirectory(programFolder_);
  process.start(cli_, QStringList{"--rs-path", rsPath_} + arguments);
}

CliRun CliRunner::Run(QStringList arguments, bool yes, const QString& fault) const {
  if (yes) arguments.prepend("--yes");
  QProcessEnvironment environment;
  if (!fault.isEmpty()) environment.insert("FENNICK_SERZ_FAIL", fault);
  QProcess process;
  Start(process, arguments, environment);
  CliRun run;
  if (!process.waitForFinished(120000)) return run;
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

}  // namespace fennick::test
