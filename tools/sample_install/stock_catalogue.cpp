#include <stdexcept>

#include "tools/sample_install/sample_catalogue.h"

#include "tools/sample_install/archived_stock.h"

namespace fennick::sample {

namespace {

constexpr const char* kKuju = "Kuju";
constexpr const char* kRailSimulator = "RailSimulator";
// A second provider whose product folder holds a blank, as many add-on packs do.
constexpr const char* kValeWorks = "ValeWorks";
constexpr const char* kBranchLines = "Branch Lines";

StockBlueprint Engine(std::string key, std::string provider, std::string product, std::string path,
                      std::string traction, std::string name, std::string mass,
                      std::vector<std::string> numbers) {
  StockBlueprint b;
  b.key = std::move(key);
  b.provider = std::move(provider);
  b.product = std::move(product);
  b.path = std::move(path);
  b.kind = VehicleKind::kEngine;
  b.traction = std::move(traction);
  b.name = std::move(name);
  b.mass = std::move(mass);
  if (!numbers.empty()) b.numberList = b.path + "Numbers";
  b.numbers = std::move(numbers);
  return b;
}

StockBlueprint Wagon(std::string key, std::string provider, std::string product, std::string path,
                     std::string name, std::string mass, std::vector<std::string> numbers,
                     std::string cargo = "") {
  StockBlueprint b;
  b.key = std::move(key);
  b.provider = std::move(provider);
  b.product = std::move(product);
  b.path = std::move(path);
  b.kind = VehicleKind::kWagon;
  b.name = std::move(name);
  b.mass = std::move(mass);
  if (!numbers.empty()) b.numberList = b.path + "Numbers";
  b.numbers = std::move(numbers);
  b.carriesCargo = !cargo.empty();
  b.cargo = std::move(cargo);
  return b;
}

StockBlueprint Tender(std::string key, std::string provider, std::string product, std::string path,
                      std::string name, std::string mass) {
  StockBlueprint b = Wagon(std::move(key), std::move(provider), std::move(product), std::move(path),
                           std::move(name), std::move(mass), {});
  b.kind = VehicleKind::kTender;
  return b;
}

std::vector<StockBlueprint> MakeStock() {
  std::vector<StockBlueprint> stock = {
      // Kuju, RailSimulator: every kind of stock.
      Engine("kuju.class66", kKuju, kRailSimulator, R"(RailVehicles\Diesel\Class66\Class66)",
             "Diesel", "Class 66", "126",
             {"66001", "66002", "66004", "66017", "66045", "66061", "66104", "66142", "66176",
              "66200", "66221", "66250"}),
      Engine("kuju.class86", kKuju, kRailSimulator, R"(RailVehicles\Electric\Class86\Class86)",
             "Electric", "Class 86", "85", {"86229", "86401"}),
      Engine("kuju.blackfive", kKuju, kRailSimulator, R"(RailVehicles\Steam\BlackFive\BlackFive)",
             "Steam", "Black Five 4-6-0", "72", {"45407"}),
      Tender("kuju.blackfive_tender", kKuju, kRailSimulator,
             R"(RailVehicles\Steam\BlackFive\BlackFiveTender)", "Black Five Tender", "53"),
      Wagon("kuju.mk2_fo", kKuju, kRailSimulator, R"(RailVehicles\Passenger\Mk2\Mk2_FO)",
            "Mk2 First Open", "33", {"3340", "3345", "3351", "3366"}),
      Wagon("kuju.mk2_tso", kKuju, kRailSimulator, R"(RailVehicles\Passenger\Mk2\Mk2_TSO)",
            "Mk2 Standard Open", "32", {"5221", "5234", "5248", "5276", "5293"}),
      Wagon("kuju.hta", kKuju, kRailSimulator, R"(RailVehicles\Freight\HTA\HTA_Hopper)",
            "HTA Coal Hopper", "25.5", {"310001", "310015", "310027", "310042", "310088", "310103"},
            "eCoal"),
      Wagon("kuju.van", kKuju, kRailSimulator, R"(RailVehicles\Freight\Van\VanVEA)",
            "VEA Covered Van", "13.5", {}),
      Engine("kuju.class101_dmbs", kKuju, kRailSimulator,
             R"(RailVehicles\DMU\Class101\Class101_DMBS)", "Diesel", "Class 101 DMBS", "32.5",
             {"51201", "51205", "51210"}),
      Wagon("kuju.class101_dtcl", kKuju, kRailSimulator,
            R"(RailVehicles\DMU\Class101\Class101_DTCL)", "Class 101 DTCL", "25.5",
            {"56055", "56062"}),
      Engine("kuju.class450_dmso", kKuju, kRailSimulator,
             R"(RailVehicles\EMU\Class450\Class450_DMSO)", "Electric", "Class 450 DMSO", "48",
             {"63201", "63202", "63203", "63204", "63205", "63206"}),
      Wagon("kuju.class450_tso", kKuju, kRailSimulator, R"(RailVehicles\EMU\Class450\Class450_TSO)",
            "Class 450 TSO", "35", {"64201", "64202"}),

      // ValeWorks, Branch Lines: every kind again, under a product folder with a blank.
      Engine("vale.class37", kValeWorks, kBranchLines, R"(RailVehicles\Diesel\Class37\Class37)",
             "Diesel", "Class 37/4", "107",
             {"37401", "37405", "37408", "37412", "37417", "37422", "37427", "37431"}),
      Engine("vale.class73", kValeWorks, kBranchLines, R"(RailVehicles\Electric\Class73\Class73)",
             "Electric", "Class 73 Electro-Diesel", "77", {"73109"}),
      Engine("vale.pannier", kValeWorks, kBranchLines, R"(RailVehicles\Steam\Pannier\Pannier57xx)",
             "Steam", "GWR 57xx Pannier Tank", "47.5", {"5764", "7714", "9681"}),
      Engine("vale.castle", kValeWorks, kBranchLines, R"(RailVehicles\Steam\Castle\Castle)",
             "Steam", "Castle Class 4-6-0", "80", {"5029", "7029"}),
      Tender("vale.castle_tender", kValeWorks, kBranchLines,
             R"(RailVehicles\Steam\Castle\CastleTender)", "Collett 4000 gal Tender", "47"),
      Wagon("vale.autocoach", kValeWorks, kBranchLines,
            R"(RailVehicles\Passenger\Autocoach\Autocoach)", "GWR Autocoach", "31", {"190", "231"}),
      Wagon("vale.tanker", kValeWorks, kBranchLines, R"(RailVehicles\Freight\Tanker\TankerTTA)",
            "TTA Fuel Tanker", "24",
            {"57002", "57013", "57021", "57036", "57044", "57058", "57060"}, "eDiesel"),
      Wagon("vale.brakevan", kValeWorks, kBranchLines,
            R"(RailVehicles\Freight\BrakeVan\ToadBrakeVan)", "GWR Toad Brake Van", "20", {}),
      Engine("vale.class117_dmbs", kValeWorks, kBranchLines,
             R"(RailVehicles\DMU\Class117\Class117_DMBS)", "Diesel", "Class 117 DMBS", "36.5",
             {"51332", "51341"}),
      Wagon("vale.class117_tcl", kValeWorks, kBranchLines,
            R"(RailVehicles\DMU\Class117\Class117_TCL)", "Class 117 TCL", "30.5", {"59486"}),
      Engine("vale.2hap_dmbso", kValeWorks, kBranchLines, R"(RailVehicles\EMU\2HAP\2HAP_DMBSO)",
             "Electric", "2-HAP DMBSO", "42", {"65393", "65415"}),
      Wagon("vale.2hap_dtcl", kValeWorks, kBranchLines, R"(RailVehicles\EMU\2HAP\2HAP_DTCL)",
            "2-HAP DTCL", "32", {"77239"}),
  };
  // The brake van names a number list that the pack never shipped.
  for (StockBlueprint& b : stock) {
    if (b.key == "vale.brakevan") b.numberList = b.path + "Numbers";
  }
  return stock;
}

}  // namespace

const std::vector<StockBlueprint>& SampleStock() {
  static const std::vector<StockBlueprint> stock = MakeStock();
  return stock;
}

const StockBlueprint& StockByKey(const std::string& key) {
  for (const auto* stock : {&SampleStock(), &ArchivedStock(), &AbsentStock()}) {
    for (const StockBlueprint& b : *stock) {
      if (b.key == key) return b;
    }
  }
  throw std::invalid_argument("no sample stock named " + key);
}

const std::vector<AuxiliaryAsset>& SampleAuxiliaryAssets() {
  static const std::vector<AuxiliaryAsset> assets = {
      {kKuju, kRailSimulator, R"(RailVehicles\Diesel\Class66\Simulation\Class66EngineSim.bin)",
       "cEngineSimBlueprint"},
      {kKuju, kRailSimulator, R"(RailVehicles\Diesel\Class66\CabView\Class66Cab.bin)",
       "cCabViewBlueprint"},
      {kKuju, kRailSimulator, R"(RailVehicles\Diesel\Class66\Numbering\Class66Digits.bin)",
       "cNumberingBlueprint"},
      {kKuju, kRailSimulator, R"(RailVehicles\Diesel\Class66\Textures\Class66_Body.TgPcDx)", ""},
      {kKuju, kRailSimulator, R"(RailVehicles\Steam\BlackFive\Camera\BlackFiveCameras.bin)",
       "cCameraBlueprint"},
      {kKuju, kRailSimulator, R"(RailVehicles\Passenger\Mk2\PassengerView\Mk2PassView.bin)",
       "cPassengerViewBlueprint"},
      {kKuju, kRailSimulator, R"(RailVehicles\Freight\HTA\Bogie\HTA_Bogie.bin)", "cBogieBlueprint"},
      {kValeWorks, kBranchLines, R"(RailVehicles\Steam\Castle\Simulation\CastleSim.bin)",
       "cEngineSimBlueprint"},
      {kValeWorks, kBranchLines, R"(RailVehicles\DMU\Class117\CabView\Class117Cab.bin)",
       "cCabViewBlueprint"},
  };
  return assets;
}

const std::vector<WeatherBlueprint>& SampleWeather() {
  static const std::vector<WeatherBlueprint> weather = {
      {kKuju, kRailSimulator, R"(Weather\Clear)", "Clear", "0.1", "0"},
      {kKuju, kRailSimulator, R"(Weather\Overcast)", "Overcast", "0.9", "0"},
      {kKuju, kRailSimulator, R"(Weather\HeavyRain)", "Heavy Rain", "1", "0.8"},
      {kKuju, kRailSimulator, R"(Weather\Storms\Thunder)", "Thunderstorm", "1", "1"},
      {kValeWorks, kBranchLines, R"(Weather\Drizzle)", "Drizzle", "0.8", "0.2"},
      {kValeWorks, kBranchLines, R"(Weather\MorningMist)", "Morning Mist", "0.6", "0"},
  };
  return weather;
}

}  // namespace fennick::sample
