#include "scenario/vehicle_listing.h"

#include <algorithm>
#include <cstring>

#include "scenario/element_finder.h"
#include "scenario/tag_starts.h"
#include "scenario/text_search.h"

namespace fennick {
namespace {

constexpr std::string_view kBlockOpen = "<cOwnedEntity";
constexpr std::string_view kBlockClose = "</cOwnedEntity";
constexpr std::string_view kConsistClose = "</cConsist";
// Consists hold a few dozen vehicles at most: room for them saves the list's regrowth.
constexpr std::size_t kVehiclesReserved = 32;

// The tags the listing looks at, by their first two letters: Name, cOwnedEntity, BlueprintID,
// Flipped, IsPreloaded, InitialLevel, ServiceName, PlayerDriver, Provider and Product; behind
// "</", cOwnedEntity and cConsist. Every other tag but a few that share those letters (Component,
// BlueprintSetID, cCargoComponent's closing tag) is skipped without stopping.
const TagStartSet& WantedTags() {
  static const TagStartSet wanted({"na", "co", "bl", "fl", "is", "in", "se", "pl", "pr"},
                                  {"co", "cc"});
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

// Puts into the empty `field` the text of the element whose opening tag the scan met at `at`, when
// it lies after `floor` and closes with `closeTag` before the vehicle's Name (the searched text
// ends there); otherwise leaves it empty. Found as ElementFinder finds it from `at`, without
// looking for the opening tag again.
void PutFieldText(std::string& field, std::string_view beforeName, std::string_view closeTag,
                  Pos at, Pos floor) {
  if (at == kNotFound || at <= floor) return;
  const CharPair near = FindCharPairNear(beforeName, '>', '<', IndexOf(at));
  const std::size_t openEnd = near.first;
  if (openEnd == std::string_view::npos || beforeName[openEnd - 1] == '/') return;
  // The closing tag is nearly always the next tag: look at each "<" rather than set up a search
  // of the rest of the text.
  for (std::size_t lt = near.then; lt != std::string_view::npos;
       lt = FindCharNear(beforeName, '<', lt + 1)) {
    if (MatchesNoCaseAt(beforeName, lt, closeTag)) {
      field.append(beforeName.data() + openEnd + 1, lt - openEnd - 1);
      return;
    }
  }
}

// The last "</cOwnedEntity" beginning after `from` and before `to` (0-based, `to` excluded), or
// `last` when there is none.
Pos LastBlockCloseWithin(std::string_view text, Pos from, std::size_t to, Pos last) {
  const std::string_view before = text.substr(0, to);
  for (Pos close = FindNoCase(before, kBlockClose, from + 1); close != kNotFound;
       close = FindNoCase(before, kBlockClose, close + 1)) {
    last = close;
  }
  return last;
}

// A forward search that remembers its last answer: a search from p that found q finds q again
// from anywhere in p..q. A broken document whose Names are unclosed sends every Name to the same
// far closing tag (or to none), and is still searched once.
class RememberedSearch {
 public:
  template <class Search>
  Pos Find(Pos from, Search search) {
    if (from_ != kNotFound && from >= from_ && (found_ == kNotFound || from <= found_)) {
      return found_;
    }
    from_ = from;
    found_ = search(from);
    return found_;
  }

 private:
  Pos from_ = kNotFound;
  Pos found_ = kNotFound;
};

// One listing being scanned: the vehicles found so far and what the next vehicle needs.
struct OpenListing {
  explicit OpenListing(Pos start) { listing.first = start; }

  ConsistListing listing;
  std::vector<VehicleFields> vehicles;
  LastTags last;
  Pos previousEnd = kNotFound;
  Pos lastBlockClose = kNotFound;
  bool failed = false;
};

// Lists the vehicles of `text` in one scan. With `splitAtConsists` every "</cConsist" ends one
// listing and begins the next, and the text behind the last one belongs to none; otherwise the
// whole text is one listing. Positions are kept in the whole text's terms while scanning and made
// relative to each listing when it ends.
class ListingScan {
 public:
  ListingScan(std::string_view text, bool splitAtConsists, const EachListing& each)
      : text_(text), starts_(text, WantedTags()), split_(splitAtConsists), open_(1), each_(each) {}

  void Run() {
    for (Pos lt = starts_.Find(1); lt != kNotFound;) {
      lt = Stop(lt);
    }
    if (!split_) End(PositionOf(text_.size()));
  }

 private:
  // Handles the tag at `lt`; returns where the scan goes on.
  Pos Stop(Pos lt) {
    const std::size_t index = IndexOf(lt);
    const char second = text_[index + 1];
    if (second == '/') {
      if (split_ && MatchesNoCaseAt(text_, index, kConsistClose)) {
        End(lt);
        open_ = OpenListing(lt);
      } else if (MatchesNoCaseAt(text_, index, kBlockClose)) {
        open_.lastBlockClose = lt;
      }
      return starts_.Next();
    }
    if (open_.failed) return starts_.Next();
    if ((second | 0x20) != 'n' || !MatchesNoCaseAt(text_, index, "<Name")) {
      NoteTag(text_, index, open_.last, open_.listing.marks);
      return starts_.Next();
    }
    return Vehicle(lt);
  }

  // The vehicle whose Name opens at `lt`.
  Pos Vehicle(Pos lt) {
    const std::size_t index = IndexOf(lt);
    ElementSpan name;
    const bool plain = PlainName(lt, name);
    if (!plain) name = FindName(lt);
    if (!plain && split_ && CrossesConsistEnd(lt, name)) name.status = TagStatus::kUnclosed;
    if (name.status == TagStatus::kUnclosed) {
      open_.failed = true;
      open_.listing.vehicles = Error{"Vehicle " + std::to_string(open_.vehicles.size() + 1) +
                                     " of the consist has a Name element without a closing tag."};
      return starts_.Next();
    }
    const std::string_view beforeName = text_.substr(0, index);
    const LastTags& last = open_.last;
    const Pos floor = FieldFloor(last.blockOpen, open_.lastBlockClose, open_.previousEnd);
    if (open_.vehicles.empty()) open_.vehicles.reserve(kVehiclesReserved);
    VehicleFields& vehicle = open_.vehicles.emplace_back();
    if (name.status == TagStatus::kFound) vehicle.name.append(name.Text(text_));
    PutFieldText(vehicle.blueprint, beforeName, "</BlueprintID", last.blueprint, floor);
    PutFieldText(vehicle.flipped, beforeName, "</Flipped", last.flipped, floor);
    PutFieldText(vehicle.preloaded, beforeName, "</IsPreloaded", last.preloaded, floor);
    vehicle.loadable = last.emptyLoad <= floor;
    PutFieldText(vehicle.provider, beforeName, "</Provider", last.provider, floor);
    PutFieldText(vehicle.product, beforeName, "</Product", last.product, floor);
    open_.previousEnd = name.status == TagStatus::kFound ? name.close : name.openEnd;
    // The scan goes on behind the Name; a block closing inside it still counts for the next one.
    if (!plain) {
      open_.lastBlockClose =
          LastBlockCloseWithin(text_, lt, IndexOf(open_.previousEnd), open_.lastBlockClose);
    }
    return starts_.Find(open_.previousEnd + 1);
  }

  // The usual Name: no "<" from its opening tag to its "</Name". Then that is the element
  // FindName would find, and no other tag (no consist's or block's end) lies inside it.
  bool PlainName(Pos lt, ElementSpan& name) const {
    const std::size_t nextLt = FindCharNear(text_, '<', lt);
    if (nextLt == std::string_view::npos || !MatchesNoCaseAt(text_, nextLt, "</Name")) return false;
    const std::size_t gt = FindCharNear(text_, '>', lt);
    if (gt > nextLt || text_[gt - 1] == '/') return false;
    name.open = lt;
    name.openEnd = PositionOf(gt);
    name.close = PositionOf(nextLt);
    name.status = TagStatus::kFound;
    return true;
  }

  // The Name element opening at `lt`, as ElementFinder("Name") finds it.
  ElementSpan FindName(Pos lt) {
    ElementSpan span;
    span.open = lt;
    span.status = TagStatus::kUnclosed;
    span.openEnd = tagEnd_.Find(lt, [this](Pos from) { return FindChar(text_, '>', from); });
    if (span.openEnd == kNotFound) return span;
    if (text_[IndexOf(span.openEnd) - 1] == '/') {
      span.status = TagStatus::kEmptyForm;
      return span;
    }
    span.close = nameClose_.Find(span.openEnd,
                                 [this](Pos from) { return FindNoCase(text_, "</Name", from); });
    if (span.close != kNotFound) span.status = TagStatus::kFound;
    return span;
  }

  // Whether the Name at `lt` reaches past the end of its consist: its listing text ends at the
  // next "</cConsist", so the Name's ">" or closing tag must lie before that.
  bool CrossesConsistEnd(Pos lt, const ElementSpan& name) const {
    Pos reach = kNotFound;
    if (name.status == TagStatus::kFound) reach = name.close;
    if (name.status == TagStatus::kEmptyForm) reach = name.openEnd;
    if (reach == kNotFound) return false;
    return FindNoCase(text_.substr(0, IndexOf(reach)), kConsistClose, lt + 1) != kNotFound;
  }

  // Ends the open listing just before `end`, its positions made relative to its own text.
  void End(Pos end) {
    ConsistListing& listing = open_.listing;
    listing.length = end - listing.first;
    if (!open_.failed) listing.vehicles = std::move(open_.vehicles);
    const Pos offset = listing.first - 1;
    for (Pos* mark : {&listing.marks.serviceName, &listing.marks.playerDriver}) {
      if (*mark != kNotFound) *mark -= offset;
    }
    each_(std::move(listing));
  }

  std::string_view text_;
  TagStarts starts_;
  bool split_;
  OpenListing open_;
  const EachListing& each_;
  RememberedSearch tagEnd_;
  RememberedSearch nameClose_;
};

}  // namespace

Result<std::vector<VehicleFields>> ReadVehicles(std::string_view consistText) {
  ConsistMarks marks;
  return ReadVehicles(consistText, marks);
}

Result<std::vector<VehicleFields>> ReadVehicles(std::string_view consistText, ConsistMarks& marks) {
  Result<std::vector<VehicleFields>> vehicles = std::vector<VehicleFields>{};
  ListingScan(consistText, false, [&](ConsistListing&& listing) {
    marks = listing.marks;
    vehicles = std::move(listing.vehicles);
  }).Run();
  return vehicles;
}

void ListEveryConsist(std::string_view scenarioText, const EachListing& each) {
  ListingScan(scenarioText, true, each).Run();
}

}  // namespace fennick
