#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "app/settings.h"

namespace fennick {
namespace {

struct ReadCase {
  const char* name;
  QByteArray file;
  Settings expected;
};

class SettingsRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SettingsRead, ReadsItemsTheWayTheFileHasAlwaysBeenRead) {
  Settings settings;
  ParseSettings(GetParam().file, settings);
  const Settings& expected = GetParam().expected;
  EXPECT_EQ(settings.rsPath, expected.rsPath);
  EXPECT_EQ(settings.contributeMark, expected.contributeMark);
  EXPECT_EQ(settings.lastStockFolder, expected.lastStockFolder);
  EXPECT_EQ(settings.timetableWarningAccepted, expected.timetableWarningAccepted);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsRead,
    ::testing::Values(
        ReadCase{"four_lines",
                 "C:\\Sim\r\nContribute\r\nC:\\Sim\\Assets\\Kuju\r\nTrue\r\n",
                 {"C:\\Sim", "Contribute", "C:\\Sim\\Assets\\Kuju", true}},
        ReadCase{"one_line", "C:\\Sim\r\n", {"C:\\Sim", "", "", false}},
        ReadCase{"lf_only", "C:\\Sim\nx\n\nFalse\n", {"C:\\Sim", "x", "", false}},
        ReadCase{"leading_blanks_skipped", "   C:\\Sim\r\n", {"C:\\Sim", "", "", false}},
        ReadCase{
            "quotes_removed", "\"C:\\My Sim\"\r\n\r\n\r\nFalse\r\n", {"C:\\My Sim", "", "", false}},
        // An old file with an unquoted comma: the rest of the line is the next item.
        ReadCase{"unquoted_comma_shifts",
                 "C:\\Rail,Sim\r\nContribute\r\nX\r\nTrue\r\n",
                 {"C:\\Rail", "Sim", "Contribute", false}},
        ReadCase{"quoted_comma_kept",
                 "\"C:\\Rail,Sim\"\r\n\r\n\"D:\\a, b\"\r\nTrue\r\n",
                 {"C:\\Rail,Sim", "", "D:\\a, b", true}},
        ReadCase{"flag_any_case", "\r\n\r\n\r\ntrue\r\n", {"", "", "", true}},
        ReadCase{"utf8",
                 "D:\\Jeux\\Gare d'\xC3\x89t\xC3\xA9\r\n",
                 {"D:\\Jeux\\Gare d'Été", "", "", false}},
        // Written by the older program in the ANSI code page (Windows-1252 here).
        ReadCase{"ansi", "D:\\Jeux\\Gare d'\xC9t\xE9\r\n", {"D:\\Jeux\\Gare d'Été", "", "", false}},
        ReadCase{"utf8_byte_order_mark",
                 "\xEF\xBB\xBF"
                 "C:\\Sim\r\n",
                 {"C:\\Sim", "", "", false}},
        ReadCase{"empty_file", "", {"", "", "", false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsWrite, FourLinesWithCrLfAndQuotesOnlyWhereNeeded) {
  Settings plain{"C:\\Sim", "", "C:\\Sim\\Assets", false};
  EXPECT_EQ(FormatSettings(plain), QByteArray("C:\\Sim\r\n\r\nC:\\Sim\\Assets\r\nFalse\r\n"));

  Settings odd{"C:\\Rail,Sim", "Contribute", "  padded", true};
  EXPECT_EQ(FormatSettings(odd),
            QByteArray("\"C:\\Rail,Sim\"\r\nContribute\r\n\"  padded\"\r\nTrue\r\n"));
}

TEST(SettingsWrite, EveryValueSurvivesTheRoundTrip) {
  const std::vector<Settings> cases = {
      {"C:\\Rail,Sim", "Contribute", "D:\\Stock, old", true},
      {" C:\\leading", "", "", false},
      {"/home/player/Rail Simulator", "x", "/a/b", false},
      {"C:\\Gare d'Orsay é", "", "", true},
  };
  QTemporaryDir dir;
  for (const Settings& original : cases) {
    const QString ini = dir.filePath("Fennick.ini");
    ASSERT_TRUE(SaveSettings(ini, original).ok());
    Settings read;
    ASSERT_TRUE(LoadSettings(ini, read));
    EXPECT_EQ(read.rsPath, original.rsPath);
    EXPECT_EQ(read.contributeMark, original.contributeMark);
    EXPECT_EQ(read.lastStockFolder, original.lastStockFolder);
    EXPECT_EQ(read.timetableWarningAccepted, original.timetableWarningAccepted);
  }
}

TEST(SettingsRead, MissingFileChangesNothing) {
  QTemporaryDir dir;
  Settings settings{"keep", "mark", "folder", true};
  EXPECT_FALSE(LoadSettings(dir.filePath("Fennick.ini"), settings));
  EXPECT_EQ(settings.rsPath, "keep");
  EXPECT_TRUE(settings.timetableWarningAccepted);
}

TEST(SettingsWrite, UnwritableFolderIsAnError) {
  const auto saved = SaveSettings("/nonexistent-folder/for/sure/Fennick.ini", Settings{});
  ASSERT_FALSE(saved.ok());
  EXPECT_NE(saved.error().find("Fennick.ini"), std::string::npos);
}

}  // namespace
}  // namespace fennick
