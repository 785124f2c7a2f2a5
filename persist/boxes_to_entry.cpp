#include "persist/boxes_to_entry.h"

#include <array>
#include <string_view>

#include "persist/start_time_values.h"
#include "scenario/xml_text.h"

namespace fennick {

Result<EntryProperties> EntryPropertiesFromBoxes(const PropertyBoxes& boxes,
                                                 TextEncoding indexEncoding,
                                                 std::string_view entryAsRead) {
  // The boxes and the entry's properties stand in the same order.
  static_assert(kPropertyBoxCount == kEntryPropertyCount);
  const Result<EntryProperties> asRead = ReadEntryProperties(entryAsRead);
  EntryProperties properties;
  for (std::size_t i = 0; i < kPropertyBoxCount; ++i) {
    if (i == kBoxStartTime) {
      properties.values[i] = StartTimeSeconds(boxes[i]);
      continue;
    }
    if (asRead && boxes[i] == ShowText(asRead->values[i], indexEncoding)) {
      properties.values[i] = asRead->values[i];
      continue;
    }
    Result<std::string> encoded = TextForDocument(boxes[i], indexEncoding);
    if (!encoded) {
      return Error{"the " + std::string(kProperties[i].name) +
                   " cannot be written: " + encoded.error()};
    }
    properties.values[i] = std::move(encoded.value());
  }
  return properties;
}

}  // namespace fennick
