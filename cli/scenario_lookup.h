#pragma once

#include <QString>
#include <QStringList>
#include <iosfwd>
#include <optional>
#include <string>

#include "browser/browser_state.h"
#include "browser/list_row.h"
#include "cli/cli_context.h"

namespace fennick::cli {

// Small pieces every command family of the command line shares.

// A message through the dialogs interface (stderr, one line).
void Report(CliContext& context, const std::string& text);

int Outcome(bool done);

// True when exactly `count` arguments were given; otherwise a usage error naming `what`.
bool HasArguments(const QStringList& arguments, int count, CliContext& context, const char* what);

void PrintRows(std::ostream& out, const browser::ListRows& rows);

// The route list as the browser loads it, and the row of ROUTE in it.
std::optional<int> FindRoute(CliContext& context, browser::BrowserState& browser,
                             const QString& route);

// The route listed as the browser lists it, and the row of SCENARIO in that listing.
std::optional<int> FindScenario(CliContext& context, browser::BrowserState& browser,
                                const QString& route, const QString& scenario);

// SCENARIO chosen as a press on its row chooses it.
bool ChooseScenario(CliContext& context, browser::BrowserState& browser, const QString& route,
                    const QString& scenario);

}  // namespace fennick::cli
