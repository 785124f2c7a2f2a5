// The one number reading rule and the start time's box and stored forms built on it. Rounding of
// halves to even is checked through the minutes here and the seconds in PutTime.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

#include "scenario/number_text.h"
#include "scenario/start_time.h"

namespace fennick {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(ReadNumber, ReadsTheLeadingNumberIgnoringBlanks) {
  const std::pair<const char*, double> cases[] = {
      {"25200.0000", 25200}, {"  \t\n42", 42}, {"1 2\t3", 123}, {"- 5", -5},
      {"-1800", -1800},      {"+7", 7},        {"101abc", 101}, {"1.2.3", 1.2},
      {".5", 0.5},           {"B954123", 0},   {"", 0},         {"-", 0},
      {"12-3", 12},          {"1e5", 1}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(ReadNumber(text), expected) << text;
  const std::string nines(400, '9');
  EXPECT_EQ(ReadNumber(nines), kInfinity);
  EXPECT_EQ(ReadNumber("-" + nines), -kInfinity);
  EXPECT_EQ(ReadNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(StoredSecondsToBoxText, ShowsWholeHoursAndRoundedMinutes) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "0000"},      {"19800.0000", "0530"}, {"27900.0000", "0745"}, {"27930", "0746"},
      {"27870", "0744"},  {"28770", "0760"},      {"86340", "2359"},      {"86400", "2400"},
      {" 3600 ", "0100"}, {"abc", "0000"}};
  for (const auto& [stored, box] : cases) {
    const Result<std::string> shown = StoredSecondsToBoxText(stored);
    ASSERT_TRUE(shown.ok()) << stored << ": " << shown.error();
    EXPECT_EQ(*shown, box) << stored;
  }
  EXPECT_FALSE(StoredSecondsToBoxText("99999999999").ok());
  EXPECT_FALSE(StoredSecondsToBoxText(std::string(400, '9')).ok());
}

// The last row counts characters, not bytes: the last two of "015é" are "5é", read as 5 minutes.
TEST(BoxTextToStoredSeconds, WritesSecondsInThePattern) {
  const std::pair<const char*, const char*> cases[] = {
      {"0530", "19800.0000"}, {"0100", "03600.0000"}, {"0000", "00000.0000"},
      {"2400", "86400.0000"}, {"0575", "22500.0000"}, {"0760", "28800.0000"},
      {"0746", "27960.0000"}, {"0745", "27900.0000"}, {"-100", "-03600.0000"},
      {"5", "18300.0000"},    {"", "00000.0000"},     {"015\xC3\xA9", "03900.0000"}};
  for (const auto& [box, stored] : cases) EXPECT_EQ(BoxTextToStoredSeconds(box), stored) << box;
}

}  // namespace
}  // namespace fennick
