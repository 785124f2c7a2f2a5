#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "scenario/tag_scan.h"
#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

struct AllTimesCase {
  const char* label;
  std::string text;
  std::int32_t delay;
  std::string expected;
  std::size_t rewritten;
  TagStatus stoppedBy;
};

class PutAllTimesTest : public testing::TestWithParam<AllTimesCase> {};

TEST_P(PutAllTimesTest, ShiftsEveryStartTimeFromItsOwnValue) {
  const AllTimesCase& c = GetParam();
  std::string text = c.text;
  const BulkRewrite outcome = PutAllTimes(text, c.delay);
  EXPECT_EQ(text, c.expected);
  EXPECT_EQ(outcome.rewritten, c.rewritten);
  EXPECT_EQ(outcome.stoppedBy, c.stoppedBy);
}

const std::string kTwoConsists =
    "<cConsist><Driver><StartTime d:type=\"sFloat32\">25200.0000</StartTime></Driver>"
    "</cConsist>\r\n<cConsist><STARTTIME>86000</STARTTIME><Name>Gro\xDF</Name></cConsist>";

INSTANTIATE_TEST_SUITE_P(
    Cases, PutAllTimesTest,
    testing::Values(
        AllTimesCase{"delay 0 only rounds", kTwoConsists, 0,
                     "<cConsist><Driver><StartTime d:type=\"sFloat32\">25200</StartTime></Driver>"
                     "</cConsist>\r\n<cConsist><STARTTIME>86000</STARTTIME><Name>Gro\xDF</Name>"
                     "</cConsist>",
                     2, TagStatus::kNotFound},
        AllTimesCase{"every element its own value", kTwoConsists, 1000,
                     "<cConsist><Driver><StartTime d:type=\"sFloat32\">26200</StartTime></Driver>"
                     "</cConsist>\r\n<cConsist><STARTTIME>600</STARTTIME><Name>Gro\xDF</Name>"
                     "</cConsist>",
                     2, TagStatus::kNotFound},
        AllTimesCase{"no start time", "<a>1</a>\xE9", 3600, "<a>1</a>\xE9", 0,
                     TagStatus::kNotFound},
        AllTimesCase{"empty text", "", 3600, "", 0, TagStatus::kNotFound},
        // A much shorter value must not make the next element, right behind, be missed.
        AllTimesCase{"adjacent after a long value",
                     "<StartTime>100.000000000000000000</StartTime><StartTime>5</StartTime>", 0,
                     "<StartTime>100</StartTime><StartTime>5</StartTime>", 2, TagStatus::kNotFound},
        AllTimesCase{"empty form skipped, later ones shifted",
                     "<StartTime/><x>keep</x><StartTime>10</StartTime>", 5,
                     "<StartTime/><x>keep</x><StartTime>15</StartTime>", 1, TagStatus::kNotFound},
        AllTimesCase{"prefix names count too", "<StartTimeOffset>1</StartTimeOffset>", 1,
                     "<StartTimeOffset>2</StartTimeOffset>", 1, TagStatus::kNotFound},
        AllTimesCase{"overflow stops, earlier kept",
                     "<StartTime>1</StartTime><StartTime>2147483647</StartTime>"
                     "<StartTime>3</StartTime>",
                     10,
                     "<StartTime>11</StartTime><StartTime>2147483647</StartTime>"
                     "<StartTime>3</StartTime>",
                     1, TagStatus::kOverflow},
        AllTimesCase{"unclosed stops, earlier kept", "<StartTime>1</StartTime><StartTime>2</Start>",
                     10, "<StartTime>11</StartTime><StartTime>2</Start>", 1, TagStatus::kUnclosed}),
    test::CaseName());

struct EquivalenceCase {
  const char* label;
  std::vector<std::string> values;  // old StartTime texts, cycled over the consists
  std::int32_t delay;
  std::size_t spareCapacity;  // room reserved behind the text before the rewrite
};

class PutAllTimesEquivalenceTest : public testing::TestWithParam<EquivalenceCase> {};

// Whether the text shrinks, grows within its capacity or grows past it, the one-pass rewrite
// must give what PutTime gives element by element.
TEST_P(PutAllTimesEquivalenceTest, MatchesPutTimeCalledElementByElement) {
  const EquivalenceCase& c = GetParam();
  std::string text;
  for (std::size_t i = 0; i < 40; ++i) {
    text += "<cConsist><StartTime d:type=\"sFloat32\">" + c.values[i % c.values.size()] +
            "</StartTime><Name>v" + std::to_string(i) + "\xE9</Name></cConsist>\n";
  }
  std::string expected = text;
  for (Pos p = 1; p >= 1;) {
    std::int32_t d = c.delay;
    PutTime(expected, p, "StartTime", d);
  }
  std::string rewritten;
  rewritten.reserve(text.size() + c.spareCapacity);
  rewritten = text;
  const BulkRewrite outcome = PutAllTimes(rewritten, c.delay);
  EXPECT_EQ(rewritten, expected);
  EXPECT_EQ(outcome.rewritten, 40u);
  EXPECT_TRUE(outcome.complete());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PutAllTimesEquivalenceTest,
    testing::Values(
        EquivalenceCase{"shrinking", {"25200.0000", "1799.5000"}, 7200, 0},
        EquivalenceCase{"growing within capacity", {"5", "60"}, 36000, 4096},
        EquivalenceCase{"growing past capacity", {"5", "60"}, 36000, 0},
        EquivalenceCase{
            "mixed within capacity", {"5", "25200.0000", "7", "86000.0000", "9"}, 3600, 4096},
        EquivalenceCase{
            "mixed past capacity", {"5", "25200.0000", "7", "86000.0000", "9"}, 3600, 0},
        EquivalenceCase{"unchanged lengths", {"10000"}, 1, 0}),
    test::CaseName());

TEST(PutAllDetails, ResetsEveryDriverFlagAndNothingElse) {
  std::string text =
      "<cConsist><PlayerDriver d:type=\"bool\">1</PlayerDriver><PlayerDriverX>1</PlayerDriverX>"
      "</cConsist><cConsist><playerdriver>1</playerdriver><PlayerDriver/></cConsist>";
  const BulkRewrite outcome = PutAllDetails(text, "PlayerDriver", "0");
  EXPECT_EQ(
      text,
      "<cConsist><PlayerDriver d:type=\"bool\">0</PlayerDriver><PlayerDriverX>0</PlayerDriverX>"
      "</cConsist><cConsist><playerdriver>0</playerdriver><PlayerDriver/></cConsist>");
  EXPECT_EQ(outcome.rewritten, 3u);
  EXPECT_EQ(outcome.emptyFormSkipped, 1u);
  EXPECT_TRUE(outcome.complete());
}

}  // namespace
}  // namespace fennick
