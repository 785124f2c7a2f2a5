#include "scenario/tag_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

// 1-based position of the first `what` in `text` (plain, case-sensitive), for expectations.
Pos At(const std::string& text, const std::string& what, std::size_t from = 0) {
  const std::size_t index = text.find(what, from);
  return index == std::string::npos ? 0 : index + 1;
}

struct GetCase {
  const char* label;
  std::string text;
  Pos from;
  std::string name;
  TagStatus status;
  std::string value;     // expected value; "<unchanged>" when it must stay as it was
  std::string closeTag;  // the closing tag xx must point at; empty when xx must be 0
};

class GetDetailTest : public testing::TestWithParam<GetCase> {};

TEST_P(GetDetailTest, ReadsElementTextAndMovesToClosingTag) {
  const GetCase& c = GetParam();
  Pos xx = c.from;
  std::string value = "<unchanged>";
  EXPECT_EQ(GetDetail(c.text, xx, c.name, value), c.status);
  EXPECT_EQ(value, c.value);
  EXPECT_EQ(xx, c.closeTag.empty() ? 0 : At(c.text, c.closeTag));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetDetailTest,
    testing::Values(
        GetCase{"plain", "<a><StartTime>25200</StartTime></a>", 1, "StartTime", TagStatus::kFound,
                "25200", "</StartTime>"},
        GetCase{"attributes skipped",
                "<StartTime d:type=\"sFloat32\" d:alt_encoding=\"0000000000A0D840\">25200"
                "</StartTime>",
                1, "StartTime", TagStatus::kFound, "25200", "</StartTime>"},
        GetCase{"empty element text", "<Description></Description>", 1, "Description",
                TagStatus::kFound, "", "</Description>"},
        GetCase{"prefix match stops at longer name", "<NameXyz>a</NameXyz><Name>b</Name>", 1,
                "Name", TagStatus::kFound, "a", "</NameXyz>"},
        GetCase{"capital tags", "<PLAYERDRIVER D:TYPE=\"bool\">1</PLAYERDRIVER>", 1, "PlayerDriver",
                TagStatus::kFound, "1", "</PLAYERDRIVER>"},
        GetCase{"search starts at from", "<e>1</E><e>2</e>", 2, "e", TagStatus::kFound, "2",
                "</e>"},
        GetCase{"missing element", "<a>1</a>", 1, "b", TagStatus::kNotFound, "<unchanged>", ""},
        GetCase{"missing closing tag", "<b>1</a>", 1, "b", TagStatus::kUnclosed, "<unchanged>", ""},
        GetCase{"opening tag never ends", "<b d:type=", 1, "b", TagStatus::kUnclosed, "<unchanged>",
                ""},
        GetCase{"position 0", "<b>1</b>", 0, "b", TagStatus::kNotFound, "<unchanged>", ""},
        GetCase{"position beyond text", "<b>1</b>", 99, "b", TagStatus::kNotFound, "<unchanged>",
                ""},
        GetCase{"empty form reads empty", "<UniqueNumber/><UniqueNumber>7</UniqueNumber>", 1,
                "UniqueNumber", TagStatus::kEmptyForm, "", "/>"},
        GetCase{"bytes above 127 kept", "<Name>Gro\xDF\xE9 \x80</Name>", 1, "Name",
                TagStatus::kFound, "Gro\xDF\xE9 \x80", "</Name>"}),
    test::CaseName());

TEST(GetDetail, ChainsThroughOneRunningPosition) {
  const std::string text =
      "<StartTime>1</StartTime><DurationMins>60</DurationMins><StartDD>3</StartDD>"
      "<DurationMins>99</DurationMins>";
  Pos p = 1;
  std::string value;
  ASSERT_EQ(GetDetail(text, p, "StartTime", value), TagStatus::kFound);
  ASSERT_EQ(GetDetail(text, p, "DurationMins", value), TagStatus::kFound);
  EXPECT_EQ(value, "60");
  ASSERT_EQ(GetDetail(text, p, "StartDD", value), TagStatus::kFound);
  EXPECT_EQ(value, "3");
  ASSERT_EQ(GetDetail(text, p, "DurationMins", value), TagStatus::kFound);
  EXPECT_EQ(value, "99");
  EXPECT_EQ(GetDetail(text, p, "StartDD", value), TagStatus::kNotFound);
  EXPECT_EQ(p, 0u);
}

struct PutCase {
  const char* label;
  std::string text;
  Pos from;
  std::string name;
  std::string response;
  TagStatus status;
  std::string expected;     // the whole text afterwards
  std::string closeMarker;  // unique text that starts at the old closing tag
};

class PutDetailTest : public testing::TestWithParam<PutCase> {};

TEST_P(PutDetailTest, RewritesOnlyTheElementText) {
  const PutCase& c = GetParam();
  std::string text = c.text;
  Pos xx = c.from;
  EXPECT_EQ(PutDetail(text, xx, c.name, c.response), c.status);
  EXPECT_EQ(text, c.expected);
  if (c.status == TagStatus::kFound) {
    // The position the closing tag had in the old text.
    EXPECT_EQ(xx, At(c.text, c.closeMarker));
  } else {
    EXPECT_EQ(xx, 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PutDetailTest,
    testing::Values(
        PutCase{"attributes kept", "<x><Season d:type=\"cDeltaString\">SEASON_SUMMER</Season></x>",
                1, "Season", "SEASON_WINTER", TagStatus::kFound,
                "<x><Season d:type=\"cDeltaString\">SEASON_WINTER</Season></x>", "</Season>"},
        PutCase{"case of tags kept", "<SEASON>a</season>", 1, "Season", "b", TagStatus::kFound,
                "<SEASON>b</season>", "</season>"},
        PutCase{"longer value", "<a>1</a>tail", 1, "a", "12345", TagStatus::kFound,
                "<a>12345</a>tail", "</a>"},
        PutCase{"empty value", "<a>1</a>", 1, "a", "", TagStatus::kFound, "<a></a>", "</a>"},
        PutCase{"from skips earlier element", "<a>1</A><a>2</a>", 2, "a", "x", TagStatus::kFound,
                "<a>1</A><a>x</a>", "</a>"},
        PutCase{"name absent", "<a>1</a>", 1, "b", "x", TagStatus::kNotFound, "<a>1</a>", ""},
        PutCase{"no closing tag", "<a>1</b>", 1, "a", "x", TagStatus::kUnclosed, "<a>1</b>", ""},
        PutCase{"position 0", "<a>1</a>", 0, "a", "x", TagStatus::kNotFound, "<a>1</a>", ""},
        PutCase{"empty form before a paired one is not written through",
                "<UniqueNumber/><Name>keep</Name><UniqueNumber>B1</UniqueNumber>", 1,
                "UniqueNumber", "B2", TagStatus::kEmptyForm,
                "<UniqueNumber/><Name>keep</Name><UniqueNumber>B1</UniqueNumber>", ""},
        PutCase{"bytes above 127 around are kept", "\xE9<a>\xFF</a>\x80", 1, "a", "\xC4",
                TagStatus::kFound, "\xE9<a>\xC4</a>\x80", "</a>"}),
    test::CaseName());

TEST(PutDetail, PositionAfterShorterRewriteIsTheOldClosingTag) {
  std::string text = "<Name>Covered van 1</Name><UniqueNumber>7</UniqueNumber>";
  const Pos oldClose = At(text, "</Name>");
  Pos xx = 1;
  ASSERT_EQ(PutDetail(text, xx, "Name", "ab"), TagStatus::kFound);
  EXPECT_EQ(xx, oldClose);
  // 13 characters became 2: the old position lies 11 beyond the new closing tag.
  EXPECT_EQ(xx, At(text, "</Name>") + 11);
  EXPECT_EQ(text, "<Name>ab</Name><UniqueNumber>7</UniqueNumber>");
}

struct TimeCase {
  const char* label;
  std::string value;
  std::int32_t delay;
  TagStatus status;
  std::string written;  // new element text; empty when nothing may change
};

class PutTimeTest : public testing::TestWithParam<TimeCase> {};

TEST_P(PutTimeTest, AddsDelayRoundedAndWrappedOnce) {
  const TimeCase& c = GetParam();
  const std::string before = "<x><StartTime d:type=\"sFloat32\">" + c.value + "</StartTime>\xE9";
  std::string text = before;
  Pos xx = 1;
  std::int32_t delay = c.delay;
  EXPECT_EQ(PutTime(text, xx, "StartTime", delay), c.status);
  if (c.status == TagStatus::kFound) {
    EXPECT_EQ(text, "<x><StartTime d:type=\"sFloat32\">" + c.written + "</StartTime>\xE9");
    EXPECT_EQ(std::to_string(delay), c.written);
    EXPECT_EQ(xx, At(before, "</StartTime>"));
  } else {
    EXPECT_EQ(text, before);
    EXPECT_EQ(delay, c.delay);
    EXPECT_EQ(xx, 0u);
  }
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, PutTimeTest,
    testing::Values(TimeCase{"fraction dropped", "25200.0000", 3600, TagStatus::kFound, "28800"},
                    TimeCase{"wraps once above a day", "86000", 500, TagStatus::kFound, "100"},
                    TimeCase{"exactly a day stays", "86000", 400, TagStatus::kFound, "86400"},
                    TimeCase{"negative stays negative", "1800", -3600, TagStatus::kFound, "-1800"},
                    TimeCase{"half rounds to even down", "10.5", 0, TagStatus::kFound, "10"},
                    TimeCase{"half rounds to even up", "11.5", 0, TagStatus::kFound, "12"},
                    TimeCase{"rounded before adding", "25201.5", 1, TagStatus::kFound, "25203"},
                    TimeCase{"no number reads 0", "abc", 60, TagStatus::kFound, "60"},
                    TimeCase{"wraps only once", "172000", 1000, TagStatus::kFound, "86600"},
                    TimeCase{"largest sum fits", "0", kMax, TagStatus::kFound, "2147397247"},
                    TimeCase{"sum overflows", "1", kMax, TagStatus::kOverflow, ""},
                    TimeCase{"sum underflows", "-1", -kMax - 1, TagStatus::kOverflow, ""},
                    TimeCase{"value beyond 32 bits", "3000000000", 0, TagStatus::kOverflow, ""},
                    TimeCase{"value beyond double", std::string(400, '9'), 0, TagStatus::kOverflow,
                             ""}),
    test::CaseName());

TEST(PutTime, MissingAndEmptyFormElementsChangeNothing) {
  for (const std::string& text : {std::string("<a>1</a>"), std::string("<StartTime/><a>1</a>"),
                                  std::string("<StartTime>5</a>")}) {
    std::string copy = text;
    Pos xx = 1;
    std::int32_t delay = 60;
    EXPECT_NE(PutTime(copy, xx, "StartTime", delay), TagStatus::kFound) << text;
    EXPECT_EQ(copy, text);
    EXPECT_EQ(delay, 60);
    EXPECT_EQ(xx, 0u);
  }
}

}  // namespace
}  // namespace fennick
