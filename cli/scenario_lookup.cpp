#include "cli/scenario_lookup.h"

#include <ostream>

#include "browser/route_catalogue.h"
#include "browser/scenario_catalogue.h"
#include "browser/scenario_choice.h"
#include "browser/simulator_folders.h"

namespace fennick::cli {

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
std::optional<int> FindRoute(CliContext& context, browser::BrowserState& browser,
                             const QString& route) {
  browser::LoadRouteCatalogue(context.state.settings.rsPath, browser, context.dialogs);
  const auto row = browser::RowOfFolder(browser.routeIds, browser.routesEncoding, route);
  if (!row) {
    Report(context,
           "There is no route with the folder name " + route.toStdString() + " in Routes.xml.");
  }
  return row;
}

// The route listed as the browser lists it, and the row of SCENARIO in that listing.
std::optional<int> FindScenario(CliContext& context, browser::BrowserState& browser,
                                const QString& route, const QString& scenario) {
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
bool ChooseScenario(CliContext& context, browser::BrowserState& browser, const QString& route,
                    const QString& scenario) {
  const auto row = FindScenario(context, browser, route, scenario);
  return row && browser::ChooseScenarioRow(browser, *row);
}

}  // namespace fennick::cli
