#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

#include "tools/sample_install/sample_catalogue.h"

namespace fennick::sample {

// Stock that is not laid out as loose .bin files: blueprints packed in a product's .ap archive
// (a zip file, as the simulator's packs ship them), and one that a scenario names but that is
// installed nowhere.
const std::vector<StockBlueprint>& ArchivedStock();
const std::vector<StockBlueprint>& AbsentStock();

// The scenario whose consists hold archived and absent stock beside loose stock.
SampleScenario ArchivedStockScenario();

// Writes the archives below OUTDIR\Assets; returns how many files it wrote.
std::size_t WriteStockArchives(const std::filesystem::path& assetsFolder);

}  // namespace fennick::sample
