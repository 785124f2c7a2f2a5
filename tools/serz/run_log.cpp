#include "tools/serz/run_log.h"

#include <fstream>

namespace fennick::serz {

std::string TabJoined(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\t';
    line += fields[i];
  }
  return line;
}

bool AppendLogLine(const std::string& logPath, std::string_view line) {
  std::ofstream log(logPath, std::ios::binary | std::ios::app);
  if (!log) return false;
  log.write(line.data(), static_cast<std::streamsize>(line.size()));
  log.put('\n');
  log.flush();
  return static_cast<bool>(log);
}

}  // namespace fennick::serz
