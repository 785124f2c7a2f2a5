#pragma once

#include <string>
#include <vector>

#include "tools/sample_install/sample_catalogue.h"

namespace fennick::sample {

// Content\Routes.xml: one record per route, its folder GUID and localised name.
std::string RoutesXml(const std::vector<SampleRoute>& routes);

// The route's scenario index (the XML form of Scenarios.bin), one cScenarioProperties per
// scenario with its properties in the order the simulator writes them.
std::string ScenarioIndexXml(const SampleRoute& route);

}  // namespace fennick::sample
