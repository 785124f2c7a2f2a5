#pragma once

#include <filesystem>

namespace fennick::bench {

// Lays out Assets/BenchWorks/Rolling Stock/RailVehicles below `root` with `blueprints` vehicle
// blueprints in the stand-in converter's binary form: engines and wagons in folders of twenty,
// each folder also holding a number list and a cab and simulation blueprint that the path
// filters must pass over. Every vehicle blueprint is a candidate of the DMU kind. Returns the
// RailVehicles folder.
std::filesystem::path GenerateStockTree(const std::filesystem::path& root, int blueprints);

}  // namespace fennick::bench
