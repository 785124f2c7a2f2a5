#pragma once

#include <cstddef>

namespace fennick {

// Watches a stock gathering: the window shows a progress bar with a Cancel button. Called on
// the thread that gathers, never from a worker.
class GatherProgress {
 public:
  virtual ~GatherProgress() = default;
  // done of total candidate files are classified; false asks the gathering to stop.
  virtual bool Report(std::size_t done, std::size_t total) = 0;
};

}  // namespace fennick
