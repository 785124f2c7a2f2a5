#include "cli/command_groups.h"

namespace fennick::cli {

std::vector<CliCommand> EditorCommands() {
  return {};
}

}  // namespace fennick::cli
