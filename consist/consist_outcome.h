#pragma once

#include <optional>
#include <string>

namespace fennick {

// What a consist command tells the editor afterwards. The editor then lists consist m again
// from ScenarioText, so its vehicle rows always match the document.
struct ConsistOutcome {
  bool consistsChanged = false;  // the editor sets ConsistsChanged, so Exit asks
  // New caption of the driven-consist label (UTF-8), when the command changes it.
  std::optional<std::string> drivenLabel;
};

}  // namespace fennick
