#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "app/settings.h"
#include "tests/support/case_file.h"

namespace fennick::test {
namespace {

const auto Text = [](const std::string& utf8) { return QString::fromUtf8(utf8); };

void ExpectSettings(const Settings& s, const std::vector<std::string>& f, std::size_t at) {
  EXPECT_EQ(s.rsPath, Text(f[at]));
  EXPECT_EQ(s.contributeMark, Text(f[at + 1]));
  EXPECT_EQ(s.lastStockFolder, Text(f[at + 2]));
  EXPECT_EQ(s.timetableWarningAccepted, f[at + 3] == "True");
}

TEST(Settings, ReadTheWayTheFileHasAlwaysBeenRead) {
  for (const auto& c : ReadCaseFile(FENNICK_TEST_DATA_DIR "/settings/read.txt")) {
    SCOPED_TRACE(c.fields[0]);
    ASSERT_EQ(c.fields.size(), 6u);
    Settings settings;
    ParseSettings(QByteArray::fromStdString(c.fields[1]), settings);
    ExpectSettings(settings, c.fields, 2);
  }
}

TEST(Settings, WrittenWithQuotesOnlyWhereNeededAndReadBackUnchanged) {
  QTemporaryDir dir;
  const QString ini = dir.filePath("Fennick.ini");
  for (const auto& c : ReadCaseFile(FENNICK_TEST_DATA_DIR "/settings/write.txt")) {
    SCOPED_TRACE(c.fields[0]);
    ASSERT_EQ(c.fields.size(), 6u);
    const Settings original{Text(c.fields[1]), Text(c.fields[2]), Text(c.fields[3]),
                            c.fields[4] == "True"};
    EXPECT_EQ(FormatSettings(original), QByteArray::fromStdString(c.fields[5]));
    ASSERT_TRUE(SaveSettings(ini, original).ok());
    Settings read;
    ASSERT_TRUE(LoadSettings(ini, read));
    ExpectSettings(read, c.fields, 1);
  }
  // A missing file changes nothing; a folder that cannot be written is an error naming the file.
  Settings kept{"keep", "", "", true};
  EXPECT_FALSE(LoadSettings(dir.filePath("missing.ini"), kept));
  EXPECT_TRUE(kept.rsPath == "keep" && kept.timetableWarningAccepted);
  const auto saved = SaveSettings("/nonexistent-folder/for/sure/Fennick.ini", Settings{});
  ASSERT_FALSE(saved.ok());
  EXPECT_NE(saved.error().find("Fennick.ini"), std::string::npos);
}

}  // namespace
}  // namespace fennick::test
