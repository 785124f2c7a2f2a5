#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <ostream>

#include "app/editor_questions.h"
#include "browser/open_scenario.h"
#include "cli/command_groups.h"
#include "cli/consist_operations.h"
#include "cli/edit_options.h"
#include "cli/scenario_lookup.h"
#include "consist/missing_stock.h"
#include "persist/clone_scenario.h"
#include "persist/save_scenario.h"
#include "scenario/editor_load.h"

namespace fennick::cli {

namespace {

QString Text(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

// "Edit Selected Scenario" on SCENARIO of ROUTE, with the editor load.
std::optional<OpenedScenario> Open(CliContext& context, browser::BrowserState& browser,
                                   const QString& route, const QString& scenario) {
  const auto row = FindScenario(context, browser, route, scenario);
  if (!row) return std::nullopt;
  auto opened = OpenListedScenario(context.state, browser, *row);
  if (!opened) {
    Report(context, opened.error());
    return std::nullopt;
  }
  return std::move(*opened);
}

QJsonObject ShowDocument(const OpenedScenario& opened, InstalledStock& stock, Dialogs& dialogs) {
  const EditorView& view = opened.view;
  const std::string& document = opened.session.scenarioText;
  QJsonObject json;
  for (std::size_t i = 0; i < kPropertyBoxCount; ++i)
    json[QString::fromUtf8(kProperties[i].jsonKey.data(),
                           qsizetype(kProperties[i].jsonKey.size()))] = Text(view.boxes[i]);
  json["type"] = view.timetable ? "timetable" : "standard";
  json["drivenConsist"] = Text(view.drivenCaption);
  QJsonArray consists;
  for (const EditorConsist& consist : view.consists) {
    QJsonArray vehicles;
    for (const VehicleFields& vehicle : consist.vehicles) {
      vehicles.append(QJsonObject{
          {"name", Text(ShownText(vehicle.name, document))},
          {"blueprintID", Text(ShownText(vehicle.blueprint, document))},
          {"flipped", Text(ShownText(vehicle.flipped, document))},
          {"preloaded", Text(ShownText(vehicle.preloaded, document))},
          {"loadable", vehicle.loadable},
          {"installed", stock.IsInstalled(vehicle, document, dialogs)},
      });
    }
    consists.append(QJsonObject{
        {"caption", Text(consist.caption)}, {"driven", consist.driven}, {"vehicles", vehicles}});
  }
  json["consists"] = consists;
  return json;
}

int Show(CliContext& context, const QStringList& arguments) {
  if (!HasArguments(arguments, 2, context, "ROUTE SCENARIO")) return kExitUsage;
  browser::BrowserState browser;
  const auto opened = Open(context, browser, arguments[0], arguments[1]);
  if (!opened) return kExitFailed;
  InstalledStock stock(context.state.settings.rsPath);
  context.out << QJsonDocument(ShowDocument(*opened, stock, context.dialogs))
                     .toJson(QJsonDocument::Indented)
                     .toStdString();
  return kExitDone;
}

// check ROUTE SCENARIO: the missing-stock report, one line a vehicle that is not installed.
int Check(CliContext& context, const QStringList& arguments) {
  if (!HasArguments(arguments, 2, context, "ROUTE SCENARIO")) return kExitUsage;
  browser::BrowserState browser;
  const auto opened = Open(context, browser, arguments[0], arguments[1]);
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
  auto opened = Open(context, browser, arguments[0], arguments[1]);
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
