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

namespace fennick::cli {

namespace {

using browser::BrowserState;

// Through the interface, whose declaration carries the default icon and title.
void Report(CliContext& context, const std::string& text) {
  Dialogs& dialogs = context.dialogs;
  dialogs.ShowMessage(text);
}

int Outcome(bool done) {
  return done ? kExitDone : kExitFailed;
}

bool HasArguments(const QStringList& arguments, int count, CliContext& context, const char* what) {
  if (arguments.size() == count) return true;
  UsageError(context.err, std::string("expected ") + what);
  return false;
}

void PrintRows(std::ostream& out, const browser::ListRows& rows) {
  for (const browser::ListRow& row : rows) {
    out << row.name.toStdString() << '\t' << row.folder.toStdString() << '\n';
  }
}

// The route list as the browser loads it, and the row of ROUTE in it.
std::optional<int> FindRoute(CliContext& context, BrowserState& browser, const QString& route) {
  browser::LoadRouteCatalogue(context.state.settings.rsPath, browser, context.dialogs);
  const auto row = browser::RowOfFolder(browser.routeIds, browser.routesEncoding, route);
  if (!row) {
    Report(context,
           "There is no route with the folder name " + route.toStdString() + " in Routes.xml.");
  }
  return row;
}

// The route listed as the browser lists it, and the row of SCENARIO in that listing.
std::optional<int> FindScenario(CliContext& context, BrowserState& browser, const QString& route,
                                const QString& scenario) {
  const auto routeRow = FindRoute(context, browser, route);
  if (!routeRow) return std::nullopt;
  browser::ListScenarios(context.state, browser, routeRow, context.dialogs);
  const auto row = browser::RowOfFolder(browser.scenarioIds, browser.scenariosEncoding, scenario);
  if (!row) {
    Report(context, "There is no listed scenario with the folder name " + scenario.toStdString() +
                        " in this route.");
  }
  return row;
}

// SCENARIO chosen as a press on its row chooses it.
bool ChooseScenario(CliContext& context, BrowserState& browser, const QString& route,
                    const QString& scenario) {
  const auto row = FindScenario(context, browser, route, scenario);
  return row && browser::ChooseScenarioRow(browser, *row);
}

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
      {"routes", "", Routes},
      {"scenarios", "ROUTE", Scenarios},
      {"revert-route", "ROUTE", RevertRoute},
      {"revert-scenario", "ROUTE SCENARIO", RevertScenario},
      {"saves", "ROUTE SCENARIO", Saves},
      {"keep-save", "ROUTE SCENARIO NAME", KeepSave},
      {"restore-save", "ROUTE SCENARIO NAME", RestoreSave},
  };
}

}  // namespace fennick::cli
