// The "rewrite every X" operations of tag_scan.h. Each finds all its elements in one scan of the
// old text, then rewrites the text once: in place when the result fits the string's capacity
// (every stretch between elements moves at most once), otherwise into one new string of the
// exact size. A document with thousands of elements costs about one copy, not one per element.
#include <charconv>
#include <cstring>
#include <vector>

#include "scenario/float_encoding.h"
#include "scenario/tag_scan.h"
#include "scenario/time_shift.h"

namespace fennick {
namespace {

// One element text to replace: 0-based [begin, end) in the old text, the new seconds for times,
// the length of the new text, and where its opening tag [tag, begin) holds the digits of a
// d:alt_encoding (npos when it holds none), which follow the new value.
struct Slot {
  std::size_t begin;
  std::size_t end;
  std::int32_t seconds;
  std::size_t newLength = 0;
  std::size_t tag = 0;
  std::size_t altDigits = std::string_view::npos;
};

// Brings the alt_encoding digits of `slot` to its new `value` in the new text, where the slot's
// opening tag stands `shift` bytes from where it stood in the old one.
void WriteSlotEncoding(const Slot& slot, char* newText, std::ptrdiff_t shift,
                       std::string_view value) {
  if (slot.altDigits == std::string_view::npos) return;
  const auto at = [&](std::size_t old) { return newText + (static_cast<std::ptrdiff_t>(old) + shift); };
  WriteAltEncoding(at(slot.altDigits), std::string_view(at(slot.tag), slot.begin - slot.tag), value);
}

// Finds every element `finder` names in document order. `valueOf(oldText)` gives the new
// seconds (ignored for fixed texts) or nothing to stop with kOverflow.
template <class ValueOf>
BulkRewrite CollectSlots(std::string_view text, const ElementFinder& finder,
                         std::vector<Slot>& slots, ValueOf valueOf) {
  BulkRewrite outcome;
  Pos pos = 1;
  while (true) {
    const ElementSpan span = finder.Find(text, pos);
    if (span.status == TagStatus::kNotFound) break;
    if (span.status == TagStatus::kEmptyForm) {
      ++outcome.emptyFormSkipped;
      pos = span.openEnd + 1;
      continue;
    }
    if (span.status == TagStatus::kUnclosed) {
      outcome.stoppedBy = TagStatus::kUnclosed;
      break;
    }
    const std::optional<std::int32_t> seconds = valueOf(span.Text(text));
    if (!seconds) {
      outcome.stoppedBy = TagStatus::kOverflow;
      break;
    }
    Slot slot{span.openEnd, IndexOf(span.close), *seconds};
    slot.tag = IndexOf(span.open);
    slot.altDigits = AltEncodingDigitsAt(text, slot.tag, slot.begin);
    slots.push_back(slot);
    // Continue at the closing tag in the old text; it cannot open another element.
    pos = span.close;
  }
  outcome.rewritten = slots.size();
  return outcome;
}

// Builds the new text into `result`, a fresh string of exactly the new size.
template <class ValueText>
void BuildInto(std::string_view text, const std::vector<Slot>& slots, std::size_t newSize,
               ValueText valueText, std::string& result) {
  char buffer[16];
  result.clear();
  result.reserve(newSize);
  std::size_t copied = 0;
  for (const Slot& slot : slots) {
    result.append(text, copied, slot.begin - copied);
    const std::string_view value = valueText(slot, buffer);
    WriteSlotEncoding(slot, result.data(),
                      static_cast<std::ptrdiff_t>(result.size()) -
                          static_cast<std::ptrdiff_t>(slot.begin),
                      value);
    result.append(value);
    copied = slot.end;
  }
  result.append(text, copied, std::string::npos);
}

template <class ValueText>
void RebuildCopy(std::string& text, const std::vector<Slot>& slots, std::size_t newSize,
                 ValueText valueText) {
  std::string result;
  BuildInto(text, slots, newSize, valueText, result);
  text.swap(result);
}

// Rewrites within the string's own buffer. The stretch after slot k moves by the sum of the
// length changes of slots 0..k. Stretches moving left are moved first, front to back, then those
// moving right, back to front: in that order no move reads bytes another move has overwritten,
// because the stretches keep their order and do not overlap in the new text. The new values go
// into the gaps last.
template <class ValueText>
void RebuildInPlace(std::string& text, const std::vector<Slot>& slots, std::size_t newSize,
                    ValueText valueText) {
  const std::size_t oldSize = text.size();
  if (newSize > oldSize) text.resize(newSize);
  char* data = text.data();
  const std::size_t count = slots.size();
  auto stretchEnd = [&](std::size_t k) { return k + 1 < count ? slots[k + 1].begin : oldSize; };
  auto change = [&](std::size_t k) {
    return static_cast<std::ptrdiff_t>(slots[k].newLength) -
           static_cast<std::ptrdiff_t>(slots[k].end - slots[k].begin);
  };
  std::ptrdiff_t shift = 0;
  for (std::size_t k = 0; k < count; ++k) {
    shift += change(k);
    if (shift < 0) {
      std::memmove(data + slots[k].end + shift, data + slots[k].end, stretchEnd(k) - slots[k].end);
    }
  }
  for (std::size_t k = count; k-- > 0;) {
    if (shift > 0) {
      std::memmove(data + slots[k].end + shift, data + slots[k].end, stretchEnd(k) - slots[k].end);
    }
    shift -= change(k);
  }
  char buffer[16];
  for (std::size_t k = 0; k < count; ++k) {
    const std::string_view value = valueText(slots[k], buffer);
    WriteSlotEncoding(slots[k], data, shift, value);
    std::memcpy(data + slots[k].begin + shift, value.data(), value.size());
    shift += change(k);
  }
  if (newSize < oldSize) text.resize(newSize);
}

// The size of the text once every slot holds `valueText(slot, buffer)`; notes each new length.
template <class ValueText>
std::size_t NewSize(std::size_t oldSize, std::vector<Slot>& slots, ValueText valueText) {
  char buffer[16];
  std::size_t newSize = oldSize;
  for (Slot& slot : slots) {
    slot.newLength = valueText(slot, buffer).size();
    newSize = newSize - (slot.end - slot.begin) + slot.newLength;
  }
  return newSize;
}

// Replaces each slot's text by `valueText(slot, buffer)`.
template <class ValueText>
void Rewrite(std::string& text, std::vector<Slot>& slots, ValueText valueText) {
  if (slots.empty()) return;
  const std::size_t newSize = NewSize(text.size(), slots, valueText);
  // Growing past the capacity would reallocate at double the size; a fresh exact string holds
  // less at its peak.
  if (newSize <= text.capacity()) {
    RebuildInPlace(text, slots, newSize, valueText);
  } else {
    RebuildCopy(text, slots, newSize, valueText);
  }
}

std::string_view SecondsText(const Slot& slot, char* buffer) {
  const auto written = std::to_chars(buffer, buffer + 16, slot.seconds);
  return std::string_view(buffer, static_cast<std::size_t>(written.ptr - buffer));
}

BulkRewrite CollectStartTimes(std::string_view scenarioText, std::int32_t delay,
                              std::vector<Slot>& slots) {
  return CollectSlots(scenarioText, ElementFinder("StartTime"), slots,
                      [delay](std::string_view old) { return ShiftedSeconds(old, delay); });
}

}  // namespace

BulkRewrite PutAllTimes(std::string& scenarioText, std::int32_t delay) {
  std::vector<Slot> slots;
  const BulkRewrite outcome = CollectStartTimes(scenarioText, delay, slots);
  Rewrite(scenarioText, slots, SecondsText);
  return outcome;
}

BulkRewrite PutAllTimes(std::string_view scenarioText, std::int32_t delay, std::string& rewritten) {
  std::vector<Slot> slots;
  const BulkRewrite outcome = CollectStartTimes(scenarioText, delay, slots);
  BuildInto(scenarioText, slots, NewSize(scenarioText.size(), slots, SecondsText), SecondsText,
            rewritten);
  return outcome;
}

BulkRewrite PutAllDetails(std::string& text, std::string_view name, std::string_view value) {
  // The text is rewritten in place, so keep a copy of a value that may lie inside it.
  const std::string ownValue(value);
  std::vector<Slot> slots;
  const BulkRewrite outcome = CollectSlots(text, ElementFinder(name), slots, [](std::string_view) {
    return std::optional<std::int32_t>(0);
  });
  Rewrite(text, slots, [&ownValue](const Slot&, char*) { return std::string_view(ownValue); });
  return outcome;
}

}  // namespace fennick
