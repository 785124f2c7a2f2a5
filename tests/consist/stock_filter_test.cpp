#include "consist/stock_filter.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

struct FilterCase {
  const char* label;
  const char* path;
  const char* kind;
  bool anyFolder;
  KindTest expected;
};

class StockFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(StockFilterTest, DecidesFromThePathAlone) {
  const FilterCase& c = GetParam();
  EXPECT_EQ(StockKindTest(c.path, c.kind, c.anyFolder), c.expected);
}

constexpr const char* kRv = "\\Kuju\\RailSimulator\\RailVehicles";

std::string P(const std::string& below) {
  return kRv + below;
}

// Paths held in statics so the table's views outlive the instantiation.
const std::string kDieselLoco = P("\\Diesel\\Class66\\Class66.bin");
const std::string kDieselSim = P("\\Diesel\\Class66\\Simulation\\Class66EngineSim.bin");
const std::string kCab = P("\\Diesel\\Class66\\CabView\\Class66Cab.bin");
const std::string kTextures = P("\\Diesel\\Class66\\Textures\\Body.bin");
const std::string kDigits = P("\\Diesel\\Class66\\Numbering\\Class66Digits.bin");
const std::string kCamera = P("\\Steam\\BlackFive\\Camera\\Cams.bin");
const std::string kPassView = P("\\Passenger\\Mk2\\PassengerView\\View.bin");
const std::string kBogie = P("\\Freight\\HTA\\Bogie\\HTA_Bogie.bin");
const std::string kNumbers = P("\\Diesel\\Class66\\Class66Numbers.dcsv");
const std::string kNoDot = P("\\Diesel\\Class66\\Class66bin");
const std::string kSteamLoco = P("\\Steam\\BlackFive\\BlackFive.bin");
const std::string kTender = P("\\Steam\\BlackFive\\BlackFiveTender.bin");
const std::string kHopper = P("\\Freight\\HTA\\HTA_Hopper.bin");
const std::string kCoach = P("\\Passenger\\Mk2\\Mk2_FO.bin");
const std::string kFreightCoach = P("\\Passenger\\FreightLiner\\Coach.bin");
const std::string kCoachInFreight = P("\\Freight\\PassengerStock\\Coach.bin");
const std::string kDmu = P("\\DMU\\Class101\\Class101_DMBS.bin");
const std::string kEmu = P("\\EMU\\Class450\\Class450_DMSO.bin");
const std::string kElectricUnit = P("\\EMU\\ElectricUnits\\Unit.bin");
const std::string kDieselUnit = P("\\DMU\\DieselUnits\\Unit.bin");
const std::string kLowerCase = P("\\diesel\\class66\\CLASS66.BIN");
const std::string kDieselElsewhere = P("\\Locos\\Class66.bin");

INSTANTIATE_TEST_SUITE_P(
    Cases, StockFilterTest,
    testing::Values(
        // Kind mode: the kind word anywhere in the path, the tests by kind.
        FilterCase{"diesel loco", kDieselLoco.c_str(), "Diesel", false, KindTest::kEngine},
        FilterCase{"kind word in any case", kLowerCase.c_str(), "Diesel", false, KindTest::kEngine},
        FilterCase{"diesel elsewhere not found", kDieselElsewhere.c_str(), "Diesel", false,
                   KindTest::kSkip},
        FilterCase{"electric kind skips diesel", kDieselLoco.c_str(), "Electric", false,
                   KindTest::kSkip},
        FilterCase{"steam loco", kSteamLoco.c_str(), "Steam", false, KindTest::kEngine},
        FilterCase{"tender looks under steam", kTender.c_str(), "Tender", false, KindTest::kTender},
        FilterCase{"tender only under steam", kHopper.c_str(), "Tender", false, KindTest::kSkip},
        FilterCase{"steam loco tested as tender", kSteamLoco.c_str(), "Tender", false,
                   KindTest::kTender},
        FilterCase{"freight wagon", kHopper.c_str(), "Freight", false, KindTest::kWagon},
        FilterCase{"freight skips passenger folder", kFreightCoach.c_str(), "Freight", false,
                   KindTest::kSkip},
        FilterCase{"passenger coach", kCoach.c_str(), "Passenger", false, KindTest::kWagon},
        FilterCase{"passenger skips freight folder", kCoachInFreight.c_str(), "Passenger", false,
                   KindTest::kSkip},
        FilterCase{"no kind chosen matches all", kDieselLoco.c_str(), "", false, KindTest::kWagon},
        FilterCase{"ending bin without dot passes", kNoDot.c_str(), "Diesel", false,
                   KindTest::kEngine},
        FilterCase{"number list is no candidate", kNumbers.c_str(), "Diesel", false,
                   KindTest::kSkip},
        // Excluded words, in every mode.
        FilterCase{"simulation", kDieselSim.c_str(), "Diesel", false, KindTest::kSkip},
        FilterCase{"cab view", kCab.c_str(), "Diesel", false, KindTest::kSkip},
        FilterCase{"textures", kTextures.c_str(), "Diesel", false, KindTest::kSkip},
        FilterCase{"digits", kDigits.c_str(), "Diesel", false, KindTest::kSkip},
        FilterCase{"camera", kCamera.c_str(), "Steam", false, KindTest::kSkip},
        FilterCase{"passenger view", kPassView.c_str(), "Passenger", false, KindTest::kSkip},
        FilterCase{"bogie", kBogie.c_str(), "Freight", false, KindTest::kSkip},
        FilterCase{"dmu simulation", kDieselSim.c_str(), "DMU", false, KindTest::kSkip},
        FilterCase{"any folder camera", kCamera.c_str(), "", true, KindTest::kSkip},
        // Multiple units.
        FilterCase{"dmu", kDmu.c_str(), "DMU", false, KindTest::kEngineOrWagon},
        FilterCase{"dmu takes diesel locos too", kDieselLoco.c_str(), "DMU", false,
                   KindTest::kEngineOrWagon},
        FilterCase{"dmu skips electric", kElectricUnit.c_str(), "DMU", false, KindTest::kSkip},
        FilterCase{"dmu skips steam", kSteamLoco.c_str(), "DMU", false, KindTest::kSkip},
        FilterCase{"dmu skips freight", kHopper.c_str(), "DMU", false, KindTest::kSkip},
        FilterCase{"emu", kEmu.c_str(), "EMU", false, KindTest::kEngineOrWagon},
        FilterCase{"emu skips diesel", kDieselUnit.c_str(), "EMU", false, KindTest::kSkip},
        FilterCase{"emu needs a dot", kNoDot.c_str(), "EMU", false, KindTest::kSkip},
        // Any-folder mode: the kind plays no part, freight and tenders' tests are never made.
        FilterCase{"any folder loco", kDieselLoco.c_str(), "Tender", true,
                   KindTest::kEngineOrWagon},
        FilterCase{"any folder tender tested as loco or wagon", kTender.c_str(), "Tender", true,
                   KindTest::kEngineOrWagon},
        FilterCase{"any folder skips freight", kHopper.c_str(), "Freight", true, KindTest::kSkip},
        FilterCase{"any folder needs a dot", kNoDot.c_str(), "", true, KindTest::kSkip}),
    test::CaseName());

}  // namespace
}  // namespace fennick
