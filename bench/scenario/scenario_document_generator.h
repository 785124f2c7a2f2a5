#pragma once

#include <cstddef>
#include <string>

namespace fennick::bench {

// The make-up of a generated scenario document.
struct DocumentShape {
  std::size_t consists = 2000;
  std::size_t vehiclesPerConsist = 30;
  // Vehicle blocks are padded with realistic filler elements until the document reaches about
  // this size.
  std::size_t targetBytes = std::size_t{64} << 20;
};

// A scenario document in the converter's XML layout: a record set holding the consists, each
// with its vehicles (wagon or engine component, cargo component, blueprint container and path,
// name), most with a service name, one driven, each with a driver instruction holding a
// StartTime. Deterministic for a given shape.
std::string GenerateScenarioDocument(const DocumentShape& shape = {});

}  // namespace fennick::bench
