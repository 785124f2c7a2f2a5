#include <gtest/gtest.h>

#include <string>

#include "consist/folder_navigation.h"
#include "consist/messages.h"
#include "consist/stock_catalogue.h"
#include "consist/stock_filter.h"
#include "consist/stock_folder.h"
#include "consist/weather.h"
#include "tests/consist/consist_test_support.h"

namespace fennick {
namespace {

constexpr KindTest kSkip = KindTest::kSkip, kEngine = KindTest::kEngine, kWagon = KindTest::kWagon,
                   kTender = KindTest::kTender, kEither = KindTest::kEngineOrWagon;

TEST(StockKindTest, DecidesFromThePathAlone) {
  const struct {
    const char* below;  // below \Kuju\RailSimulator\RailVehicles
    const char* kind;
    bool anyFolder;
    KindTest expected;
  } cases[] = {
      // The gatherings over the sample installation show the common cases; these are the rest.
      {"\\diesel\\class66\\CLASS66.BIN", "Diesel", false, kEngine},
      {"\\Locos\\Class66.bin", "Diesel", false, kSkip},
      {"\\Diesel\\Class66\\Class66.bin", "", false, kWagon},
      {"\\Passenger\\FreightLiner\\Coach.bin", "Freight", false, kSkip},
      {"\\Freight\\PassengerStock\\Coach.bin", "Passenger", false, kSkip},
      {"\\Steam\\BlackFive\\BlackFive.bin", "Tender", false, kTender},
      {"\\Diesel\\Class66\\Class66bin", "Diesel", false, kEngine},
      {"\\EMU\\Class450\\Class450bin", "EMU", false, kSkip},
      {"\\Diesel\\Class66\\Class66bin", "", true, kSkip},
      {"\\Diesel\\Class66\\Textures\\Body.bin", "Diesel", false, kSkip},
      {"\\Diesel\\Class66\\Numbering\\Class66Digits.bin", "Diesel", false, kSkip},
      {"\\Steam\\BlackFive\\Camera\\Cams.bin", "", true, kSkip},
      {"\\Freight\\HTA\\Bogie\\HTA_Bogie.bin", "Freight", false, kSkip},
      {"\\EMU\\ElectricUnits\\Unit.bin", "DMU", false, kSkip},
      {"\\DMU\\DieselUnits\\Unit.bin", "EMU", false, kSkip},
      {"\\Steam\\BlackFive\\BlackFiveTender.bin", "Tender", true, kEither},
      {"\\Freight\\HTA\\HTA_Hopper.bin", "Freight", true, kSkip}};
  for (const auto& c : cases) {
    const std::string path = std::string("\\Kuju\\RailSimulator\\RailVehicles") + c.below;
    EXPECT_EQ(StockKindTest(path, c.kind, c.anyFolder), c.expected)
        << c.below << " kind " << c.kind << (c.anyFolder ? " any folder" : "");
  }
}

TEST(SplitStockFolder, NamesProviderAndProductOrRefusesShallowFolders) {
  const std::pair<const char*, const char*> cases[] = {
      // provider|product|leaf, "+" for a product folder; empty: refused
      {"C:\\RS\\Assets\\Kuju\\RailSimulator\\RailVehicles\\", "Kuju|RailSimulator|RailVehicles"},
      {"C:\\RS\\assets\\Kuju\\RailSimulator", "Kuju|RailSimulator|RailSimulator+"},
      {"/p/RS/Assets/ValeWorks/Branch Lines/RailVehicles", "ValeWorks|Branch Lines|RailVehicles"},
      {"C:\\RS\\Assets\\Kuju\\RailSimulator\\RailVehicles\\Diesel",
       "RailSimulator|RailVehicles|Diesel"},
      {"/Assets/Kuju/RailSimulator", "Kuju|RailSimulator|RailSimulator+"},
      {"C:\\Assets\\Kuju", ""},
      {"/Assets/Kuju", ""},
      {"", ""}};
  for (const auto& [path, expected] : cases) {
    const std::optional<StockFolder> f = SplitStockFolder(path);
    EXPECT_EQ(
        f ? f->provider + "|" + f->product + "|" + f->leaf + (f->productFolderChosen ? "+" : "")
          : "",
        expected)
        << path;
  }
}

TEST(FolderNavigation, OpensTheHighlightedFolderAndStartsAtKuju) {
  EXPECT_EQ(FollowHighlightedFolder("C:\\RS\\Assets", "C:\\RS\\Assets\\Kuju"),
            "C:\\RS\\Assets\\Kuju\\");
  EXPECT_EQ(FollowHighlightedFolder("C:\\RS\\Assets\\Kuju", "c:\\rs\\assets\\KUJU"), std::nullopt);
  EXPECT_EQ(FollowHighlightedFolder("C:\\RS", "C:\\RS\\Assets\\"), "C:\\RS\\Assets\\");
  EXPECT_EQ(FollowHighlightedFolder("/rs", "/rs/Assets"), "/rs/Assets/");
  EXPECT_EQ(StockFolderAtStart("C:\\RS", ""), "C:\\RS\\Assets\\Kuju");
  EXPECT_EQ(StockFolderAtStart("C:\\RS", "D:\\Kept\\"), "D:\\Kept\\");
  EXPECT_EQ(StockKindCaption("dmu"), "DMU");
  EXPECT_EQ(StockKindCaption("Coal"), std::nullopt);
}

TEST(SetWeather, FillsTheBoxesFromTheFilePathOrSaysWhyNot) {
  const struct {
    const char* folder;
    const char* file;
    std::optional<WeatherBoxes> expected;
  } cases[] = {
      {"C:\\RS\\ASSETS\\Kuju\\P\\Weather\\", "F.BIN", WeatherBoxes{"Kuju", "P", "Weather\\F.xml"}},
      {"C:\\RS\\Assets\\Kuju\\P\\Weather\\sub", "F.txt",
       WeatherBoxes{"Kuju", "P", "Weather\\sub\\F.txt"}},
      {"/rs/Assets/Vale/Branch Lines/Weather", "D.bin",
       WeatherBoxes{"Vale", "Branch Lines", "Weather\\D.xml"}},
      {"C:\\RS\\Assets\\Kuju\\P", "F.bin", WeatherBoxes{"Kuju", "P", "F.xml"}},
      {"C:\\MyAssets\\Kuju\\P\\Weather", "F.bin", std::nullopt},
      {"C:\\RS\\Assets\\Kuju", "F.bin", std::nullopt}};
  for (const auto& c : cases) {
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(SetWeather(c.folder, c.file, dialogs) == c.expected) << c.folder;
    EXPECT_EQ(dialogs.shown.size(), c.expected ? 0u : 1u) << c.folder;
  }
  test::ScriptedDialogs dialogs;
  EXPECT_EQ(SetWeather("C:\\RS\\Assets\\Kuju\\P\\Weather", "", dialogs), std::nullopt);
  test::ExpectOnlyMessage(dialogs, kNoWeatherFile, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace fennick
