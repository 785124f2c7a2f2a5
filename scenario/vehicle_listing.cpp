#include "scenario/vehicle_listing.h"

#include <algorithm>

#include "scenario/element_finder.h"
#include "scenario/text_search.h"

namespace fennick {
namespace {

constexpr std::string_view kBlockOpen = "<cOwnedEntity";
constexpr std::string_view kBlockClose = "</cOwnedEntity";

// Second bytes of the tags the listing looks at: Name, cOwnedEntity, BlueprintID, Flipped,
// IsPreloaded, InitialLevel, ServiceName, PlayerDriver, Provider and Product. Every other tag is
// skipped without stopping.
const TagStartSet& WantedTags() {
  static const TagStartSet wanted("ncbfisp");
  return wanted;
}

// The latest tags seen so far in the scan, as 1-based positions (0 = none yet).
struct LastTags {
  Pos blockOpen = kNotFound;  // "<cOwnedEntity"
  Pos blueprint = kNotFound;  // "<BlueprintID " (attributed)
  Pos flipped = kNotFound;    // "<Flipped"
  Pos preloaded = kNotFound;  // "<IsPreloaded"
  Pos emptyLoad = kNotFound;  // "<InitialLevel/>"
  Pos provider = kNotFound;   // "<Provider"
  Pos product = kNotFound;    // "<Product"
};

// Records the tag opening at 0-based `index` when it is one the listing needs.
void NoteTag(std::string_view text, std::size_t index, LastTags& last, ConsistMarks& marks) {
  const Pos at = PositionOf(index);
  switch (text[index + 1] | 0x20) {
    case 's':
      if (marks.serviceName == kNotFound && MatchesNoCaseAt(text, index, "<ServiceName>")) {
        marks.serviceName = at;
      }
      break;
    case 'p':
      if (MatchesNoCaseAt(text, index, "<Provider")) {
        last.provider = at;
      } else if (MatchesNoCaseAt(text, index, "<Product")) {
        last.product = at;
      } else if (marks.playerDriver == kNotFound && MatchesNoCaseAt(text, index, "<PlayerDriver")) {
        marks.playerDriver = at;
      }
      break;
    case 'c':
      if (MatchesNoCaseAt(text, index, kBlockOpen)) last.blockOpen = at;
      break;
    case 'b':
      if (MatchesNoCaseAt(text, index, "<BlueprintID ")) last.blueprint = at;
      break;
    case 'f':
      if (MatchesNoCaseAt(text, index, "<Flipped")) last.flipped = at;
      break;
    case 'i':
      if (MatchesNoCaseAt(text, index, "<IsPreloaded")) {
        last.preloaded = at;
      } else if (MatchesNoCaseAt(text, index, "<InitialLevel/>")) {
        last.emptyLoad = at;
      }
      break;
    default:
      break;
  }
}

// Where a vehicle may take its fields from: behind its own block's opening tag; or, when that
// block was closed before the vehicle's Name (or there is none), behind the last closing tag and
// behind the previous vehicle.
Pos FieldFloor(Pos blockOpen, Pos lastBlockClose, Pos previousEnd) {
  if (blockOpen > lastBlockClose) return blockOpen;
  return std::max(lastBlockClose, previousEnd);
}

// The text of element `name` opening at `at`, when it lies after `floor` and closes before the
// vehicle's Name (the searched text ends there); otherwise empty.
std::string FieldText(std::string_view beforeName, std::string_view name, Pos at, Pos floor) {
  if (at == kNotFound || at <= floor) return {};
  const ElementSpan span = ElementFinder(name).Find(beforeName, at);
  if (span.status != TagStatus::kFound || span.open != at) return {};
  return std::string(span.Text(beforeName));
}

}  // namespace

Result<std::vector<VehicleFields>> ReadVehicles(std::string_view consistText) {
  ConsistMarks marks;
  return ReadVehicles(consistText, marks);
}

Result<std::vector<VehicleFields>> ReadVehicles(std::string_view consistText, ConsistMarks& marks) {
  static const ElementFinder nameFinder("Name");
  marks = ConsistMarks{};
  std::vector<VehicleFields> vehicles;
  LastTags last;
  Pos previousEnd = kNotFound;
  // Closing tags of blocks are found by a search of their own that only ever moves forward.
  Pos lastBlockClose = kNotFound;
  Pos closeSearchFrom = 1;
  for (Pos lt = FindTagStart(consistText, 1, WantedTags()); lt != kNotFound;) {
    const std::size_t index = IndexOf(lt);
    if (!MatchesNoCaseAt(consistText, index, "<Name")) {
      NoteTag(consistText, index, last, marks);
      lt = FindTagStart(consistText, lt + 1, WantedTags());
      continue;
    }
    const ElementSpan name = nameFinder.Find(consistText, lt);
    if (name.status == TagStatus::kUnclosed) {
      return Error{"Vehicle " + std::to_string(vehicles.size() + 1) +
                   " of the consist has a Name element without a closing tag."};
    }
    const std::string_view beforeName = consistText.substr(0, index);
    for (Pos close = FindNoCase(beforeName, kBlockClose, closeSearchFrom); close != kNotFound;
         close = FindNoCase(beforeName, kBlockClose, close + 1)) {
      lastBlockClose = close;
    }
    closeSearchFrom = lt;
    const Pos floor = FieldFloor(last.blockOpen, lastBlockClose, previousEnd);
    VehicleFields vehicle;
    if (name.status == TagStatus::kFound) vehicle.name = std::string(name.Text(consistText));
    vehicle.blueprint = FieldText(beforeName, "BlueprintID", last.blueprint, floor);
    vehicle.flipped = FieldText(beforeName, "Flipped", last.flipped, floor);
    vehicle.preloaded = FieldText(beforeName, "IsPreloaded", last.preloaded, floor);
    vehicle.loadable = last.emptyLoad <= floor;
    vehicle.provider = FieldText(beforeName, "Provider", last.provider, floor);
    vehicle.product = FieldText(beforeName, "Product", last.product, floor);
    vehicles.push_back(std::move(vehicle));
    previousEnd = name.status == TagStatus::kFound ? name.close : name.openEnd;
    lt = FindTagStart(consistText, previousEnd + 1, WantedTags());
  }
  return vehicles;
}

}  // namespace fennick
