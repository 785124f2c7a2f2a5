#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace fennick::testing {

struct ChildResult {
  bool finished = false;  // started and ended on its own (not crashed, not timed out)
  int exitCode = -1;
  QByteArray standardOutput;
  QByteArray standardError;
};

// Runs a program to its end without a shell, as the program under test starts the converter.
ChildResult RunChild(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    const QString& workingFolder = QString());

QByteArray ReadWholeFile(const QString& path);
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace fennick::testing
