#include "persist/save_scenario.h"

#include <optional>

#include "bridge/paths.h"
#include "persist/boxes_to_entry.h"
#include "persist/current_index.h"
#include "persist/save_messages.h"
#include "persist/save_transaction.h"
#include "persist/start_time_values.h"
#include "persist/validate_properties.h"
#include "scenario/scenario_entry.h"
#include "scenario/tag_scan.h"
#include "scenario/text_codec.h"

namespace fennick {
namespace {

// Everything a save writes, worked out before the first file is touched.
struct SavePlan {
  std::string entry;
  // The document with its start times moved; nothing when they stay, and the session's text is
  // written as it stands.
  std::optional<std::string> shiftedDocument;
  std::string startTime;  // as stored in the entry
  bool timetable = false;
};

StepResult PlanSave(const ScenarioSession& session, const SaveRequest& request, SavePlan& plan) {
  plan.entry = session.scenarioEntry;
  plan.timetable = session.isTimetable;
  if (plan.timetable != request.timetableChosen) {
    SwitchScenarioType(plan.entry, request.timetableChosen);
    plan.timetable = request.timetableChosen;
  }

  const std::string entryStep = "writing the properties into the scenario's index entry";
  Result<EntryProperties> properties = EntryPropertiesFromBoxes(
      request.boxes, DocumentEncoding(session.indexHead), session.scenarioEntry);
  if (!properties) return StepFailure{entryStep, properties.error()};
  if (Status written = WriteEntryProperties(plan.entry, *properties); !written) {
    return StepFailure{entryStep, written.error()};
  }
  plan.startTime = (*properties)[EntryProperty::StartTime];

  const std::string shiftStep = "moving the consist start times";
  Result<std::int32_t> shift =
      StartTimeShift(plan.startTime, session.loadedStartTime, request.changeAllConsists);
  if (!shift) return StepFailure{shiftStep, shift.error()};
  if (*shift != 0) {
    const BulkRewrite rewrite =
        PutAllTimes(session.scenarioText, *shift, plan.shiftedDocument.emplace());
    if (!rewrite.complete()) {
      return StepFailure{shiftStep, rewrite.stoppedBy == TagStatus::kOverflow
                                        ? "a start time would leave the range of whole seconds"
                                        : "a StartTime element of the scenario has no closing tag"};
    }
  }
  return std::nullopt;
}

}  // namespace

CommandOutcome SaveScenario(const SaveContext& context, ScenarioSession& session,
                            const SaveRequest& request, Dialogs& dialogs) {
  if (!ValidateProperties(request.boxes, request.drivenCaption, context.rsPath, dialogs)) {
    return CommandOutcome::kRefused;
  }
  SavePlan plan;
  if (StepResult failed = PlanSave(session, request, plan)) {
    dialogs.ShowMessage(SaveFailureMessage(DescribeFailure(*failed, kNothingChanged)),
                        MessageIcon::Exclamation);
    return CommandOutcome::kFailed;
  }

  const std::optional<CurrentIndex> current = ReadIndexBeforeWriting(context, session, dialogs);
  if (!current) return CommandOutcome::kFailed;
  if (!current->refusal.empty()) {
    dialogs.ShowMessage(kNotSavedLead + current->refusal + ".", MessageIcon::Exclamation);
    return CommandOutcome::kRefused;
  }
  const std::string indexText = current->head + plan.entry + current->tail;

  SaveTransaction transaction(context);
  const QString routeFolder = QString::fromStdString(session.routeFolder);
  const QString scenarioFolder = QString::fromStdString(session.scenarioFolder);
  StepResult failed =
      transaction.ReplaceDocument("Scenarios.xml", indexText, routeFolder, "Scenarios");
  if (!failed) {
    const std::string& document =
        plan.shiftedDocument ? *plan.shiftedDocument : session.scenarioText;
    failed = transaction.ReplaceDocument("Scenario.xml", document, scenarioFolder, "Scenario");
  }
  if (failed) {
    dialogs.ShowMessage(SaveFailureMessage(DescribeFailure(*failed, transaction.RollBack())),
                        MessageIcon::Exclamation);
    return CommandOutcome::kFailed;
  }

  dialogs.ShowMessage(kSavedMessage, MessageIcon::Information);
  session.indexHead = current->head;
  session.indexTail = current->tail;
  session.entryOnDisk = plan.entry;
  session.scenarioEntry = std::move(plan.entry);
  if (plan.shiftedDocument) session.scenarioText = std::move(*plan.shiftedDocument);
  session.loadedStartTime = std::move(plan.startTime);
  session.loadedDisplayName = request.boxes[kBoxDisplayName];
  session.isTimetable = plan.timetable;
  return CommandOutcome::kDone;
}

}  // namespace fennick
