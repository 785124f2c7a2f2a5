#include <gtest/gtest.h>
#include <QUuid>

#include "bridge/identifier.h"
#include "bridge/paths.h"
#include "bridge/serz_command.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

// tests/data/paths/cases.txt: each text the program builds from a path or an identifier.
TEST(TextForms, PathsCommandsAndIdentifiers) {
  for (const auto& line : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/paths/cases.txt")) {
    const auto& f = line.fields;
    ASSERT_EQ(f.size(), 4u) << "line " << line.lineNumber;
    const QString a = QString::fromStdString(f[1]), b = QString::fromStdString(f[2]);
    QString made;
    if (f[0] == "join") {
      made = JoinPath(a, b);
    } else if (f[0] == "last") {
      made = LastPathElement(a);
    } else if (f[0] == "command") {
      made = SerzCommand(a, b);
    } else if (f[0] == "hex") {
      made = HexToDecimalText(a);
    } else if (f[0] == "guid") {
      const IdentifierText id = IdentifierFromGuid(QUuid(a));
      made = id.text + ' ' + id.firstNumber + ' ' + id.secondNumber;
    } else if (f[0] == "native-win") {
#ifndef Q_OS_WIN
      continue;
#endif
      made = NativePath(a);
    } else {
      FAIL() << "line " << line.lineNumber << ": no function " << f[0];
    }
    EXPECT_EQ(made.toStdString(), f[3]) << "line " << line.lineNumber;
  }
  const IdentifierText fresh = NewIdentifierText();
  EXPECT_NE(fresh.text, NewIdentifierText().text);
  EXPECT_EQ(QUuid(fresh.text).toString(QUuid::WithoutBraces).toUpper(), fresh.text);
}

}  // namespace
}  // namespace fennick
