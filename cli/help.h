#pragma once

#include <iosfwd>

#include "cli/cli_context.h"

namespace fennick::cli {

// The commands with one line each.
void PrintCommandList(std::ostream& out);
// One command's arguments, every option it takes with its meaning, and an example.
void PrintCommandHelp(std::ostream& out, const CliCommand& command);
// `help [COMMAND]`.
int Help(CliContext& context, const QStringList& arguments);

}  // namespace fennick::cli
