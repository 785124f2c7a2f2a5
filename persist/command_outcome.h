#pragma once

#include "app/outcome.h"

namespace fennick {

// How a save or clone ended, for the window (close or stay) and the command line (exit status):
// done (everything written, the closing message shown), refused (a check or a question said no;
// nothing written) or failed (a step failed; it was reported and what had been written was put
// back).
using CommandOutcome = Outcome::Kind;

}  // namespace fennick
