// Stand-in for RailSim.exe / RailSimEditor.exe: records how it was started in launches.log
// beside itself and exits at once, so tests can check the exact command line.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "tools/serz/run_log.h"

#ifndef FENNICK_STANDIN_NAME
#error "FENNICK_STANDIN_NAME must name the program this stands in for"
#endif

namespace {

std::filesystem::path OwnFolder(const char* argv0) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

}  // namespace

int main(int argc, char* argv[]) {
  std::error_code ec;
  const std::filesystem::path currentFolder = std::filesystem::current_path(ec);

  std::vector<std::string> fields{FENNICK_STANDIN_NAME, currentFolder.string()};
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string line = fennick::serz::TabJoined(fields) + '\t' + fennick::serz::TabJoined(arguments);

  const std::filesystem::path log = OwnFolder(argv[0]) / "launches.log";
  if (!fennick::serz::AppendLogLine(log.string(), line)) {
    std::cerr << FENNICK_STANDIN_NAME << ": cannot append to " << log.string() << '\n';
    return 1;
  }
  return 0;
}
