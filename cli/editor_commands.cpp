#include <ostream>

#include "app/editor_questions.h"
#include "browser/open_scenario.h"
#include "cli/command_groups.h"
#include "cli/consist_operations.h"
#include "cli/edit_options.h"
#include "cli/json_writer.h"
#include "cli/scenario_lookup.h"
#include "consist/missing_stock.h"
#include "persist/clone_scenario.h"
#include "persist/save_scenario.h"
#include "scenario/editor_load.h"
#include "scenario/text_codec.h"
#include "scenario/xml_text.h"

namespace fennick::cli {

namespace {

// "Edit Selected Scenario" on SCENARIO of ROUTE, with the editor load. The index the listing
// converted is the one the opening cuts: both happen in this one command.
std::optional<OpenedScenario> Open(CliContext& context, browser::BrowserState& browser,
                                   const QString& route, const QString& scenario,
                                   bool keepTextAsRead) {
  const auto row = FindScenario(context, browser, route, scenario);
  if (!row) return std::nullopt;
  auto opened = OpenListedScenario(context.state, browser, *row,
                                   OpenOptions{&browser.listedIndexText, keepTextAsRead});
  if (!opened) {
    Report(context, opened.error());
    return std::nullopt;
  }
  return std::move(*opened);
}

// The editor's view as one JSON document, written as it goes.
void WriteShowDocument(std::ostream& out, const OpenedScenario& opened, InstalledStock& stock,
                       Dialogs& dialogs) {
  const std::string& document = opened.session.scenarioText;
  const EditorView& view = opened.view;
  const TextEncoding encoding = DocumentEncoding(opened.session.scenarioText);
  const auto shown = [encoding](const std::string& bytes) { return ShowText(bytes, encoding); };
  JsonWriter json(out);
  json.BeginObject();
  for (std::size_t i = 0; i < kPropertyBoxCount; ++i)
    json.Field(kProperties[i].jsonKey, view.boxes[i]);
  json.Field("type", view.timetable ? "timetable" : "standard");
  json.Field("drivenConsist", view.drivenCaption);
  json.Key("consists");
  json.BeginArray();
  for (const EditorConsist& consist : view.consists) {
    json.BeginObject();
    json.Field("caption", consist.caption);
    json.Field("driven", consist.driven);
    json.Key("vehicles");
    json.BeginArray();
    for (const VehicleFields& vehicle : consist.vehicles) {
      json.BeginObject();
      json.Field("name", shown(vehicle.name));
      json.Field("blueprintID", shown(vehicle.blueprint));
      json.Field("flipped", shown(vehicle.flipped));
      json.Field("preloaded", shown(vehicle.preloaded));
      json.Field("loadable", vehicle.loadable);
      json.Field("installed", stock.IsInstalled(vehicle, document, dialogs));
      json.EndObject();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

int Show(CliContext& context, const QStringList& arguments) {
  if (!HasArguments(arguments, 2, context, "ROUTE SCENARIO")) return kExitUsage;
  browser::BrowserState browser;
  const auto opened = Open(context, browser, arguments[0], arguments[1], false);
  if (!opened) return kExitFailed;
  InstalledStock stock(context.state.settings.rsPath);
  WriteShowDocument(context.out, *opened, stock, context.dialogs);
  return kExitDone;
}

// check ROUTE SCENARIO: the missing-stock report, one line a vehicle that is not installed.
int Check(CliContext& context, const QStringList& arguments) {
  if (!HasArguments(arguments, 2, context, "ROUTE SCENARIO")) return kExitUsage;
  browser::BrowserState browser;
  const auto opened = Open(context, browser, arguments[0], arguments[1], false);
  if (!opened) return kExitFailed;
  InstalledStock stock(context.state.settings.rsPath);
  const StockCheck check =
      CheckStock(opened->view.consists, opened->session.scenarioText, stock, context.dialogs);
  for (const MissingVehicle& missing : check.missing) {
    context.out << missing.consist << ':' << missing.vehicle << '\t' << missing.name << '\t'
                << missing.address << '\n';
  }
  if (check.missing.empty()) return kExitDone;
  context.err << check.missing.size() << " of " << check.vehicleCount
              << " vehicles are not installed.\n";
  return kExitFailed;
}

// What the editor's controls hold after the edits: the boxes, the type option and the tick.
struct EditedControls {
  PropertyBoxes boxes;
  bool timetable = false;
  bool allConsists = false;
  std::string drivenCaption;
};

// Applies the options in their order, as a person would in the editor. False when a question
// was answered "stop" or an operation was refused.
bool ApplyEdits(CliContext& context, OpenedScenario& opened, const std::vector<EditOption>& options,
                EditedControls& controls) {
  ConsistOperations consistOperations(context, opened.session, controls.drivenCaption);
  for (const EditOption& option : options) {
    if (const auto box = BoxOfOption(option.name)) {
      controls.boxes[*box] = option.value.toStdString();
    } else if (option.name == "--all-consists") {
      controls.allConsists = true;
    } else if (option.name == "--type") {
      const bool toTimetable = option.value == "timetable";
      // Choosing timetable asks first, as the editor's option does.
      if (toTimetable && !controls.timetable &&
          !ConfirmTimetableChoice(context.state.settings, context.dialogs)) {
        return false;
      }
      controls.timetable = toTimetable;
    } else if (!consistOperations.Apply(option)) {
      return false;
    }
  }
  return true;
}

int SaveOrClone(CliContext& context, const QStringList& arguments, bool clone) {
  if (arguments.size() < 2) {
    UsageError(context.err, "expected ROUTE SCENARIO");
    return kExitUsage;
  }
  const ParsedEdits edits = ParseEditOptions(arguments.mid(2), !clone);
  if (!edits.error.empty()) return UsageError(context.err, edits.error);
  if (clone) {
    const bool named = std::any_of(edits.options.begin(), edits.options.end(),
                                   [](const EditOption& o) { return o.name == "--display-name"; });
    if (!named) return UsageError(context.err, "clone needs --display-name NAME");
    for (const EditOption& option : edits.options) {
      if (option.name == "--type")
        return UsageError(context.err, "clone keeps the scenario's type");
    }
  }

  browser::BrowserState browser;
  // Only a clone writes the document as it was read.
  auto opened = Open(context, browser, arguments[0], arguments[1], clone);
  if (!opened) return kExitFailed;
  EditedControls controls{opened->view.boxes, opened->view.timetable, false,
                          opened->view.drivenCaption};
  if (!ApplyEdits(context, *opened, edits.options, controls)) return kExitFailed;

  const SaveContext saveContext{context.state.paths.ProgramFolder(), context.state.settings.rsPath};
  if (clone) {
    const CloneResult result =
        CloneScenario(saveContext, opened->session,
                      CloneRequest{controls.boxes, controls.drivenCaption}, context.dialogs);
    if (result.outcome != CommandOutcome::kDone) return kExitFailed;
    context.out << result.newFolderName << '\n';
    return kExitDone;
  }
  const SaveRequest request{controls.boxes, controls.timetable, controls.allConsists,
                            controls.drivenCaption};
  return SaveScenario(saveContext, opened->session, request, context.dialogs) ==
                 CommandOutcome::kDone
             ? kExitDone
             : kExitFailed;
}

int Save(CliContext& context, const QStringList& arguments) {
  return SaveOrClone(context, arguments, false);
}

int Clone(CliContext& context, const QStringList& arguments) {
  return SaveOrClone(context, arguments, true);
}

}  // namespace

std::vector<CliCommand> EditorCommands() {
  return {
      {"show", "ROUTE SCENARIO", "print the scenario as the editor shows it, as JSON",
       "ROUTE-FOLDER SCENARIO-FOLDER", CliOptions::kNone, Show},
      {"save", "ROUTE SCENARIO [EDITS] [CONSIST-OPS]",
       "change a scenario as the editor does, then save it with backups",
       "ROUTE-FOLDER SCENARIO-FOLDER --start-time 0615 --delete 0:2 --drive 1",
       CliOptions::kEditsAndConsistOperations, Save},
      {"clone", "ROUTE SCENARIO --display-name NAME [EDITS]",
       "copy a scenario under a new name; prints the new folder",
       "ROUTE-FOLDER SCENARIO-FOLDER --display-name \"Morning Coal (wet)\" --season "
       "SEASON_AUTUMN",
       CliOptions::kEdits, Clone},
      {"check", "ROUTE SCENARIO",
       "list the vehicles whose rolling stock is not installed: C:N, TAB, name, TAB, "
       "Provider\\Product\\BlueprintID",
       "ROUTE-FOLDER SCENARIO-FOLDER", CliOptions::kNone, Check},
  };
}

}  // namespace fennick::cli
