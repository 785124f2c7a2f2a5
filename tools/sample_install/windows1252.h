#pragma once

#include <string>
#include <string_view>

namespace fennick::sample {

// The simulator's documents are single-byte Windows-1252 text; the sample's texts are kept in
// UTF-8 source and turned into that code page once, when a document is finished.
// Throws std::invalid_argument for a character the code page cannot hold.
std::string Utf8ToWindows1252(std::string_view utf8);

}  // namespace fennick::sample
