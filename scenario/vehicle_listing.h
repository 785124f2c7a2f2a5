#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "scenario/position.h"
#include "scenario/result.h"

namespace fennick {

// What the editor lists about one vehicle of a consist.
struct VehicleFields {
  // Its own constructor, so that a vehicle added to a list is not first zeroed byte by byte.
  VehicleFields() {}
  std::string name;       // its "Name" text
  std::string blueprint;  // the text of its attributed "<BlueprintID " element: the blueprint path
  std::string flipped;    // its "Flipped" text
  std::string preloaded;  // its "IsPreloaded" text
  bool loadable = true;   // false when an "<InitialLevel/>" stands in its own block
  std::string provider;   // its "Provider" and "Product" texts: where the blueprint lives
  std::string product;
  bool operator==(const VehicleFields&) const = default;
};

// The vehicles of one consist's text, one for every "<Name" (any case, a prefix match) in
// document order. A vehicle's other fields are the last such elements before its Name inside
// its own block, which starts at its own "<cOwnedEntity"; a field its block lacks is empty, never
// a neighbour's. The text is scanned once. Fails when a Name element has no closing tag.
Result<std::vector<VehicleFields>> ReadVehicles(std::string_view consistText);

// The first "<ServiceName>" and "<PlayerDriver" of a consist's text (0 when it has none), noted
// by the same scan that lists its vehicles, so the editor load reads each consist once.
struct ConsistMarks {
  Pos serviceName = kNotFound;
  Pos playerDriver = kNotFound;
};
Result<std::vector<VehicleFields>> ReadVehicles(std::string_view consistText, ConsistMarks& marks);

// Every consist of a document as one scan finds it: the listing text of each (as
// ConsistListingText cuts it at the "</cConsist" tags) with what ReadVehicles gives for that
// text, marks relative to it. The editor load reads a whole document this way, once. Each listing
// is handed to `each` as soon as its consist ends, while its text is still in the processor's
// cache.
struct ConsistListing {
  Pos first = kNotFound;   // where the listing text begins in the document
  std::size_t length = 0;  // up to the next "</cConsist"
  Result<std::vector<VehicleFields>> vehicles = std::vector<VehicleFields>{};
  ConsistMarks marks;
  std::string_view In(std::string_view document) const {
    return document.substr(IndexOf(first), length);
  }
};
using EachListing = std::function<void(ConsistListing&&)>;
void ListEveryConsist(std::string_view scenarioText, const EachListing& each);

}  // namespace fennick
