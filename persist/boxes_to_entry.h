#pragma once

#include "scenario/editor_session.h"
#include "scenario/result.h"
#include "scenario/scenario_entry.h"
#include "scenario/text_codec.h"

namespace fennick {

// The property texts to write into an index entry, from the boxes as typed (UTF-8): each text
// encoded into the index's own encoding, the start time as stored seconds. A box that still
// shows what the entry holds writes back the entry's own bytes (its references and line breaks
// as they were). Fails naming the box whose text the encoding cannot hold.
Result<EntryProperties> EntryPropertiesFromBoxes(const PropertyBoxes& boxes,
                                                 TextEncoding indexEncoding,
                                                 std::string_view entryAsRead);

}  // namespace fennick
