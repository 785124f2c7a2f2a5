#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "scenario/tag_scan.h"

namespace fennick {
namespace {

using enum TagStatus;

std::string T(const std::string& value) {
  return "<StartTime>" + value + "</StartTime>";
}

TEST(PutAllTimes, ShiftsEveryStartTimeFromItsOwnValue) {
  struct Case {
    std::string text;
    std::int32_t delay;
    std::string expected;
    std::size_t rewritten;
    TagStatus stoppedBy = kNotFound;
  };
  auto consists = [](const std::string& first, const std::string& second) {
    return "<cConsist><StartTime d:type=\"sFloat32\">" + first +
           "</StartTime></cConsist>\r\n<cConsist><STARTTIME>" + second +
           "</STARTTIME><Name>Gro\xDF</Name></cConsist>";
  };
  const Case cases[] = {
      {consists("25200.0000", "86000"), 0, consists("25200", "86000"), 2},
      {consists("25200.0000", "86000"), 1000, consists("26200", "600"), 2},
      {"<a>1</a>\xE9", 3600, "<a>1</a>\xE9", 0},
      {"", 3600, "", 0},
      // A much shorter value must not make the element right behind it be missed.
      {T("100.000000000000000000") + T("5"), 0, T("100") + T("5"), 2},
      {"<StartTime/><x>keep</x>" + T("10"), 5, "<StartTime/><x>keep</x>" + T("15"), 1},
      {"<StartTimeOffset>1</StartTimeOffset>", 1, "<StartTimeOffset>2</StartTimeOffset>", 1},
      {T("1") + T("2147483647") + T("3"), 10, T("11") + T("2147483647") + T("3"), 1, kOverflow},
      {T("1") + "<StartTime>2</Start>", 10, T("11") + "<StartTime>2</Start>", 1, kUnclosed}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string text = c.text;
    const BulkRewrite outcome = PutAllTimes(text, c.delay);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(outcome.rewritten, c.rewritten);
    EXPECT_EQ(outcome.stoppedBy, c.stoppedBy);
  }
}

// Whether the text shrinks, grows or both, within its capacity or past it, the one-pass rewrite
// must give what PutTime gives element by element.
TEST(PutAllTimes, MatchesPutTimeCalledElementByElement) {
  using Values = std::vector<std::string>;  // old StartTime texts, cycled over the consists
  const std::pair<Values, std::int32_t> cases[] = {{{"25200.0000", "1799.5000"}, 7200},
                                                   {{"5", "60"}, 36000},
                                                   {{"5", "25200.0000", "7", "86000.0000"}, 3600}};
  for (const auto& [values, delay] : cases) {
    std::string text;
    for (std::size_t i = 0; i < 40; ++i) {
      text += "<cConsist><StartTime d:type=\"sFloat32\">" + values[i % values.size()] +
              "</StartTime><Name>v" + std::to_string(i) + "\xE9</Name></cConsist>\n";
    }
    std::string expected = text;
    for (Pos p = 1; p >= 1;) {
      std::int32_t d = delay;
      PutTime(expected, p, "StartTime", d);
    }
    for (std::size_t spareCapacity : {0, 4096}) {
      std::string rewritten;
      rewritten.reserve(text.size() + spareCapacity);
      rewritten = text;
      const BulkRewrite outcome = PutAllTimes(rewritten, delay);
      EXPECT_EQ(rewritten, expected) << values[0] << " spare " << spareCapacity;
      EXPECT_EQ(outcome.rewritten, 40u);
    }
  }
}

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
