#pragma once

#include <string>

#include "tools/sample_install/sample_catalogue.h"

namespace fennick::sample {

// The scenario's consists (the XML form of Scenario.bin).
std::string ScenarioDocumentXml(const SampleScenario& scenario);

// A saved game kept in the scenario folder (plain XML, never converted).
std::string SavedGameXml(const SampleScenario& scenario, const SavedGame& save);

}  // namespace fennick::sample
