#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fennick::serz {

// The whole file as bytes; nullopt when it is missing, a folder, or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Writes the bytes exactly; on failure removes what was written and returns false.
bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace fennick::serz
