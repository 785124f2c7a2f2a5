#include "consist/weather.h"

#include <gtest/gtest.h>

#include "consist/messages.h"
#include "tests/scenario/case_name.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

using test::PrintTo;

struct WeatherCase {
  const char* label;
  const char* folder;
  const char* file;
  std::optional<WeatherBoxes> expected;
};

class SetWeatherTest : public testing::TestWithParam<WeatherCase> {};

TEST_P(SetWeatherTest, FillsTheBoxesFromTheFilePath) {
  const WeatherCase& c = GetParam();
  test::ScriptedDialogs dialogs;
  EXPECT_EQ(SetWeather(c.folder, c.file, dialogs), c.expected);
  EXPECT_EQ(dialogs.shown.size(), c.expected ? 0u : 1u);
  for (const auto& shown : dialogs.shown) EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetWeatherTest,
    testing::Values(
        WeatherCase{"weather folder", "C:\\RS\\Assets\\Kuju\\P\\Weather", "F.bin",
                    WeatherBoxes{"Kuju", "P", "Weather\\F.xml"}},
        WeatherCase{"subfolder kept", "C:\\RS\\Assets\\Kuju\\P\\Weather\\sub", "name.bin",
                    WeatherBoxes{"Kuju", "P", "Weather\\sub\\name.xml"}},
        WeatherCase{"case of assets and ending", "C:\\RS\\ASSETS\\Kuju\\P\\Weather", "F.BIN",
                    WeatherBoxes{"Kuju", "P", "Weather\\F.xml"}},
        WeatherCase{"other ending kept", "C:\\RS\\Assets\\Kuju\\P\\Weather", "F.txt",
                    WeatherBoxes{"Kuju", "P", "Weather\\F.txt"}},
        WeatherCase{"trailing separator", "C:\\RS\\Assets\\Kuju\\P\\Weather\\", "F.bin",
                    WeatherBoxes{"Kuju", "P", "Weather\\F.xml"}},
        WeatherCase{"slashes", "/rs/Assets/ValeWorks/Branch Lines/Weather", "Drizzle.bin",
                    WeatherBoxes{"ValeWorks", "Branch Lines", "Weather\\Drizzle.xml"}},
        WeatherCase{"file in the product folder", "C:\\RS\\Assets\\Kuju\\P", "F.bin",
                    WeatherBoxes{"Kuju", "P", "F.xml"}},
        WeatherCase{"no file chosen", "C:\\RS\\Assets\\Kuju\\P\\Weather", "", std::nullopt},
        WeatherCase{"no assets folder", "C:\\RS\\Kuju\\P\\Weather", "F.bin", std::nullopt},
        WeatherCase{"assets only as part of a name", "C:\\MyAssets\\Kuju\\P\\Weather", "F.bin",
                    std::nullopt},
        WeatherCase{"only a provider below assets", "C:\\RS\\Assets\\Kuju", "F.bin", std::nullopt}),
    test::CaseName());

TEST(SetWeather, NoFileChosenSaysSo) {
  test::ScriptedDialogs dialogs;
  SetWeather("C:\\RS\\Assets\\Kuju\\P\\Weather", "", dialogs);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, kNoWeatherFile);
}

}  // namespace
}  // namespace fennick
