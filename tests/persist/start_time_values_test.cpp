#include <gtest/gtest.h>

#include "persist/start_time_values.h"

namespace fennick {
namespace {

TEST(StartTimeSecondsTest, BoxTextBecomesStoredSeconds) {
  const struct {
    const char* box;
    const char* stored;
  } cases[] = {
      {"0530", "19800.0000"}, {"0000", "00000.0000"}, {"2400", "86400.0000"},
      {"0575", "22500.0000"}, {"0700", "25200.0000"}, {"0001", "00060.0000"},
  };
  for (const auto& c : cases) EXPECT_EQ(StartTimeSeconds(c.box), c.stored) << c.box;
}

TEST(StartTimeShiftTest, MovesOnlyWhenTickedAndChanged) {
  const struct {
    const char* label;
    const char* newValue;
    const char* loaded;
    bool ticked;
    std::int32_t shift;
  } cases[] = {
      {"one hour later", "23400.0000", "19800.0000", true, 3600},
      {"earlier gives a negative shift", "00000.0000", "25200", true, -25200},
      {"same text: no shift", "19800.0000", "19800.0000", true, 0},
      {"same number, other text: no change in seconds", "25200.0000", "25200", true, 0},
      {"not ticked: no shift whatever the change", "23400.0000", "19800.0000", false, 0},
      {"fractional loaded value rounds to whole seconds", "19800.0000", "19799.5", true, 0},
  };
  for (const auto& c : cases) {
    const Result<std::int32_t> shift = StartTimeShift(c.newValue, c.loaded, c.ticked);
    ASSERT_TRUE(shift.ok()) << c.label;
    EXPECT_EQ(*shift, c.shift) << c.label;
  }
}

TEST(StartTimeShiftTest, ShiftBeyondWholeSecondsIsRefused) {
  EXPECT_FALSE(StartTimeShift("00000.0000", "9999999999999", true).ok());
}

}  // namespace
}  // namespace fennick
