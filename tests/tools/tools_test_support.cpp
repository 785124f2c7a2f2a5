#include "tests/tools/tools_test_support.h"

#include <QFile>
#include <QProcess>

namespace fennick::testing {

ChildResult RunChild(const QString& program, const QStringList& arguments,
                     const QProcessEnvironment& environment, const QString& workingFolder) {
  QProcess process;
  process.setProcessEnvironment(environment);
  if (!workingFolder.isEmpty()) process.setWorkingDirectory(workingFolder);
  process.start(program, arguments);
  ChildResult result;
  // A generous bound only guards against a hung child; the programs end in milliseconds.
  if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit) {
    result.exitCode = process.exitCode();
    result.standardError = process.readAllStandardError();
  } else {
    process.kill();
    process.waitForFinished();
  }
  return result;
}

QByteArray ReadWholeFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

std::size_t CountOf(std::string_view doc, std::string_view needle) {
  std::size_t count = 0;
  for (std::size_t p = doc.find(needle); p != std::string_view::npos; p = doc.find(needle, p + 1)) {
    ++count;
  }
  return count;
}

}  // namespace fennick::testing
