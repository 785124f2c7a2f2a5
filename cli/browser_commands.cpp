#include <ostream>

#include "browser/restore_defaults.h"
#include "browser/route_catalogue.h"
#include "browser/save_current_as.h"
#include "browser/saved_copies.h"
#include "browser/saved_game_commands.h"
#include "browser/scenario_catalogue.h"
#include "browser/scenario_choice.h"
#include "browser/simulator_folders.h"
#include "cli/command_groups.h"
#include "cli/scenario_lookup.h"

namespace fennick::cli {

namespace {

using browser::BrowserState;

int Routes(CliContext& context, const QStringList& arguments) {
  if (!HasArguments(arguments, 0, context, "no arguments")) return kExitUsage;
  BrowserState browser;
  const browser::ListRows rows =
      browser::LoadRouteCatalogue(context.state.settings.rsPath, browser, context.dialogs);
  PrintRows(context.out, rows);
  return Outcome(!rows.empty());
}

int Scenarios(CliContext& context, const QStringList& arguments) {
  if (!HasArguments(arguments, 1, context, "ROUTE")) return kExitUsage;
  BrowserState browser;
  const auto routeRow = FindRoute(context, browser, arguments[0]);
  if (!routeRow) return kExitFailed;
  const browser::ListRows rows =
      browser::ListScenarios(context.state, browser, routeRow, context.dialogs);
  PrintRows(context.out, rows);
  return Outcome(!rows.empty());
}

int RevertRoute(CliContext& context, const QStringList& arguments) {
  if (!HasArguments(arguments, 1, context, "ROUTE")) return kExitUsage;
  BrowserState browser;
  const auto routeRow = FindRoute(context, browser, arguments[0]);
  if (!routeRow) return kExitFailed;
  return Outcome(
      browser::RevertRoute(context.state.settings.rsPath, browser, routeRow, context.dialogs));
}

int RevertScenario(CliContext& context, const QStringList& arguments) {
  if (!HasArguments(arguments, 2, context, "ROUTE SCENARIO")) return kExitUsage;
  BrowserState browser;
  const auto row = FindScenario(context, browser, arguments[0], arguments[1]);
  if (!row) return kExitFailed;
  return Outcome(browser::RevertScenario(browser, {*row}, context.dialogs));
}

int Saves(CliContext& context, const QStringList& arguments) {
  if (!HasArguments(arguments, 2, context, "ROUTE SCENARIO")) return kExitUsage;
  BrowserState browser;
  if (!ChooseScenario(context, browser, arguments[0], arguments[1])) return kExitFailed;
  for (const QString& name : browser::ListSavedCopies(browser.scenarioFolder)) {
    context.out << name.toStdString() << '\n';
  }
  return kExitDone;
}

int KeepSave(CliContext& context, const QStringList& arguments) {
  if (!HasArguments(arguments, 3, context, "ROUTE SCENARIO NAME")) return kExitUsage;
  BrowserState browser;
  if (!ChooseScenario(context, browser, arguments[0], arguments[1])) return kExitFailed;
  context.dialogs.SetTextAnswer(arguments[2].toStdString());
  return Outcome(browser::SaveCurrentSaveAs(browser.scenarioFolder, context.dialogs));
}

int RestoreSave(CliContext& context, const QStringList& arguments) {
  if (!HasArguments(arguments, 3, context, "ROUTE SCENARIO NAME")) return kExitUsage;
  BrowserState browser;
  if (!ChooseScenario(context, browser, arguments[0], arguments[1])) return kExitFailed;
  return Outcome(
      browser::OverwriteCurrentSave({browser.scenarioFolder, arguments[2]}, context.dialogs));
}

}  // namespace

std::vector<CliCommand> BrowserCommands() {
  return {
      {"routes", "", "list the installed routes: name, TAB, folder", "", CliOptions::kNone, Routes},
      {"scenarios", "ROUTE", "list a route's scenarios: name, TAB, folder", "ROUTE-FOLDER",
       CliOptions::kNone, Scenarios},
      {"revert-route", "ROUTE", "put the route's first backup of Scenarios.bin back",
       "ROUTE-FOLDER", CliOptions::kNone, RevertRoute},
      {"revert-scenario", "ROUTE SCENARIO", "put the scenario's first backup of Scenario.bin back",
       "ROUTE-FOLDER SCENARIO-FOLDER", CliOptions::kNone, RevertScenario},
      {"saves", "ROUTE SCENARIO", "list the scenario's saved games", "ROUTE-FOLDER SCENARIO-FOLDER",
       CliOptions::kNone, Saves},
      {"keep-save", "ROUTE SCENARIO NAME", "keep a copy of CurrentSave.xml under NAME",
       "ROUTE-FOLDER SCENARIO-FOLDER \"Before the junction\"", CliOptions::kNone, KeepSave},
      {"restore-save", "ROUTE SCENARIO NAME", "overwrite CurrentSave.xml with the saved game NAME",
       "ROUTE-FOLDER SCENARIO-FOLDER \"Before the junction.xml\"", CliOptions::kNone, RestoreSave},
  };
}

}  // namespace fennick::cli
