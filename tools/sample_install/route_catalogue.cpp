#include "tools/sample_install/sample_catalogue.h"

#include "tools/sample_install/archived_stock.h"

namespace fennick::sample {

namespace {

constexpr const char* kStandard = "eStandardScenarioClass";
constexpr const char* kTimetable = "eTimetableScenarioClass";
constexpr const char* kFreeRoam = "eFreeRoamScenarioClass";

SampleVehicle Vehicle(std::string key, std::string number) {
  return {.stockKey = std::move(key), .number = std::move(number)};
}

SampleVehicle Flipped(std::string key, std::string number) {
  return {.stockKey = std::move(key), .number = std::move(number), .flipped = true};
}

SampleVehicle Loaded(std::string key, std::string number) {
  return {.stockKey = std::move(key), .number = std::move(number), .loaded = true};
}

SampleConsist Driven(LocalisedText service, std::string start, std::string destination,
                     std::vector<SampleVehicle> vehicles) {
  return {.serviceName = std::move(service),
          .playerDriven = true,
          .startTime = std::move(start),
          .destination = std::move(destination),
          .vehicles = std::move(vehicles)};
}

SampleConsist Service(LocalisedText service, std::string start, std::string destination,
                      std::vector<SampleVehicle> vehicles) {
  return {.serviceName = std::move(service),
          .startTime = std::move(start),
          .destination = std::move(destination),
          .vehicles = std::move(vehicles)};
}

SampleConsist Loose(std::vector<SampleVehicle> vehicles) {
  return {.vehicles = std::move(vehicles)};
}

SampleRoute SevernVale() {
  SampleRoute route{.guid = "2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21",
                    .name = InEnglish("Severn Vale Branch")};
  route.scenarios.push_back({
      .guid = "0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301",
      .elementId = 187654321,
      .displayName = InEnglish("Morning Coal Empties"),
      // Typed in the simulator's own editor: a CR LF, a lone CR and a non-breaking space.
      .description = InEnglish(
          "Take a rake of empty hoppers from Holtby Yard\nup the valley to Marsh\u00A0Colliery."
          "\rMind the gradient."),
      .briefing = InEnglish("Your Class 66 is coupled to empty HTA hoppers in Holtby Yard. Wait "
                            "for the 1B17 stopping service to clear the branch, then depart."),
      .startTime = "25200",
      .durationMins = "60",
      .startDD = "14",
      .startMM = "6",
      .startYYYY = "2007",
      .season = "SEASON_SUMMER",
      .weatherProvider = "Kuju",
      .weatherProduct = "RailSimulator",
      .weatherBlueprintId = R"(Weather\Clear.xml)",
      .scenarioClass = kStandard,
      .author = "Kuju",
      .consists = {Driven(InEnglish("6Z41 Holtby - Marsh Colliery"), "25200", "Marsh Colliery",
                          {Vehicle("kuju.class66", "66142"), Vehicle("kuju.hta", "310001"),
                           Vehicle("kuju.hta", "310015"), Vehicle("kuju.hta", "310027"),
                           Vehicle("kuju.hta", "310042")}),
                   Service(InEnglish("1B17 Holtby - Severn Bridge"), "25500", "Severn Bridge",
                           {Vehicle("kuju.class101_dmbs", "51201"),
                            Flipped("kuju.class101_dtcl", "56055")}),
                   Loose({Loaded("kuju.hta", "310088"), Loaded("kuju.hta", "310103"),
                          Vehicle("kuju.van", "B954123")})},
      .savedGames = {{"CurrentSave.xml", "Current progress", "26130"},
                     {"Before the junction.xml", "Before the junction", "25980"}},
  });
  route.scenarios.push_back({
      .guid = "1b7c9d20-3e4f-4a61-8d52-e9f0a1b2c3d4",
      .elementId = 187655334,
      .displayName = InEnglish("Evening Commuters"),
      .description = InEnglish(
          "Work the 17:30 commuter service from Severn Bridge to Holtby – every stop, no excuses."),
      .briefing = InEnglish(
          "Your Class 450 unit waits at Severn Bridge platform 2. Call at all stations to Holtby."),
      .startTime = "63000.0000",
      .durationMins = "90",
      .startDD = "12",
      .startMM = "11",
      .startYYYY = "2007",
      .season = "SEASON_AUTUMN",
      .weatherProvider = "Kuju",
      .weatherProduct = "RailSimulator",
      .weatherBlueprintId = R"(Weather\Overcast.xml)",
      .scenarioClass = kTimetable,
      .author = "Kuju",
      .consists = {Driven(InEnglish("2H30 Severn Bridge - Holtby"), "63000", "Holtby",
                          {Vehicle("kuju.class450_dmso", "63201"),
                           Vehicle("kuju.class450_tso", "64201"),
                           Flipped("kuju.class450_dmso", "63202")}),
                   Service(InEnglish("1V44 Fast to Westbury"), "63300", "Westbury",
                           {Vehicle("kuju.class86", "86229"), Vehicle("kuju.mk2_fo", "3340"),
                            Vehicle("kuju.mk2_tso", "5221"), Vehicle("kuju.mk2_tso", "5234")}),
                   Loose({Vehicle("kuju.mk2_tso", "5248"), Vehicle("kuju.mk2_tso", "5276")})},
  });
  route.scenarios.push_back({
      .guid = "2c8d0e31-4f50-4b72-9e63-fa01b2c3d4e5",
      .elementId = 187656347,
      .displayName = InEnglish("Parcels to the Coast"),
      .description =
          InEnglish("Early parcels working with a borrowed Class 37 and a rake of vans."),
      .briefing = InEnglish("Collect the parcels vans from the loading dock and work them to the "
                            "coast before the storm breaks."),
      .startTime = "19800",
      .durationMins = "45",
      .startDD = "3",
      .startMM = "3",
      .startYYYY = "2008",
      .season = "SEASON_SPRING",
      .weatherProvider = "Kuju",
      .weatherProduct = "RailSimulator",
      .weatherBlueprintId = R"(Weather\Storms\Thunder.xml)",
      .scenarioClass = kStandard,
      .author = "Kuju",
      .consists = {Driven(InEnglish("5P12 Parcels"), "19800", "Severn Bridge",
                          {Vehicle("vale.class37", "37405"), Vehicle("kuju.van", "B954201"),
                           Vehicle("kuju.van", "B954288"), Vehicle("vale.brakevan", "W17455")}),
                   Service(InEnglish("6M62 Fuel Tanks"), "20400", "Holtby",
                           {Vehicle("kuju.class66", "66004"), Loaded("vale.tanker", "57002"),
                            Loaded("vale.tanker", "57013"), Loaded("vale.tanker", "57021")})},
      .savedGames = {{"CurrentSave.xml", "Current progress", "20950"}},
  });
  route.scenarios.push_back({
      .guid = "3d9e1f42-5061-4c83-af74-0b12c3d4e5f6",
      .elementId = 187657360,
      .displayName = InEnglish("Free Roam: Severn Vale"),
      .description = InEnglish("Explore the branch at your own pace."),
      .briefing = InEnglish("A light engine is ready for you in Holtby Yard."),
      .startTime = "43200",
      .durationMins = "120",
      .startDD = "21",
      .startMM = "6",
      .startYYYY = "2007",
      .season = "SEASON_SUMMER",
      .weatherProvider = "Kuju",
      .weatherProduct = "RailSimulator",
      .weatherBlueprintId = R"(Weather\Clear.xml)",
      .scenarioClass = kFreeRoam,
      .author = "Kuju",
      .consists = {Driven(InEnglish("0Z01 Light Engine"), "43200", "Holtby Yard",
                          {Vehicle("kuju.class66", "66250")}),
                   Loose({Loaded("kuju.hta", "310001"), Loaded("kuju.hta", "310015"),
                          Loaded("kuju.hta", "310027")})},
  });
  return route;
}

SampleRoute EmeraldCoast() {
  // Listed only by its French name: the English one is empty.
  SampleRoute route{.guid = "7b41f0e2-93c5-4d08-a6e1-3c2f5d9b8a04",
                    .name = {.french = "Ligne de la Côte d'Émeraude"}};
  route.scenarios.push_back({
      .guid = "4e0f2a53-6172-4d94-b085-1c23d4e5f6a7",
      .elementId = 187658373,
      .displayName = {.french = "Express du matin vers Saint-Malo"},
      .description = {.french = "Conduisez l'express du matin le long de la côte."},
      .briefing = {.french = "Votre locomotive attend en gare de Dinard. Départ à 6 h 15."},
      .startTime = "22500",
      .durationMins = "75",
      .startDD = "2",
      .startMM = "7",
      .startYYYY = "2007",
      .season = "SEASON_SUMMER",
      .weatherProvider = "Kuju",
      .weatherProduct = "RailSimulator",
      .weatherBlueprintId = R"(Weather\Clear.xml)",
      .scenarioClass = kStandard,
      .author = "Atelier Émeraude",
      .consists = {Driven({.french = "Express 851"}, "22500", "Saint-Malo",
                          {Vehicle("kuju.class86", "86401"), Vehicle("kuju.mk2_fo", "3345"),
                           Vehicle("kuju.mk2_tso", "5293"), Vehicle("kuju.mk2_tso", "5248")}),
                   Loose({Vehicle("kuju.van", "B954300"), Vehicle("kuju.hta", "310042")})},
      .savedGames = {{"CurrentSave.xml", "Partie en cours", "23400"},
                     {"Sauvegarde d'été.xml", "Sauvegarde d'été", "22980"}},
  });
  route.scenarios.push_back({
      .guid = "5f1a3b64-7283-4ea5-81b6-2d34e5f6a7b8",
      .elementId = 187659386,
      .displayName = {.english = "Granville Freight", .french = "Fret de Granville"},
      .description = {.english = "Night freight along the emerald coast.",
                      .french = "Fret de nuit le long de la côte."},
      .briefing = {.english = "Take the fuel tanks to Granville.",
                   .french = "Amenez les wagons-citernes à Granville."},
      .startTime = "75600.0000",
      .durationMins = "60",
      .startDD = "20",
      .startMM = "1",
      .startYYYY = "2008",
      .season = "SEASON_WINTER",
      .weatherProvider = "ValeWorks",
      .weatherProduct = "Branch Lines",
      .weatherBlueprintId = R"(Weather\MorningMist.xml)",
      .scenarioClass = kTimetable,
      .author = "Atelier Émeraude",
      .consists = {Driven({.english = "Freight 4172", .french = "Fret 4172"}, "75600", "Granville",
                          {Vehicle("vale.class73", "73109"), Loaded("vale.tanker", "57036"),
                           Vehicle("vale.tanker", "57044"), Loaded("vale.tanker", "57058"),
                           Flipped("vale.brakevan", "W17460")}),
                   Service({.english = "Railcar 3310", .french = "Autorail 3310"}, "76200",
                           "Dinard",
                           {Vehicle("vale.class117_dmbs", "51332"),
                            Vehicle("vale.class117_tcl", "59486"),
                            Flipped("vale.class117_dmbs", "51341")}),
                   Loose({Vehicle("vale.brakevan", "W17502")})},
  });
  return route;
}

SampleRoute MarshJunction() {
  SampleRoute route{.guid = "c0e5a7d1-2b84-46f9-8e3a-91d6b7f2c530",
                    .name = InEnglish("Marsh Junction Mainline")};
  route.scenarios.push_back({
      .guid = "6a2b4c75-8394-4fb6-92c7-3e45f6a7b8c9",
      .elementId = 187660399,
      .displayName = InEnglish("Steam Gala Special"),
      .description = InEnglish("Gala day: steam on the main line."),
      .briefing = InEnglish("Take the Black Five and its coaches from Marsh Junction to Holtby, "
                            "keeping clear of the pannier shuttle."),
      .startTime = "36000",
      .durationMins = "100",
      .startDD = "18",
      .startMM = "5",
      .startYYYY = "2008",
      .season = "SEASON_SPRING",
      .weatherProvider = "ValeWorks",
      .weatherProduct = "Branch Lines",
      .weatherBlueprintId = R"(Weather\Drizzle.xml)",
      .scenarioClass = kTimetable,
      .author = "ValeWorks",
      .consists = {Driven(InEnglish("1Z45 Gala Special"), "36000", "Holtby",
                          {Vehicle("kuju.blackfive", "45407"),
                           Vehicle("kuju.blackfive_tender", "45407"),
                           Vehicle("kuju.mk2_fo", "3351"), Vehicle("kuju.mk2_tso", "5221"),
                           Vehicle("kuju.mk2_tso", "5234"), Vehicle("kuju.mk2_fo", "3366")}),
                   Service(InEnglish("2P10 Gala Shuttle"), "36600", "Marsh Junction",
                           {Vehicle("vale.pannier", "5764"), Flipped("vale.autocoach", "190")}),
                   Loose({Vehicle("vale.castle", "5029"), Vehicle("vale.castle_tender", "5029")})},
      .savedGames = {{"CurrentSave.xml", "Current progress", "37210"},
                     {"Gala start.xml", "Gala start", "36060"}},
  });
  route.scenarios.push_back({
      .guid = "7b3c5d86-94a5-4a07-a3d8-4f56a7b8c9d0",
      .elementId = 187661412,
      .displayName = InEnglish("Marsh Junction Shunt"),
      .description = InEnglish("Sort the fuel tanks in Marsh Junction yard."),
      .briefing =
          InEnglish("Shunt the loaded tanks onto the departure road and attach the covered van."),
      .startTime = "31500",
      .durationMins = "40",
      .startDD = "9",
      .startMM = "9",
      .startYYYY = "2007",
      .season = "SEASON_AUTUMN",
      .weatherProvider = "Kuju",
      .weatherProduct = "RailSimulator",
      .weatherBlueprintId = R"(Weather\HeavyRain.xml)",
      .scenarioClass = kStandard,
      .author = "Kuju",
      .consists = {Driven(InEnglish("Yard Pilot"), "31500", "Marsh Junction Yard",
                          {Vehicle("vale.class37", "37422"), Loaded("vale.tanker", "57060"),
                           Vehicle("vale.tanker", "57002"), Vehicle("kuju.van", "B954377")}),
                   Service(InEnglish("6V19 Marsh Junction - Westbury"), "32400", "Westbury",
                           {Vehicle("kuju.class66", "66061"), Loaded("kuju.hta", "310015"),
                            Loaded("kuju.hta", "310027")}),
                   Loose({Vehicle("kuju.hta", "310103"), Vehicle("kuju.hta", "310088"),
                          Vehicle("kuju.hta", "310001")})},
  });
  route.scenarios.push_back({
      .guid = "8c4d6e97-a5b6-4b18-b4e9-5067b8c9d0e1",
      .elementId = 187662425,
      .displayName = InEnglish("Electric Night Mail"),
      .description = InEnglish("The overnight mail over the electrified main line."),
      .briefing = InEnglish("Work the 2-HAP unit to Holtby, following the 1S96 mail train."),
      .startTime = "84600",
      .durationMins = "55",
      .startDD = "15",
      .startMM = "12",
      .startYYYY = "2007",
      .season = "SEASON_WINTER",
      .weatherProvider = "Kuju",
      .weatherProduct = "RailSimulator",
      .weatherBlueprintId = R"(Weather\Clear.xml)",
      .scenarioClass = kStandard,
      .author = "ValeWorks",
      .consists = {Driven(
                       InEnglish("2H91 Late Stopper"), "84600", "Holtby",
                       {Vehicle("vale.2hap_dmbso", "65393"), Flipped("vale.2hap_dtcl", "77239")}),
                   Service(InEnglish("1S96 Night Mail"), "84900", "Holtby",
                           {Vehicle("kuju.class86", "86229"), Vehicle("kuju.van", "B954401"),
                            Vehicle("kuju.van", "B954412"), Vehicle("kuju.van", "B954420")})},
  });
  route.scenarios.push_back(ArchivedStockScenario());
  return route;
}

SampleRoute DamagedIndex() {
  // Its index lists two scenarios the browser must refuse: one whose folder is missing and
  // one whose folder holds no Scenario.bin.
  SampleRoute route{.guid = "f3a81c6e-0d27-4b95-b4f0-6e2c8d1a7b93",
                    .name = InEnglish("Sandbury Sidings (damaged index)")};
  route.scenarios.push_back({
      .guid = "9d5e7fa8-b6c7-4c29-85fa-6178c9d0e1f2",
      .elementId = 187663438,
      .displayName = InEnglish("Lost Scenario"),
      .description = InEnglish("Its folder was deleted."),
      .briefing = InEnglish("Nothing to drive."),
      .startTime = "28800",
      .durationMins = "30",
      .startDD = "1",
      .startMM = "4",
      .startYYYY = "2008",
      .season = "SEASON_SPRING",
      .weatherProvider = "Kuju",
      .weatherProduct = "RailSimulator",
      .weatherBlueprintId = R"(Weather\Clear.xml)",
      .scenarioClass = kStandard,
      .author = "Kuju",
      .folderState = ScenarioFolderState::kFolderMissing,
  });
  route.scenarios.push_back({
      .guid = "ae6f80b9-c7d8-4d3a-96ab-7289d0e1f2a3",
      .elementId = 187664451,
      .displayName = InEnglish("Unfinished Scenario"),
      .description = InEnglish("Its Scenario.bin was never written."),
      .briefing = InEnglish("Nothing to drive."),
      .startTime = "30600",
      .durationMins = "30",
      .startDD = "2",
      .startMM = "4",
      .startYYYY = "2008",
      .season = "SEASON_SPRING",
      .weatherProvider = "Kuju",
      .weatherProduct = "RailSimulator",
      .weatherBlueprintId = R"(Weather\Overcast.xml)",
      .scenarioClass = kStandard,
      .author = "Kuju",
      .folderState = ScenarioFolderState::kScenarioBinMissing,
  });
  return route;
}

}  // namespace

const std::vector<SampleRoute>& SampleRoutes() {
  static const std::vector<SampleRoute> routes = {SevernVale(), EmeraldCoast(), MarshJunction(),
                                                  DamagedIndex()};
  return routes;
}

}  // namespace fennick::sample
