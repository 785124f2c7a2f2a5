#include "scenario/localized_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/scenario/scenario_texts.h"

namespace fennick {
namespace {

using test::Block;

// Reading needs only the languages up to the first text; writing needs all five, paired and
// holding no other elements, and otherwise leaves the text exactly as it was.
TEST(LocalizedTextBlock, ReadsFirstNonEmptyLanguageAndWritesAllOrNothing) {
  struct Case {
    std::string text;
    std::string expected;  // the text read, or a word the read error must hold
    bool readable = true;
    bool writable = true;
  };
  const std::string en = "<English>a</English>", rest = "<Italian>c</Italian><German>d</German>";
  const Case cases[] = {
      {Block("DisplayName", "Quick run"), "Quick run"},
      {Block("DisplayName", "A", "B", "C", "D", "E"), "A"},
      {Block("ServiceName", "", "Rapide"), "Rapide"},
      {Block("DisplayName", "", "", "", "Schnell"), "Schnell"},
      {Block("DisplayName", "", "", "", "", "R\xE1pido"), "R\xE1pido"},
      {Block("DisplayName", ""), ""},
      {Block("DisplayName", "Caf\xE9 \x80"), "Caf\xE9 \x80"},
      {"<DisplayName><English>Solo</English></DisplayName>", "Solo", true, false},
      {"<English/><French>Fr</French><Italian></Italian>", "Fr", true, false},
      {en + "<French>b</French>" + rest, "a", true, false},
      {en + "<French>b</French>" + rest + "<Spanish>e", "a", true, false},
      {en + "<French/>" + rest + "<Spanish>e</Spanish>", "a", true, false},
      {en + "<French>b" + rest + "<Spanish>e</Spanish></French>", "a", true, false},
      {"<DisplayName></DisplayName>", "English", false, false},
      {"<English>abc", "English", false, false},
      {"<English></English>", "French", false, false},
      {"<English></English><French></French><Italian></Italian><German></German>", "Spanish", false,
       false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const Result<std::string> read = LocalizedTextBlock(1).GetLocalText(c.text);
    ASSERT_EQ(read.ok(), c.readable);
    EXPECT_TRUE(c.readable ? *read == c.expected
                           : read.error().find(c.expected) != std::string::npos)
        << (c.readable ? *read : read.error());
    std::string text = c.text;
    EXPECT_EQ(LocalizedTextBlock(1).PutLocalText(text, "Hello").ok(), c.writable);
    if (c.writable) {
      EXPECT_EQ(*LocalizedTextBlock(1).GetLocalText(text), "Hello");
    } else {
      EXPECT_EQ(text, c.text);
    }
  }
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

  const Result<LocalizedTextBlock> unclosed =
      LocalizedTextBlock::Enclosed("<DisplayName><English>a</English>", 1, "DisplayName");
  ASSERT_FALSE(unclosed.ok());
  EXPECT_NE(unclosed.error().find("DisplayName"), std::string::npos);
}

}  // namespace
}  // namespace fennick
