#pragma once

#include <string>

namespace fennick::sample {

// One text in the simulator's five languages plus its string-table key.
struct LocalisedText {
  std::string english{};
  std::string french{};
  std::string italian{};
  std::string german{};
  std::string spanish{};
  std::string key{};
};

inline LocalisedText InEnglish(std::string text) {
  LocalisedText localised{};
  localised.english = std::move(text);
  return localised;
}

}  // namespace fennick::sample
