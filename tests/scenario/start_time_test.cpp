#include "scenario/start_time.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

struct LoadCase {
  const char* label;
  std::string stored;
  std::string box;
};

class StoredToBoxTest : public testing::TestWithParam<LoadCase> {};

TEST_P(StoredToBoxTest, ShowsHoursAndRoundedMinutes) {
  const Result<std::string> box = StoredSecondsToBoxText(GetParam().stored);
  ASSERT_TRUE(box.ok()) << box.error();
  EXPECT_EQ(*box, GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredToBoxTest,
                         testing::Values(LoadCase{"midnight", "0", "0000"},
                                         LoadCase{"one hour", "3600", "0100"},
                                         LoadCase{"seven", "25200", "0700"},
                                         LoadCase{"pattern form", "19800.0000", "0530"},
                                         LoadCase{"quarter to", "27900.0000", "0745"},
                                         LoadCase{"half minute to even up", "27930", "0746"},
                                         LoadCase{"half minute to even down", "27870", "0744"},
                                         LoadCase{"sixty minutes", "28770", "0760"},
                                         LoadCase{"last minute", "86340", "2359"},
                                         LoadCase{"whole day", "86400", "2400"},
                                         LoadCase{"blanks around", " 3600 ", "0100"},
                                         LoadCase{"no number", "abc", "0000"}),
                         test::CaseName());

TEST(StoredSecondsToBoxText, RefusesTimesBeyond32Bits) {
  EXPECT_FALSE(StoredSecondsToBoxText("99999999999").ok());
  EXPECT_FALSE(StoredSecondsToBoxText(std::string(400, '9')).ok());
}

struct SaveCase {
  const char* label;
  std::string box;
  std::string stored;
};

class BoxToStoredTest : public testing::TestWithParam<SaveCase> {};

TEST_P(BoxToStoredTest, WritesSecondsInPattern) {
  EXPECT_EQ(BoxTextToStoredSeconds(GetParam().box), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoxToStoredTest,
    testing::Values(SaveCase{"half past five", "0530", "19800.0000"},
                    SaveCase{"one", "0100", "03600.0000"},
                    SaveCase{"midnight", "0000", "00000.0000"},
                    SaveCase{"whole day", "2400", "86400.0000"},
                    SaveCase{"minutes not checked", "0575", "22500.0000"},
                    SaveCase{"sixty minutes", "0760", "28800.0000"},
                    SaveCase{"rounded minutes", "0746", "27960.0000"},
                    SaveCase{"negative hour", "-100", "-03600.0000"},
                    SaveCase{"short text", "5", "18300.0000"}, SaveCase{"empty", "", "00000.0000"},
                    // Characters, not bytes: the last two of "015é"
                    // are "5é", which reads as 5 minutes.
                    SaveCase{"non-ascii character", "015\xC3\xA9", "03900.0000"}),
    test::CaseName());

TEST(StartTime, LoadThenSaveRoundTrips) {
  struct Row {
    const char* stored;
    const char* saved;
  };
  for (const Row& row : {Row{"27900.0000", "27900.0000"}, Row{"27930", "27960.0000"},
                         Row{"28770", "28800.0000"}, Row{"19800.0000", "19800.0000"}}) {
    const Result<std::string> box = StoredSecondsToBoxText(row.stored);
    ASSERT_TRUE(box.ok());
    EXPECT_EQ(BoxTextToStoredSeconds(*box), row.saved) << row.stored;
  }
}

}  // namespace
}  // namespace fennick
