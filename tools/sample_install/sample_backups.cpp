#include "tools/sample_install/sample_backups.h"

#include <stdexcept>

#include "tools/sample_install/route_documents.h"
#include "tools/sample_install/sample_catalogue.h"
#include "tools/sample_install/scenario_document.h"

namespace fennick::sample {

namespace {

constexpr const char* kSteamGala = "6a2b4c75-8394-4fb6-92c7-3e45f6a7b8c9";

struct Found {
  const SampleRoute* route = nullptr;
  const SampleScenario* scenario = nullptr;
};

Found FindScenario(const std::string& guid) {
  for (const SampleRoute& route : SampleRoutes()) {
    for (const SampleScenario& scenario : route.scenarios) {
      if (scenario.guid == guid) return {&route, &scenario};
    }
  }
  throw std::invalid_argument("no sample scenario " + guid);
}

}  // namespace

std::vector<SampleBackup> SampleBackups() {
  const Found found = FindScenario(kSteamGala);
  const std::string& route = found.route->guid;
  const SampleScenario& today = *found.scenario;

  SampleScenario first = today;  // before the first-class coach was swapped in
  first.consists[0].vehicles[2] = {.stockKey = "kuju.mk2_tso", .number = "5201"};
  SampleRoute firstIndex = *found.route;  // the gala ran 75 minutes then
  for (SampleScenario& scenario : firstIndex.scenarios) {
    if (scenario.guid == today.guid) scenario.durationMins = "75";
  }
  SampleScenario longerLoose = today;
  longerLoose.consists[2].vehicles.push_back({.stockKey = "kuju.mk2_tso", .number = "5290"});
  SampleScenario reversedLoose = today;
  reversedLoose.consists[2].vehicles[0].flipped = true;

  return {
      {route, {}, "Scenarios.bak", ScenarioIndexXml(firstIndex), {}, 40},
      {route, today.guid, "Scenario.bak", ScenarioDocumentXml(first), {}, 40},
      {route, today.guid, "Scenario.bak1", ScenarioDocumentXml(longerLoose), {}, 30},
      {route, today.guid, "Scenario.bak2", ScenarioDocumentXml(today), {}, 20},
      {route, today.guid, "Scenario.bak10", ScenarioDocumentXml(reversedLoose), {}, 10},
      {route, today.guid, "Scenario.bak01", {}, "My own notes, not a backup.\r\n", 5},
  };
}

}  // namespace fennick::sample
