#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/sample_install/localised_text.h"

namespace fennick::sample {

enum class VehicleKind { kEngine, kWagon, kTender };

// One rolling-stock blueprint under Assets\<provider>\<product>.
struct StockBlueprint {
  std::string key{};       // handle the sample consists use
  std::string provider{};  // folder under Assets
  std::string product{};   // folder under the provider
  std::string path{};      // below the product folder, "\"-separated, without extension
  VehicleKind kind = VehicleKind::kWagon;
  std::string traction{};  // "Diesel", "Electric" or "Steam" for engines
  std::string name{};      // the blueprint's Name, as stock lists and consists show it
  std::string mass{};      // tonnes, as text
  // Number list below the product folder without ".dcsv"; empty: the blueprint names none.
  std::string numberList{};
  // Entries of the number list; empty with a numberList set: the named list is not laid out.
  std::vector<std::string> numbers{};
  bool carriesCargo = false;
  std::string cargo{};  // what a loadable wagon carries ("eCoal", ...)
};

// A .bin beside the stock that is not a vehicle (cab, simulation, bogie, ...) or a texture.
struct AuxiliaryAsset {
  std::string provider{};
  std::string product{};
  std::string path{};     // below the product folder, with extension
  std::string rootTag{};  // root record of a .bin; empty: plain bytes (a texture)
};

struct WeatherBlueprint {
  std::string provider{};
  std::string product{};
  std::string path{};  // below the product folder, without extension, e.g. "Weather\Clear"
  std::string name{};
  std::string cloudCover{};
  std::string precipitation{};
};

struct SampleVehicle {
  std::string stockKey{};
  std::string number{};
  bool flipped = false;
  bool loaded = false;  // only for wagons that carry cargo
};

struct SampleConsist {
  LocalisedText serviceName{};  // all empty: a loose consist
  bool playerDriven = false;
  std::string startTime{};  // seconds after midnight, as written in the driver's instructions
  std::string destination{};
  std::vector<SampleVehicle> vehicles{};

  bool loose() const { return serviceName.english.empty() && serviceName.french.empty(); }
};

struct SavedGame {
  std::string fileName{};  // in the scenario folder; CurrentSave.xml is the one in use
  std::string label{};
  std::string gameTime{};  // seconds
};

// How much of a scenario is on disk; the damaged ones exercise the browser's refusals.
enum class ScenarioFolderState { kComplete, kFolderMissing, kScenarioBinMissing };

struct SampleScenario {
  std::string guid{};  // folder name and DevString
  std::uint32_t elementId = 0;
  LocalisedText displayName{};
  LocalisedText description{};
  LocalisedText briefing{};
  std::string startTime{};  // as stored in the index, e.g. "25200" or "19800.0000"
  std::string durationMins{};
  std::string startDD{};
  std::string startMM{};
  std::string startYYYY{};
  std::string season{};
  std::string weatherProvider{};
  std::string weatherProduct{};
  std::string weatherBlueprintId{};  // e.g. "Weather\Clear.xml"
  std::string scenarioClass{};
  std::string author{};
  std::vector<SampleConsist> consists{};
  std::vector<SavedGame> savedGames{};
  ScenarioFolderState folderState = ScenarioFolderState::kComplete;
};

struct SampleRoute {
  std::string guid{};  // folder name under Content\Routes and DevString in Routes.xml
  LocalisedText name{};
  std::vector<SampleScenario> scenarios{};
};

const std::vector<StockBlueprint>& SampleStock();
const std::vector<AuxiliaryAsset>& SampleAuxiliaryAssets();
const std::vector<WeatherBlueprint>& SampleWeather();
const std::vector<SampleRoute>& SampleRoutes();

// Throws std::invalid_argument when the key names no blueprint of SampleStock().
const StockBlueprint& StockByKey(const std::string& key);

}  // namespace fennick::sample
