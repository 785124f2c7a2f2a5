#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "scenario/position.h"
#include "scenario/result.h"

namespace fennick {

// A stretch of a document: `length` characters from 1-based position `first`.
struct TextRange {
  Pos first = kNotFound;
  std::size_t length = 0;

  // The position just behind the range.
  Pos end() const { return first + length; }
  std::string_view In(std::string_view text) const { return text.substr(IndexOf(first), length); }
  bool operator==(const TextRange&) const = default;
};

// Consist boundaries for listing: element 0 is 1, element k the position of the k-th
// "</cConsist" (any case). A document with m consists gives m + 1 elements.
std::vector<Pos> FindConsistEnds(std::string_view scenarioText);

// The listing text of consist c (0-based) from those boundaries: from ends[c] up to, not
// including, ends[c + 1]. The first consist's text holds everything before it; every later one
// begins with the closing tag of the consist before. Empty when c is not a listed consist.
std::string_view ConsistListingText(std::string_view scenarioText, const std::vector<Pos>& ends,
                                    std::size_t c);

// Consist c as the consist commands address it: from the (c + 1)-th "<cConsist" through the next
// "</cConsist>". An error a person can read when there is no such consist or it is not closed.
Result<TextRange> FindConsistBlock(std::string_view scenarioText, std::size_t c);

// Vehicle block n (0-based) of consist c: from its "<cOwnedEntity" through the next
// "</cOwnedEntity>". Counting stays inside the consist, so a vehicle number beyond the consist's
// own blocks is not found rather than taken from a later consist. A block whose closing tag is
// missing, stands behind the next block's opening, or closes with an element inside it still
// open, is not closed: an error, never the text of two vehicles or half of one.
Result<TextRange> FindVehicleBlock(std::string_view scenarioText, std::size_t c, std::size_t n);

// Whether consist c holds every one of `rows` as a closed vehicle block, found in one walk over
// the consist; otherwise the error FindVehicleBlock gives for the first row that fails.
Status CheckVehicleBlocks(std::string_view scenarioText, std::size_t c,
                          const std::vector<std::size_t>& rows);

// The vehicle block opening at `open` in `text` (a consist's text), closed as FindVehicleBlock
// requires; nothing when it is not closed.
std::optional<TextRange> VehicleBlockAt(std::string_view text, Pos open);

// FindConsistBlock and FindVehicleBlock without the reason.
std::optional<TextRange> LocateConsist(std::string_view scenarioText, std::size_t c);
std::optional<TextRange> LocateVehicle(std::string_view scenarioText, std::size_t c, std::size_t n);

// The number of vehicle blocks ("<cOwnedEntity" openings) inside consist c; 0 when there is no
// such consist.
std::size_t CountVehicleBlocks(std::string_view scenarioText, std::size_t c);

}  // namespace fennick
