// `help [COMMAND]` and `COMMAND --help`, written from the tables the parser reads.
#include "cli/help.h"

#include <ostream>

#include "cli/edit_options.h"
#include "consist/stock_catalogue.h"

namespace fennick::cli {

namespace {

constexpr const char* kInvocation = "rs_fennick_cli [--rs-path DIR] [--yes]";

void PrintOptions(std::ostream& out, const char* heading,
                  const std::vector<EditOptionHelp>& options, bool consistOperations) {
  out << '\n' << heading << ":\n";
  for (const EditOptionHelp& option : options) {
    if (option.consistOperation != consistOperations) continue;
    std::string left = "  " + option.name.toStdString();
    if (!option.value.isEmpty()) left += ' ' + option.value.toStdString();
    out << left;
    out << std::string(left.size() < 32 ? 32 - left.size() : 1, ' ');
    out << option.help.toStdString() << '\n';
  }
}

}  // namespace

void PrintCommandList(std::ostream& out) {
  out << "usage: " << kInvocation << " COMMAND [ARGS...]\ncommands:\n";
  for (const CliCommand& command : Commands()) {
    const std::string name = command.name;
    out << "  " << name << std::string(name.size() < 17 ? 17 - name.size() : 1, ' ')
        << command.summary << '\n';
  }
  out << "\n`rs_fennick_cli help COMMAND` tells a command's arguments and options.\n";
}

void PrintCommandHelp(std::ostream& out, const CliCommand& command) {
  const std::string synopsis = command.synopsis;
  out << "usage: " << kInvocation << ' ' << command.name << ' ' << synopsis << "\n\n"
      << command.summary << ".\n";
  if (synopsis.find("ROUTE") != std::string::npos) {
    out << "ROUTE and SCENARIO are folder names as `routes` and `scenarios` print them.\n";
  }
  if (command.options == CliOptions::kEditsAndConsistOperations) {
    out << "Consist and vehicle rows (C, N) count from 0 as `show` lists them.\n";
  }
  switch (command.options) {
    case CliOptions::kNone:
      break;
    case CliOptions::kEdits:
      PrintOptions(out, "EDITS (each replaces one box of the editor)", EditOptions(false), false);
      break;
    case CliOptions::kEditsAndConsistOperations:
      PrintOptions(out, "EDITS (each replaces one box of the editor)", EditOptions(true), false);
      PrintOptions(out, "CONSIST-OPS (applied in the order given)", EditOptions(true), true);
      break;
    case CliOptions::kStockKind: {
      out << "\nOPTIONS:\n  --kind KIND                     only stock of KIND:";
      for (const std::string_view kind : kStockKinds) out << ' ' << kind;
      out << '\n';
      break;
    }
  }
  out << "\nexample:\n  rs_fennick_cli " << command.name;
  if (*command.example) out << ' ' << command.example;
  out << '\n';
}

int Help(CliContext& context, const QStringList& arguments) {
  if (arguments.isEmpty()) {
    PrintCommandList(context.out);
    return kExitDone;
  }
  for (const CliCommand& command : Commands()) {
    if (arguments[0] == command.name) {
      PrintCommandHelp(context.out, command);
      return kExitDone;
    }
  }
  return UsageError(context.err, "unknown command " + arguments[0].toStdString());
}

}  // namespace fennick::cli
