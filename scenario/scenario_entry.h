#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "scenario/property_table.h"
#include "scenario/result.h"

namespace fennick {

// The twelve properties of a scenario's index entry (one cScenarioProperties element), in the
// order they stand in the entry and are read and written.
enum class EntryProperty : std::size_t {
  DisplayName,
  Description,
  Briefing,
  StartTime,
  DurationMins,
  StartDD,
  StartMM,
  StartYYYY,
  Season,
  Provider,
  Product,
  BlueprintID,
};

inline constexpr std::size_t kEntryPropertyCount = kPropertyCount;

// The first three are localised blocks; the rest are single elements.
inline constexpr std::size_t kLocalizedPropertyCount = 3;

// The property texts as the editor's boxes hold them. StartTime is the stored text (seconds),
// not the box's hhmm: the caller converts.
struct EntryProperties {
  std::array<std::string, kEntryPropertyCount> values;

  std::string& operator[](EntryProperty p) { return values[static_cast<std::size_t>(p)]; }
  const std::string& operator[](EntryProperty p) const {
    return values[static_cast<std::size_t>(p)];
  }
  bool operator==(const EntryProperties&) const = default;
};

// Reads the twelve properties, each searched behind the one before. Fails naming the element
// that is missing or unclosed.
Result<EntryProperties> ReadEntryProperties(std::string_view entry);

// Writes the twelve properties in the same order: the three localised texts into all five
// languages, the others as element texts, each exactly as given. All or nothing: when an
// element is missing, unclosed, in the empty form or holds other elements instead of a value,
// the entry is left as it was and the error names the element.
Status WriteEntryProperties(std::string& entry, const EntryProperties& properties);

// Whether the entry is of the timetable type: it holds "timetable" anywhere, in any case.
bool IsTimetableEntry(std::string_view entry);

// Switches the entry's type in one pass: every "timetable" (any case) becomes "standard", or,
// towards timetable, every "standard" (any case) becomes "timetable", always in these lower-case
// spellings. Returns the number of words replaced.
std::size_t SwitchScenarioType(std::string& entry, bool toTimetable);

}  // namespace fennick
