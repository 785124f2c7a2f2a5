#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fennick {

// One change of a document as the bytes that differ: at `offset`, `removed` became `inserted`.
// Kept instead of two copies of a document of many megabytes, so a long undo history stays small.
struct TextChange {
  std::size_t offset = 0;
  std::string removed;
  std::string inserted;

  bool empty() const { return removed == inserted; }
  bool operator==(const TextChange&) const = default;
};

// The change that turns `before` into `after`: everything between their common start and end.
TextChange ChangeBetween(std::string_view before, std::string_view after);

// Applies the change forwards (before -> after) or backwards. False, with the text untouched,
// when the text does not hold what the change expects at its offset.
bool ApplyChange(std::string& text, const TextChange& change, bool forwards);

}  // namespace fennick
