#include "cli/cli_context.h"
#include "cli/command_groups.h"
#include "cli/help.h"

namespace fennick::cli {

const std::vector<CliCommand>& Commands() {
  static const std::vector<CliCommand> commands = [] {
    std::vector<CliCommand> all;
    for (auto group : {BrowserCommands, BackupCommands, EditorCommands, StockCommands}) {
      for (const CliCommand& command : group()) all.push_back(command);
    }
    all.push_back({"help", "[COMMAND]", "the commands, or one command's arguments and options",
                   "save", CliOptions::kNone, Help});
    return all;
  }();
  return commands;
}

}  // namespace fennick::cli
