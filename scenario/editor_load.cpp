#include "scenario/editor_load.h"

#include <optional>

#include "scenario/consist_locate.h"
#include "scenario/consist_model.h"
#include "scenario/scenario_entry.h"
#include "scenario/start_time.h"
#include "scenario/text_codec.h"
#include "scenario/xml_text.h"

namespace fennick {

std::string ShownText(std::string_view documentBytes, std::string_view document) {
  return ShowText(documentBytes, DocumentEncoding(document));
}

Result<std::vector<EditorConsist>> ReadConsists(std::string_view scenarioText) {
  // One scan over the whole document finds the consists and their vehicles together; each
  // consist is summed up as soon as the scan has passed it.
  const TextEncoding encoding = DocumentEncoding(scenarioText);
  std::vector<EditorConsist> consists;
  std::optional<Error> failed;
  ListEveryConsist(scenarioText, [&](ConsistListing&& listing) {
    if (failed) return;
    auto summary = listing.vehicles
                       ? SummarizeConsist(listing.In(scenarioText),
                                          std::move(listing.vehicles.value()), listing.marks)
                       : Result<ConsistSummary>(Error{listing.vehicles.error()});
    if (!summary) {
      failed = Error{"Consist " + std::to_string(consists.size() + 1) +
                     " of the scenario cannot be read: " + summary.error()};
      return;
    }
    consists.push_back(EditorConsist{ShowText(summary->caption, encoding), summary->driven,
                                     std::move(summary->vehicles)});
  });
  if (failed) return *failed;
  return consists;
}

Result<std::vector<VehicleFields>> VehiclesOfConsist(std::string_view scenarioText, std::size_t c) {
  const std::vector<Pos> ends = FindConsistEnds(scenarioText);
  if (c + 1 >= ends.size())
    return Error{"The scenario has no consist " + std::to_string(c + 1) + "."};
  return ReadVehicles(ConsistListingText(scenarioText, ends, c));
}

Result<PropertyBoxes> ShownProperties(const EntryProperties& properties,
                                      TextEncoding indexEncoding) {
  PropertyBoxes boxes;
  for (std::size_t i = 0; i < kEntryPropertyCount; ++i) {
    boxes[i] = ShowText(properties.values[i], indexEncoding);
  }
  auto hhmm = StoredSecondsToBoxText(properties[EntryProperty::StartTime]);
  if (!hhmm) return Error{"The scenario's start time cannot be read: " + hhmm.error()};
  boxes[kBoxStartTime] = *hhmm;
  return boxes;
}

Result<EditorView> LoadEditor(ScenarioSession& session) {
  auto properties = ReadEntryProperties(session.scenarioEntry);
  if (!properties)
    return Error{"The scenario's entry in Scenarios.bin cannot be read: " + properties.error()};

  EditorView view;
  // The index's XML declaration stands at the start of its head.
  auto boxes = ShownProperties(*properties, DocumentEncoding(session.indexHead));
  if (!boxes) return Error{boxes.error()};
  view.boxes = std::move(*boxes);
  const std::string& stored = (*properties)[EntryProperty::StartTime];
  view.timetable = IsTimetableEntry(session.scenarioEntry);

  auto consists = ReadConsists(session.scenarioText);
  if (!consists) return Error{consists.error()};
  view.consists = std::move(*consists);
  for (const EditorConsist& consist : view.consists) {
    if (consist.driven) view.drivenCaption = consist.caption;
  }

  session.loadedDisplayName = view.boxes[kBoxDisplayName];
  session.loadedStartTime = stored;
  session.isTimetable = view.timetable;
  return view;
}

}  // namespace fennick
