#include "cli/cli_context.h"

namespace fennick::cli {

const std::vector<CliCommand>& Commands() {
  static const std::vector<CliCommand> commands = {};
  return commands;
}

}  // namespace fennick::cli
