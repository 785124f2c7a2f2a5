#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scenario/editor_session.h"
#include "scenario/result.h"
#include "scenario/vehicle_listing.h"

namespace fennick {

// One row of the editor's consist list.
struct EditorConsist {
  std::string caption;  // as shown (UTF-8)
  bool driven = false;
  std::vector<VehicleFields> vehicles;  // document bytes
};

// What the editor shows when it opens a scenario.
struct EditorView {
  PropertyBoxes boxes;  // Text1(0) to Text1(11) as shown; the start time as hhmm
  bool timetable = false;
  std::vector<EditorConsist> consists;
  std::string drivenCaption;  // the last driven consist's caption, or empty
};

// The editor load: the twelve boxes from the index entry, the consists and their vehicles from
// the document. Sets the session's loaded display name and start time and its type. Fails, naming
// what is missing, when the entry or the document does not hold what the editor needs; the session
// is then left as it was.
Result<EditorView> LoadEditor(ScenarioSession& session);

// The consists of a document as they stand now (captions as shown).
Result<std::vector<EditorConsist>> ReadConsists(std::string_view scenarioText);

// The vehicles of consist c as the document now holds them, one per "<Name" of its text.
Result<std::vector<VehicleFields>> VehiclesOfConsist(std::string_view scenarioText, std::size_t c);

// Text a vehicle's name or a caption the way the editor shows it.
std::string ShownText(std::string_view documentBytes, std::string_view document);

}  // namespace fennick
