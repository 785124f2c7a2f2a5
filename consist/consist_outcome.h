#pragma once

#include <optional>
#include <string>

#include "app/outcome.h"

namespace fennick {

// What a consist command tells the editor afterwards. The editor then lists consist m again
// from ScenarioText, so its vehicle rows always match the document.
struct ConsistOutcome {
  // Refused unless the command says it got to the end; a failure says so too.
  Outcome::Kind ended = Outcome::Kind::kRefused;
  bool consistsChanged = false;  // the document was changed
  // New caption of the driven-consist label (UTF-8), when the command changes it.
  std::optional<std::string> drivenLabel;
};

}  // namespace fennick
