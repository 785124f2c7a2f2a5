#include "fuzz/scenario_fuzz_entry.h"

#include <array>
#include <cstring>
#include <string_view>

#include "scenario/consist_model.h"
#include "scenario/editor_load.h"
#include "scenario/float_encoding.h"
#include "scenario/localized_text.h"
#include "scenario/number_text.h"
#include "scenario/scenario_entry.h"
#include "scenario/start_time.h"
#include "scenario/tag_scan.h"
#include "scenario/text_codec.h"
#include "scenario/time_shift.h"

namespace fennick::fuzz {
namespace {

constexpr std::array<std::string_view, 12> kNames = {
    "StartTime", "Name",     "BlueprintID", "UniqueNumber", "PlayerDriver", "Flipped",
    "English",   "cConsist", "e",           "DevString",    "IsPreloaded",  "DisplayName"};

struct Input {
  std::string name;
  std::int32_t delay = 0;
  std::string text;
};

Input Split(const std::uint8_t* data, std::size_t size) {
  Input input;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const unsigned selector = size > 0 ? data[0] : 0;
  std::uint32_t delay = 0;
  for (std::size_t i = 1; i < 5 && i < size; ++i) delay = (delay << 8) | data[i];
  std::memcpy(&input.delay, &delay, sizeof delay);
  std::string_view rest = size > 5 ? bytes.substr(5) : std::string_view();
  if (selector < kNames.size()) {
    input.name = kNames[selector];
  } else {
    const std::size_t end = rest.find('\n');
    input.name = rest.substr(0, end < 32 ? end : 32);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  input.text = rest;
  return input;
}

Pos PlainFind(std::string_view text, std::string_view needle, Pos from) {
  if (needle.empty() || from < 1 || from > text.size()) return 0;
  for (std::size_t i = from - 1; i + needle.size() <= text.size(); ++i) {
    if (MatchesNoCaseAt(text, i, needle)) return i + 1;
  }
  return 0;
}

Pos PlainFindLast(std::string_view text, std::string_view needle, Pos limit) {
  Pos last = 0;
  for (std::size_t i = 0; i + needle.size() <= text.size() && i + needle.size() <= limit; ++i) {
    if (!needle.empty() && MatchesNoCaseAt(text, i, needle)) last = i + 1;
  }
  return last;
}

class Checker {
 public:
  void Require(bool holds, const char* rule) {
    if (!holds && failure_.empty()) failure_ = rule;
  }
  const std::string& failure() const { return failure_; }

 private:
  std::string failure_;
};

void CheckSearches(const Input& in, Checker& check) {
  const std::string tag = "<" + in.name;
  const std::size_t n = in.text.size();
  for (Pos from : {Pos{0}, Pos{1}, n / 3 + 1, n, n + 1}) {
    check.Require(FindNoCase(in.text, tag, from) == PlainFind(in.text, tag, from),
                  "FindNoCase differs from a plain search");
    check.Require(FindNoCase(in.text, in.name, from) == PlainFind(in.text, in.name, from),
                  "FindNoCase differs from a plain search (bare name)");
    check.Require(FindLastNoCase(in.text, tag, from) == PlainFindLast(in.text, tag, from),
                  "FindLastNoCase differs from a plain search");
    const Pos ch = FindChar(in.text, '>', from);
    check.Require(ch == 0 || (ch >= from && in.text[ch - 1] == '>'), "FindChar out of place");
    const std::size_t index = from == 0 ? 0 : from - 1;
    const std::size_t plainGt = std::string_view(in.text).find('>', index);
    check.Require(FindCharNear(in.text, '>', index) == plainGt, "FindCharNear out of place");
    const CharPair pair = FindCharPairNear(in.text, '>', '<', index);
    check.Require(pair.first == plainGt &&
                      pair.then == (plainGt == std::string_view::npos
                                        ? plainGt
                                        : std::string_view(in.text).find('<', plainGt + 1)),
                  "FindCharPairNear out of place");
    const Pos back = FindCharBack(in.text, '<', from);
    check.Require(back == 0 || (back <= from && in.text[back - 1] == '<'),
                  "FindCharBack out of place");
  }
}

void CheckElementOperations(const Input& in, Checker& check) {
  // Reading along one running position always moves forward and ends.
  std::string value;
  for (Pos p = 1, steps = 0; p != 0 && steps <= in.text.size() + 1; ++steps) {
    const Pos before = p;
    const TagStatus status = GetDetail(in.text, p, in.name, value);
    check.Require(p == 0 || p > before, "GetDetail did not move forward");
    check.Require((status == TagStatus::kFound || status == TagStatus::kEmptyForm) == (p != 0),
                  "GetDetail position disagrees with its status");
    if (p != 0) p += 1;
  }

  std::string written = in.text;
  Pos xx = 1;
  const std::string response = in.text.substr(0, in.text.size() % 7);
  const ElementSpan span = ElementFinder(in.name).Find(in.text, 1);
  const TagStatus put = PutDetail(written, xx, in.name, response);
  if (put == TagStatus::kFound) {
    check.Require(xx == span.close, "PutDetail position is not the old closing tag");
    // The element text and the exact bits a float keeps beside it, nothing else.
    std::string expected = in.text.substr(0, span.openEnd) + response + in.text.substr(span.close - 1);
    SyncAltEncoding(expected, IndexOf(span.open), span.openEnd, response);
    check.Require(written == expected, "PutDetail rewrote more than the element text");
  } else {
    check.Require(written == in.text && xx == 0, "failed PutDetail changed the text");
  }

  std::string timed = in.text;
  std::int32_t delay = in.delay;
  xx = 1;
  if (PutTime(timed, xx, in.name, delay) != TagStatus::kFound) {
    check.Require(timed == in.text && delay == in.delay && xx == 0,
                  "failed PutTime changed something");
  }
}

// PutTime element by element, continuing at each closing tag where it now stands.
std::string TimesOneByOne(std::string text, std::int32_t delay) {
  const ElementFinder finder("StartTime");
  Pos pos = 1;
  while (true) {
    const ElementSpan span = finder.Find(text, pos);
    if (span.status == TagStatus::kEmptyForm) {
      pos = span.openEnd + 1;
      continue;
    }
    if (span.status != TagStatus::kFound) return text;
    const std::size_t oldLength = span.close - span.openEnd - 1;
    std::int32_t d = delay;
    Pos p = span.open;
    if (PutTime(text, p, "StartTime", d) != TagStatus::kFound) return text;
    pos = span.close - oldLength + std::to_string(d).size();
  }
}

void CheckBulkRewrites(const Input& in, Checker& check) {
  std::string all = in.text;
  const BulkRewrite outcome = PutAllTimes(all, in.delay);
  check.Require(all == TimesOneByOne(in.text, in.delay),
                "PutAllTimes differs from PutTime element by element");
  if (outcome.rewritten == 0)
    check.Require(all == in.text, "PutAllTimes changed a text it did not rewrite");

  std::string details = in.text;
  const std::string value = in.name.substr(0, in.name.size() / 2);
  const BulkRewrite reset = PutAllDetails(details, in.name, value);
  if (reset.rewritten == 0)
    check.Require(details == in.text, "PutAllDetails changed a text it did not rewrite");
  if (value.find('<') == std::string::npos && reset.complete() && !in.name.empty()) {
    std::string again = details;
    PutAllDetails(again, in.name, value);
    check.Require(again == details, "PutAllDetails is not idempotent");
  }
}

void CheckLocalized(const Input& in, Checker& check) {
  const Pos start = in.text.empty() ? 1 : 1 + static_cast<std::uint32_t>(in.delay) % in.text.size();
  const LocalizedTextBlock block(start);
  const Result<std::string> read = block.GetLocalText(in.text);
  std::string text = in.text;
  const Status written = block.PutLocalText(text, in.name);
  if (!written.ok()) check.Require(text == in.text, "failed PutLocalText changed the text");
  if (written.ok() && in.name.find('<') == std::string::npos) {
    const Result<std::string> back = block.GetLocalText(text);
    check.Require(back.ok() && *back == in.name, "PutLocalText then GetLocalText differs");
  }
  (void)read;
}

void CheckEntry(const Input& in, Checker& check) {
  const Result<EntryProperties> read = ReadEntryProperties(in.text);
  EntryProperties typed;
  for (std::size_t i = 0; i < kEntryPropertyCount; ++i) {
    typed.values[i] = in.name.substr(0, (i * 3) % (in.name.size() + 1));
  }
  std::string entry = in.text;
  const Status written = WriteEntryProperties(entry, typed);
  if (!written.ok()) {
    check.Require(entry == in.text, "failed WriteEntryProperties changed the entry");
  } else if (in.name.find_first_of("<>") == std::string::npos) {
    // Element texts read back as written. Localised blocks may share languages in a scrambled
    // entry, so those are only required to read; the write itself must be repeatable.
    const Result<EntryProperties> back = ReadEntryProperties(entry);
    check.Require(back.ok(), "written properties do not read");
    for (std::size_t i = kLocalizedPropertyCount; back.ok() && i < kEntryPropertyCount; ++i) {
      check.Require(back->values[i] == typed.values[i], "written property reads differently");
    }
    std::string again = entry;
    check.Require(WriteEntryProperties(again, typed).ok() && again == entry,
                  "writing the same properties twice differs");
  }
  (void)read;

  std::string switched = in.text;
  SwitchScenarioType(switched, false);
  check.Require(!IsTimetableEntry(switched), "switch to standard left a timetable");
}

void CheckConsists(const Input& in, Checker& check) {
  const std::vector<Pos> ends = FindConsistEnds(in.text);
  // The first closing tag may stand at position 1 itself; later ones strictly follow.
  for (std::size_t k = 2; k < ends.size(); ++k) {
    check.Require(ends[k] > ends[k - 1], "consist ends out of order");
  }
  // The editor's one scan over the whole document lists what reading each consist alone does.
  const Result<std::vector<EditorConsist>> whole = ReadConsists(in.text);
  bool eachRead = true;
  for (std::size_t c = 0; c + 1 < ends.size(); ++c) {
    const Result<ConsistSummary> alone = ReadConsist(ConsistListingText(in.text, ends, c));
    eachRead = eachRead && alone.ok();
    if (whole && alone && c < whole->size()) {
      check.Require((*whole)[c].vehicles == alone->vehicles && (*whole)[c].driven == alone->driven,
                    "the whole-document scan lists a consist otherwise than reading it alone");
    }
  }
  check.Require(whole.ok() == eachRead && (!whole || whole->size() + 1 == ends.size()),
                "the whole-document scan fails where reading each consist does not, or the reverse");
  (void)ReadConsist(in.text);
  for (std::size_t c = 0; c < 3; ++c) {
    for (std::size_t n = 0; n < 3; ++n) {
      const std::optional<TextRange> vehicle = LocateVehicle(in.text, c, n);
      if (!vehicle) continue;
      const std::string_view block = vehicle->In(in.text);
      check.Require(vehicle->end() - 1 <= in.text.size() &&
                        MatchesNoCaseAt(block, 0, "<cOwnedEntity") &&
                        MatchesNoCaseAt(block, block.size() - 15, "</cOwnedEntity>"),
                    "LocateVehicle gave something other than a vehicle block");
    }
    (void)CountVehicleBlocks(in.text, c);
  }
}

void CheckCodecAndNumbers(const Input& in, Checker& check) {
  (void)DocumentEncoding(in.text);
  const Result<std::string> latin = EncodeForDocument(
      DecodeForDisplay(in.text, TextEncoding::kWindows1252), TextEncoding::kWindows1252);
  check.Require(latin.ok() && *latin == in.text, "Windows-1252 round trip lost bytes");
  const std::string shown = DecodeForDisplay(in.text, TextEncoding::kUtf8);
  const Result<std::string> utf8 = EncodeForDocument(shown, TextEncoding::kUtf8);
  check.Require(utf8.ok(), "decoded UTF-8 does not encode");
  if (EncodeForDocument(in.text, TextEncoding::kUtf8).ok()) {
    check.Require(shown == in.text, "valid UTF-8 changed by decoding");
  }
  (void)EncodeForDocument(in.text, TextEncoding::kWindows1252);

  (void)StoredSecondsToBoxText(in.name);
  (void)StoredSecondsToBoxText(in.text.substr(0, 40));
  (void)BoxTextToStoredSeconds(in.name);
  (void)ShiftedSeconds(in.text.substr(0, 40), in.delay);
  const double number = ReadNumber(in.text.substr(0, 400));
  const double rounded = RoundHalfEven(number);
  check.Require(!(rounded == rounded) || (rounded - number <= 0.5 && number - rounded <= 0.5),
                "rounding moved a number more than a half");
}

}  // namespace

std::string RunScenarioFuzzInput(const std::uint8_t* data, std::size_t size) {
  const Input input = Split(data, size);
  Checker check;
  CheckSearches(input, check);
  CheckElementOperations(input, check);
  CheckBulkRewrites(input, check);
  CheckLocalized(input, check);
  CheckEntry(input, check);
  CheckConsists(input, check);
  CheckCodecAndNumbers(input, check);
  return check.failure();
}

}  // namespace fennick::fuzz
