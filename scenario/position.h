#pragma once

#include <cstddef>

namespace fennick {

// A 1-based character position in a document text; 0 means "not found". Callers chain one
// running position through successive searches, so every search function takes and returns
// positions in this form and converts to 0-based indices internally.
using Pos = std::size_t;

inline constexpr Pos kNotFound = 0;

// 0-based index of a valid position.
constexpr std::size_t IndexOf(Pos position) {
  return position - 1;
}

// Position of a 0-based index.
constexpr Pos PositionOf(std::size_t index) {
  return index + 1;
}

}  // namespace fennick
