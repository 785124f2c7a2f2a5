#include "cli/command_groups.h"

namespace fennick::cli {

std::vector<CliCommand> BrowserCommands() {
  return {};
}

}  // namespace fennick::cli
