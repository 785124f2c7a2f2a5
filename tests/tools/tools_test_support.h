#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

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

// Small independent readers for generated documents, matching element names exactly:
// each element from its start tag through the next end tag of that name, and what lies between.
std::vector<std::string> ElementBlocks(std::string_view doc, std::string_view name);
std::vector<std::string> ElementTexts(std::string_view doc, std::string_view name);
std::size_t CountOf(std::string_view doc, std::string_view needle);
// True when the needles occur in the text one after the other in this order.
bool InOrder(std::string_view text, std::initializer_list<std::string_view> needles);

}  // namespace fennick::testing
