#include "consist/number_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

struct LinesCase {
  const char* label;
  std::string file;
  std::string expected;
};

class JoinLinesTest : public testing::TestWithParam<LinesCase> {};

TEST_P(JoinLinesTest, EveryLineEndsInCrLf) {
  EXPECT_EQ(JoinNumberListLines(GetParam().file), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, JoinLinesTest,
                         testing::Values(LinesCase{"crlf kept", "a\r\nb\r\n", "a\r\nb\r\n"},
                                         LinesCase{"lf", "a\nb\n", "a\r\nb\r\n"},
                                         LinesCase{"lone cr", "a\rb", "a\r\nb\r\n"},
                                         LinesCase{"last line unended", "a\r\nb", "a\r\nb\r\n"},
                                         LinesCase{"blank lines stay", "a\n\nb\n",
                                                   "a\r\n\r\nb\r\n"},
                                         LinesCase{"empty file", "", ""}),
                         test::CaseName());

// Entries of 38 characters: "<cCSVItem><Name>NN</Name></cCSVItem>\r\n". The first Name lies 10
// characters behind its item, so r = k reads from position 10k.
std::string ShortList(int entries) {
  std::string text;
  for (int i = 0; i < entries; ++i) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", i);
    text += std::string("<cCSVItem><Name>") + number + "</Name></cCSVItem>\r\n";
  }
  return text;
}

// Entries of 41 characters with five-digit numbers; far more than 32,767 characters and Names.
std::string LongList(int entries) {
  std::string text;
  for (int i = 0; i < entries; ++i) {
    char number[8];
    std::snprintf(number, sizeof number, "%05d", i);
    text += std::string("<cCSVItem><Name>") + number + "</Name></cCSVItem>\r\n";
  }
  return text;
}

struct PickCase {
  const char* label;
  std::string list;
  float u;
  std::string expected;
};

class PickNumberTest : public testing::TestWithParam<PickCase> {};

TEST_P(PickNumberTest, TakesTheFirstNameAtOffsetTimesR) {
  EXPECT_EQ(PickRunningNumber(GetParam().list, GetParam().u), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PickNumberTest,
    testing::Values(
        PickCase{"no name element", "<cCSVItem><X>1</X></cCSVItem>\r\n", 0.5f, ""},
        PickCase{"empty list", "", 0.5f, ""},
        PickCase{"one entry, low draw", ShortList(1), 0.0f, "00"},
        PickCase{"one entry, high draw", ShortList(1), 0.999f, "00"},
        PickCase{"two entries always the first", ShortList(2), 0.999f, "00"},
        // Ten entries: r runs from 1 (u = 0) to 8 (u near 1); r = 8 reads from position 80,
        // inside the third entry, whose number is 02.
        PickCase{"ten entries, r = 1", ShortList(10), 0.0f, "00"},
        PickCase{"ten entries, r = 8", ShortList(10), 0.999f, "02"},
        PickCase{"ten entries, r = 4", ShortList(10), 0.4f, "01"},
        PickCase{"ten entries, r = 5 passes the second name", ShortList(10), 0.5f, "02"},
        // 40,000 entries: r = 20000 reads from position 200,000, entry 4878 starting at 199,999.
        PickCase{"list beyond 16-bit counts", LongList(40000), 0.5f, "04878"},
        PickCase{"first item beyond 16-bit positions",
                 "<Header>" + std::string(40000, ' ') + "</Header>\r\n" + ShortList(2), 0.7f, "00"},
        PickCase{"name before any item", "<Name>7</Name>\r\n" + ShortList(3), 0.9f, "7"}),
    test::CaseName());

}  // namespace
}  // namespace fennick
