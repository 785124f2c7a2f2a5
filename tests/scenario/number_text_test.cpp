#include "scenario/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

struct ReadCase {
  const char* label;
  std::string text;
  double expected;
};

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(ReadNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadNumberTest,
    testing::Values(
        ReadCase{"integer", "25200", 25200}, ReadCase{"fraction", "25200.0000", 25200},
        ReadCase{"half", "10.5", 10.5}, ReadCase{"leading blanks", "  \t\n42", 42},
        ReadCase{"blanks inside", "1 2\t3", 123}, ReadCase{"blank after sign", "- 5", -5},
        ReadCase{"negative", "-1800", -1800}, ReadCase{"plus sign", "+7", 7},
        ReadCase{"trailing text ignored", "101abc", 101},
        ReadCase{"second point stops", "1.2.3", 1.2}, ReadCase{"point first", ".5", 0.5},
        ReadCase{"point last", "5.", 5}, ReadCase{"letter first", "B954123", 0},
        ReadCase{"empty", "", 0}, ReadCase{"only blanks", "   ", 0},
        ReadCase{"only a sign", "-", 0}, ReadCase{"sign after digits stops", "12-3", 12},
        ReadCase{"exponent is not part of it", "1e5", 1},
        ReadCase{"driver flag with fraction", "1.0000", 1},
        ReadCase{"tiny fraction underflows to 0", "0." + std::string(400, '0') + "1", 0}),
    test::CaseName());

TEST(ReadNumber, HugeNumbersReadAsInfinity) {
  EXPECT_EQ(ReadNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadNumber("-" + std::string(400, '9')), -std::numeric_limits<double>::infinity());
}

struct RoundCase {
  const char* label;
  double value;
  double expected;
};

class RoundHalfEvenTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, RoundsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundHalfEvenTest,
    testing::Values(RoundCase{"half down to even", 10.5, 10},
                    RoundCase{"half up to even", 11.5, 12}, RoundCase{"below half", 10.49, 10},
                    RoundCase{"above half", 10.51, 11},
                    RoundCase{"negative half to even", -2.5, -2},
                    RoundCase{"negative odd half", -3.5, -4}, RoundCase{"minute half", 45.5, 46},
                    RoundCase{"zero half", 0.5, 0}, RoundCase{"whole", 25200, 25200}),
    test::CaseName());

TEST(ToInt32HalfEven, RefusesWhatDoesNotFit) {
  EXPECT_EQ(ToInt32HalfEven(2147483647.0), 2147483647);
  EXPECT_EQ(ToInt32HalfEven(2147483647.4), 2147483647);
  EXPECT_EQ(ToInt32HalfEven(-2147483648.0), -2147483647 - 1);
  EXPECT_FALSE(ToInt32HalfEven(2147483647.6).has_value());
  EXPECT_FALSE(ToInt32HalfEven(-2147483649.0).has_value());
  EXPECT_FALSE(ToInt32HalfEven(std::numeric_limits<double>::infinity()).has_value());
  EXPECT_FALSE(ToInt32HalfEven(std::nan("")).has_value());
}

}  // namespace
}  // namespace fennick
