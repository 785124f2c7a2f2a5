#include "cli/command_groups.h"

namespace fennick::cli {

std::vector<CliCommand> StockCommands() {
  return {};
}

}  // namespace fennick::cli
