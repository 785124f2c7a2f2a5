#pragma once

#include <vector>

#include "cli/cli_context.h"

namespace fennick::cli {

// Each family of commands lives in its own file.
std::vector<CliCommand> BrowserCommands();  // routes, scenarios, revert-*, saves, *-save
std::vector<CliCommand> BackupCommands();   // backups, restore-backup
std::vector<CliCommand> EditorCommands();   // show, save, clone, check
std::vector<CliCommand> StockCommands();    // stock

}  // namespace fennick::cli
