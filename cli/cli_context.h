#pragma once

#include <QString>
#include <QStringList>
#include <iosfwd>
#include <vector>

#include "app/app_state.h"
#include "cli/cli_dialogs.h"

namespace fennick::cli {

// What every command gets: the program's state, the questions' answerer and the streams.
struct CliContext {
  AppState& state;
  CliDialogs& dialogs;
  std::ostream& out;
  std::ostream& err;
};

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Which options a command takes after its arguments, for its help.
enum class CliOptions { kNone, kEdits, kEditsAndConsistOperations, kStockKind };

// A command of the command line: its name, its arguments, what it does and what it runs.
struct CliCommand {
  const char* name;
  const char* synopsis;
  const char* summary;  // one line for `help`
  const char* example;  // arguments of an example call
  CliOptions options;
  int (*run)(CliContext& context, const QStringList& arguments);
};

// Every command, in the order the usage text lists them.
const std::vector<CliCommand>& Commands();

// Reports a usage error with the usage text; returns kExitUsage.
int UsageError(std::ostream& err, const std::string& problem);

}  // namespace fennick::cli
