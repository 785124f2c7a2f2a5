#pragma once

namespace fennick {

// How a save or clone ended, for the window (close or stay) and the command line (exit status).
enum class CommandOutcome {
  kDone,     // everything written; the closing message was shown
  kStopped,  // a check refused or a question was answered "stop"; nothing written
  kFailed,   // a step failed; it was reported and what had been written was put back
};

}  // namespace fennick
