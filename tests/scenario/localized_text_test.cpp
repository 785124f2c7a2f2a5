#include "scenario/localized_text.h"

#include <gtest/gtest.h>

#include <string>

#include "scenario/text_search.h"
#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

// A block as the converter writes it, with the given five texts.
std::string Block(const std::string& tag, const std::string& en, const std::string& fr,
                  const std::string& it, const std::string& de, const std::string& es) {
  return "<" + tag + "><Localisation-cUserLocalisedString>\n" +
         "<English d:type=\"cDeltaString\">" + en + "</English>" +
         "<French d:type=\"cDeltaString\">" + fr + "</French>\n" +
         "<Italian d:type=\"cDeltaString\">" + it + "</Italian>" +
         "<German d:type=\"cDeltaString\">" + de + "</German>\n" +
         "<Spanish d:type=\"cDeltaString\">" + es + "</Spanish>" +
         "<Key d:type=\"cDeltaString\">k</Key>\n</Localisation-cUserLocalisedString></" + tag + ">";
}

struct ReadCase {
  const char* label;
  std::string text;
  std::string expected;
};

class GetLocalTextTest : public testing::TestWithParam<ReadCase> {};

TEST_P(GetLocalTextTest, ShowsFirstNonEmptyLanguage) {
  const Result<std::string> text = LocalizedTextBlock(1).GetLocalText(GetParam().text);
  ASSERT_TRUE(text.ok()) << text.error();
  EXPECT_EQ(*text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetLocalTextTest,
    testing::Values(
        ReadCase{"english", Block("DisplayName", "Quick run", "", "", "", ""), "Quick run"},
        ReadCase{"english wins over others", Block("DisplayName", "A", "B", "C", "D", "E"), "A"},
        ReadCase{"french when english empty", Block("ServiceName", "", "Rapide", "", "", ""),
                 "Rapide"},
        ReadCase{"german after three empty", Block("DisplayName", "", "", "", "Schnell", ""),
                 "Schnell"},
        ReadCase{"spanish last", Block("DisplayName", "", "", "", "", "Rápido"), "Rápido"},
        ReadCase{"all empty", Block("DisplayName", "", "", "", "", ""), ""},
        ReadCase{"english only, others missing",
                 "<DisplayName><English>Solo</English></DisplayName>", "Solo"},
        ReadCase{"empty-form english falls back",
                 "<English/><French>Fr</French><Italian></Italian>", "Fr"},
        ReadCase{"bytes above 127 kept", Block("DisplayName", "Caf\xE9 \x80", "", "", "", ""),
                 "Caf\xE9 \x80"}),
    test::CaseName());

struct FailCase {
  const char* label;
  std::string text;
  std::string language;  // named in the error
};

class GetLocalTextFailureTest : public testing::TestWithParam<FailCase> {};

TEST_P(GetLocalTextFailureTest, NamesTheMissingLanguage) {
  const Result<std::string> text = LocalizedTextBlock(1).GetLocalText(GetParam().text);
  ASSERT_FALSE(text.ok());
  EXPECT_NE(text.error().find(GetParam().language), std::string::npos) << text.error();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetLocalTextFailureTest,
    testing::Values(FailCase{"no english", "<DisplayName></DisplayName>", "English"},
                    FailCase{"english unclosed", "<English>abc", "English"},
                    FailCase{"french needed but missing", "<English></English>", "French"},
                    FailCase{"spanish needed but missing",
                             "<English></English><French></French><Italian></Italian>"
                             "<German></German>",
                             "Spanish"}),
    test::CaseName());

TEST(PutLocalText, WritesAllFiveLanguagesKeepingTags) {
  const std::string before = "<x>" + Block("DisplayName", "A", "B", "C", "D", "E") + "</x>";
  for (const std::string& value : {std::string("Hello"), std::string(), std::string("\xC4rger")}) {
    std::string text = before;
    ASSERT_TRUE(LocalizedTextBlock(1).PutLocalText(text, value).ok());
    EXPECT_EQ(text, "<x>" + Block("DisplayName", value, value, value, value, value) + "</x>");
  }
}

TEST(PutLocalText, SecondBlockIsWrittenWithoutTouchingTheFirst) {
  const std::string first = Block("DisplayName", "Name", "", "", "", "");
  std::string text = first + Block("Description", "Old", "Alt", "", "", "");
  const Pos description = FindNoCase(text, "<Description>", 1);
  ASSERT_TRUE(LocalizedTextBlock(description).PutLocalText(text, "New").ok());
  EXPECT_EQ(text, first + Block("Description", "New", "New", "New", "New", "New"));
  EXPECT_EQ(*LocalizedTextBlock(1).GetLocalText(text), "Name");
  EXPECT_EQ(*LocalizedTextBlock(description).GetLocalText(text), "New");
}

TEST(PutLocalText, MissingLanguageLeavesTextUntouched) {
  const std::string cases[] = {
      "<DisplayName><English>Solo</English></DisplayName>",
      "<English>a</English><French>b</French><Italian>c</Italian><German>d</German>",
      "<English>a</English><French/><Italian>c</Italian><German>d</German><Spanish>e</Spanish>",
      "<English>a</English><French>b</French><Italian>c</Italian><German>d</German><Spanish>e",
      "<English>a</English><French>b<Italian>c</Italian><German>d</German><Spanish>e</Spanish>"
      "</French>",
  };
  for (const std::string& before : cases) {
    std::string text = before;
    const Status written = LocalizedTextBlock(1).PutLocalText(text, "Hello");
    EXPECT_FALSE(written.ok()) << before;
    EXPECT_EQ(text, before);
  }
}

TEST(GetLocalText, ReadingWorksWhereWritingFails) {
  std::string text = "<ServiceName><English>Express</English></ServiceName>";
  EXPECT_EQ(*LocalizedTextBlock(1).GetLocalText(text), "Express");
  EXPECT_FALSE(LocalizedTextBlock(1).PutLocalText(text, "x").ok());
}

TEST(LocalizedTextBlock, EnclosedBlockNeverBorrowsFromTheNextBlock) {
  std::string text = "<DisplayName><English></English><Italian>i</Italian></DisplayName>" +
                     Block("Description", "D", "F", "I", "G", "S");
  const LocalizedTextBlock bounded = *LocalizedTextBlock::Enclosed(text, 1, "DisplayName");
  const Result<std::string> read = bounded.GetLocalText(text);
  ASSERT_FALSE(read.ok());
  EXPECT_NE(read.error().find("French"), std::string::npos);
  const std::string before = text;
  EXPECT_FALSE(bounded.PutLocalText(text, "x").ok());
  EXPECT_EQ(text, before);
  // Unbounded, the same search runs on into the description.
  EXPECT_EQ(*LocalizedTextBlock(1).GetLocalText(text), "F");
}

TEST(LocalizedTextBlock, EnclosedWriteKeepsItsBoundAsTextsGrow) {
  std::string text =
      Block("DisplayName", "a", "b", "c", "d", "e") + Block("Briefing", "", "", "", "", "");
  const LocalizedTextBlock bounded = *LocalizedTextBlock::Enclosed(text, 1, "DisplayName");
  ASSERT_TRUE(bounded.PutLocalText(text, std::string(200, 'x')).ok());
  EXPECT_EQ(text, Block("DisplayName", std::string(200, 'x'), std::string(200, 'x'),
                        std::string(200, 'x'), std::string(200, 'x'), std::string(200, 'x')) +
                      Block("Briefing", "", "", "", "", ""));
}

TEST(LocalizedTextBlock, EnclosedNeedsTheClosingTag) {
  const std::string text =
      "<DisplayName><English>a</English>" + Block("Description", "D", "", "", "", "");
  const Result<LocalizedTextBlock> block = LocalizedTextBlock::Enclosed(text, 1, "DisplayName");
  ASSERT_FALSE(block.ok());
  EXPECT_NE(block.error().find("DisplayName"), std::string::npos);
}

}  // namespace
}  // namespace fennick
