#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>
#include <string>
#include <string_view>

namespace fennick::testing {

inline const QString kSerzExe = QStringLiteral(FENNICK_SERZ_EXE);
inline const QString kRailSimExe = QStringLiteral(FENNICK_RAILSIM_EXE);
inline const QString kRailSimEditorExe = QStringLiteral(FENNICK_RAILSIMEDITOR_EXE);
inline const QString kMakeSampleExe = QStringLiteral(FENNICK_MAKE_SAMPLE_INSTALL_EXE);

struct ChildResult {
  int exitCode = -1;  // -1 also when the child crashed or hung
  QByteArray standardError;
};

// Runs a program to its end without a shell, as the program under test starts the converter.
ChildResult RunChild(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    const QString& workingFolder = QString());

QByteArray ReadWholeFile(const QString& path);
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

std::size_t CountOf(std::string_view doc, std::string_view needle);

}  // namespace fennick::testing
