#include "scenario/text_search.h"

#include "tests/scenario/case_name.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace fennick {
namespace {

using test::PrintTo;

struct FindCase {
  const char* label;
  std::string text;
  std::string needle;
  Pos from;
  Pos expected;
};

class FindNoCaseTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindNoCaseTest, FindsFirstOccurrenceAtOrAfterFrom) {
  const FindCase& c = GetParam();
  EXPECT_EQ(FindNoCase(c.text, c.needle, c.from), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindNoCaseTest,
    testing::Values(FindCase{"same case", "ab<Name>x", "<Name", 1, 3},
                    FindCase{"upper case text", "ab<NAME>x", "<name", 1, 3},
                    FindCase{"mixed case needle", "<playerdriver>", "<PlayerDRIVER", 1, 1},
                    FindCase{"prefix of a longer tag", "<NameTag>a</NameTag><Name>", "<Name", 1, 1},
                    FindCase{"match exactly at from", "xx<a>", "<a", 3, 3},
                    FindCase{"from just after a match", "xx<a>yy<a>", "<a", 4, 8},
                    FindCase{"from 0 is not found", "<a>", "<a", 0, 0},
                    FindCase{"from beyond the text", "<a>", "<a", 4, 0},
                    FindCase{"needle longer than rest", "abc<Na", "<Name", 1, 0},
                    FindCase{"needle ends at the last byte", "abc<Name", "<Name", 1, 4},
                    FindCase{"empty needle", "abc", "", 1, 0},
                    FindCase{"empty text", "", "<a", 1, 0},
                    // '@' and '`' differ only in bit 0x20 but are not letters.
                    FindCase{"non-letters are not folded", "<@x<`x", "<`", 1, 4},
                    FindCase{"bytes above 127 are not folded", "\xC9t\xE9t\xE9", "\xE9t", 1, 3},
                    FindCase{"match in the 16-byte tail", std::string(40, 'x') + "</cConsist>",
                             "</cconsist", 1, 41},
                    FindCase{"long text, late match", std::string(1000, '<') + "<StartTime>",
                             "<starttime", 1, 1001}),
    test::CaseName());

// Reference: the plain definition, byte by byte.
Pos NaiveFind(const std::string& text, const std::string& needle, Pos from) {
  if (from < 1 || from > text.size() || needle.empty()) return 0;
  auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  for (std::size_t i = from - 1; i + needle.size() <= text.size(); ++i) {
    bool all = true;
    for (std::size_t k = 0; k < needle.size() && all; ++k)
      all = fold(text[i + k]) == fold(needle[k]);
    if (all) return i + 1;
  }
  return 0;
}

// The block-wise filter has edges every 16 bytes; sweep texts and starts across them.
TEST(FindNoCase, AgreesWithPlainSearchAcrossBlockEdges) {
  std::mt19937 random(7);
  const std::string alphabet = "<>/aAnNeE";
  for (int round = 0; round < 3000; ++round) {
    std::string text(random() % 70, ' ');
    for (char& ch : text) ch = alphabet[random() % alphabet.size()];
    std::string needle(1 + random() % 5, ' ');
    for (char& ch : needle) ch = alphabet[random() % alphabet.size()];
    const Pos from = random() % (text.size() + 2);
    ASSERT_EQ(FindNoCase(text, needle, from), NaiveFind(text, needle, from))
        << "text=" << text << " needle=" << needle << " from=" << from;
  }
}

// A "<" followed by one of the wanted bytes, letters in either case; every other tag is passed.
TEST(FindTagStart, StopsOnlyAtWantedTagsAcrossBlockEdges) {
  std::mt19937 random(11);
  const std::string alphabet = "<</nNcCxO\x0f\xce";
  const std::string wanted = "nc/";
  auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  for (int round = 0; round < 3000; ++round) {
    std::string text(random() % 70, ' ');
    for (char& ch : text) ch = alphabet[random() % alphabet.size()];
    const Pos from = random() % (text.size() + 2);
    Pos expected = 0;
    for (std::size_t i = from == 0 ? text.size() : from - 1; i + 1 < text.size(); ++i) {
      if (text[i] == '<' && wanted.find(fold(text[i + 1])) != std::string::npos) {
        expected = i + 1;
        break;
      }
    }
    ASSERT_EQ(FindTagStart(text, from, TagStartSet(wanted)), expected)
        << "text=" << text << " from=" << from;
  }
}

struct FindLastCase {
  const char* label;
  std::string text;
  std::string needle;
  Pos limit;
  Pos lowest;
  Pos expected;
};

class FindLastNoCaseTest : public testing::TestWithParam<FindLastCase> {};

TEST_P(FindLastNoCaseTest, FindsLastOccurrenceWhollyWithinLimit) {
  const FindLastCase& c = GetParam();
  EXPECT_EQ(FindLastNoCase(c.text, c.needle, c.limit, c.lowest), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindLastNoCaseTest,
    testing::Values(FindLastCase{"last of two", "<a><A>", "<a", 6, 1, 4},
                    FindLastCase{"limit cuts the second", "<a><ab", "<ab", 5, 1, 0},
                    FindLastCase{"wholly within limit", "<a><ab", "<ab", 6, 1, 4},
                    FindLastCase{"limit beyond text", "<a>", "<a", 99, 1, 1},
                    FindLastCase{"limit 0", "<a>", "<a", 0, 1, 0},
                    FindLastCase{"lowest excludes earlier", "<a><a>", "<a", 6, 2, 4},
                    FindLastCase{"lowest beyond the only one", "<a>xx", "<a", 5, 2, 0},
                    FindLastCase{"lowest 0 counts as 1", "<a>", "<a", 3, 0, 1},
                    FindLastCase{"empty needle", "<a>", "", 3, 1, 0}),
    test::CaseName());

TEST(FindChar, ForwardAndBackwardRespectTheirBounds) {
  const std::string text = "a>b>c";
  EXPECT_EQ(FindChar(text, '>', 1), 2u);
  EXPECT_EQ(FindChar(text, '>', 3), 4u);
  EXPECT_EQ(FindChar(text, '>', 5), 0u);
  EXPECT_EQ(FindChar(text, '>', 0), 0u);
  EXPECT_EQ(FindChar(text, '>', 6), 0u);
  EXPECT_EQ(FindCharBack(text, '>', 5), 4u);
  EXPECT_EQ(FindCharBack(text, '>', 3), 2u);
  EXPECT_EQ(FindCharBack(text, '>', 1), 0u);
  EXPECT_EQ(FindCharBack(text, '>', 0), 0u);
  EXPECT_EQ(FindCharBack(text, '>', 100), 4u);
}

struct ReplaceCase {
  const char* label;
  std::string text;
  std::string needle;
  std::string replacement;
  std::string expected;
  std::size_t count;
};

class ReplaceAllNoCaseTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAllNoCaseTest, ReplacesEveryOccurrenceOnce) {
  const ReplaceCase& c = GetParam();
  std::string text = c.text;
  EXPECT_EQ(ReplaceAllNoCase(text, c.needle, c.replacement), c.count);
  EXPECT_EQ(text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAllNoCaseTest,
    testing::Values(ReplaceCase{"all spellings", "Standard STANDARD standard", "standard",
                                "timetable", "timetable timetable timetable", 3},
                    ReplaceCase{"no occurrence", "abc", "x", "y", "abc", 0},
                    ReplaceCase{"replacement contains needle", "aa", "a", "aa", "aaaa", 2},
                    ReplaceCase{"no overlap", "aaa", "aa", "b", "ba", 1},
                    ReplaceCase{"bytes above 127 pass", "\xE9standard\xFF", "standard", "x",
                                "\xE9x\xFF", 1},
                    ReplaceCase{"empty needle", "abc", "", "x", "abc", 0}),
    test::CaseName());

}  // namespace
}  // namespace fennick
