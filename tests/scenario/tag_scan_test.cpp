#include "scenario/tag_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/scenario/scenario_texts.h"

namespace fennick {
namespace {

using enum TagStatus;
using test::At;

const std::string kUnchanged = "<unchanged>";

// Each row is read with GetDetail and written with PutDetail: a write replaces exactly the text
// the read gave and leaves xx at the old closing tag; where the read finds no paired element
// (the empty form included), neither PutDetail nor PutTime changes anything.
TEST(GetAndPutDetail, FindElementTextAndMoveToItsClosingTag) {
  struct Case {
    std::string text;
    Pos from;
    std::string name;
    TagStatus status;
    std::string value;  // kUnchanged: the out value must stay as it was
    std::string stop;   // the text where GetDetail leaves xx; empty when xx must be 0
  };
  const Case cases[] = {
      {"<a><StartTime>25200</StartTime></a>", 1, "StartTime", kFound, "25200", "</StartTime>"},
      {"<Season d:type=\"cDeltaString\" d:a=\"a/\">SEASON_SUMMER</Season>", 1, "Season", kFound,
       "SEASON_SUMMER", "</Season>"},
      {"<Description></Description>", 1, "Description", kFound, "", "</Description>"},
      {"<NameXyz>a</NameXyz><Name>b</Name>", 1, "Name", kFound, "a", "</NameXyz>"},
      {"<PLAYERDRIVER D:TYPE=\"bool\">1</playerDriver>", 1, "PlayerDriver", kFound, "1",
       "</playerDriver>"},
      {"<e>1</E><e>2</e>", 2, "e", kFound, "2", "</e>"},
      {"\xE9<Name>Gro\xDF\xE9 \x80</Name>\xFF", 1, "Name", kFound, "Gro\xDF\xE9 \x80", "</Name>"},
      {"<UniqueNumber/><Name>keep</Name><UniqueNumber>B1</UniqueNumber>", 1, "UniqueNumber",
       kEmptyForm, "", "/>"},
      {"<Name d:type=\"x\"/><Name>7</Name>", 1, "Name", kEmptyForm, "", "/>"},
      {"<a>1</a>", 1, "b", kNotFound, kUnchanged, ""},
      {"<b>1</a>", 1, "b", kUnclosed, kUnchanged, ""},
      {"<b d:type=", 1, "b", kUnclosed, kUnchanged, ""},
      {"<b>1</b>", 0, "b", kNotFound, kUnchanged, ""},
      {"<b>1</b>", 99, "b", kNotFound, kUnchanged, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Pos xx = c.from;
    std::string value = kUnchanged;
    EXPECT_EQ(GetDetail(c.text, xx, c.name, value), c.status);
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(xx, At(c.text, c.stop));

    std::string expected = c.text;
    const Pos close = c.status == kFound ? At(c.text, c.stop) : 0;
    if (close != 0) expected.replace(close - 1 - c.value.size(), c.value.size(), "New");
    std::string text = c.text;
    xx = c.from;
    EXPECT_EQ(PutDetail(text, xx, c.name, "New"), c.status);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(xx, close);
    if (c.status == kFound) continue;
    std::int32_t delay = 60;
    xx = c.from;
    EXPECT_EQ(PutTime(text, xx, c.name, delay), c.status);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(delay, 60);
    EXPECT_EQ(xx, 0u);
  }
}

TEST(PutTime, AddsDelayRoundedAndWrappedOnceOrFailsChangingNothing) {
  struct Case {
    const char* value;
    std::int32_t delay;
    const char* written;  // new element text and delay; empty when the sum must overflow
  };
  const Case cases[] = {{"25200.0000", 3600, "28800"},
                        {"86000", 500, "100"},
                        {"86000", 400, "86400"},
                        {"172000", 1000, "86600"},
                        {"1800", -3600, "-1800"},
                        {"10.5", 0, "10"},
                        {"11.5", 0, "12"},
                        {"-2.5", 0, "-2"},
                        {"25201.5", 1, "25203"},
                        {"abc", 60, "60"},
                        {"2147483647", 0, "2147397247"},
                        {"-2147483648", 0, "-2147483648"},
                        {"1", 2147483647, ""},
                        {"-2", -2147483647, ""},
                        {"3000000000", 0, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.value) + " + " + std::to_string(c.delay));
    const std::string head = "<x><StartTime d:type=\"sFloat32\">", tail = "</StartTime>\xE9";
    const std::string before = head + c.value + tail;
    const bool fits = *c.written != '\0';
    std::string text = before;
    Pos xx = 1;
    std::int32_t delay = c.delay;
    EXPECT_EQ(PutTime(text, xx, "StartTime", delay), fits ? kFound : kOverflow);
    EXPECT_EQ(text, fits ? head + c.written + tail : before);
    EXPECT_EQ(delay, fits ? std::stoi(c.written) : c.delay);
    EXPECT_EQ(xx, fits ? At(before, tail) : 0u);
  }
}

}  // namespace
}  // namespace fennick
