#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fennick::serz {

std::string TabJoined(const std::vector<std::string>& fields);

// Appends `line` and a line feed; false when the file cannot be written.
bool AppendLogLine(const std::string& logPath, std::string_view line);

}  // namespace fennick::serz
