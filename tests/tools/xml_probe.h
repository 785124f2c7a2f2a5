#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fennick::testing {

// Small independent readers for checking generated documents; exact-name matches only.

// Texts of every element named exactly `name` (start tag "<name>" or "<name attributes>").
std::vector<std::string> ElementTexts(std::string_view doc, std::string_view name);

// Every whole element named exactly `name`, from its start tag through its end tag.
std::vector<std::string> ElementBlocks(std::string_view doc, std::string_view name);

std::size_t CountOf(std::string_view doc, std::string_view needle);

// Turns a "\"-separated path from a document into a "/"-separated one.
std::string SlashPath(std::string_view backslashPath);

}  // namespace fennick::testing
