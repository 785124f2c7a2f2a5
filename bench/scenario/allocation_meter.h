#pragma once

#include <cstddef>

namespace fennick::bench {

// Counts the bytes held through operator new in this program, so a benchmark can report the
// peak an operation needs on top of what existed before it.
class AllocationMeter {
 public:
  // Starts a measurement: the current holding becomes the base.
  static void Reset();
  // Highest holding above the base since Reset().
  static std::size_t PeakAboveBase();
};

}  // namespace fennick::bench
