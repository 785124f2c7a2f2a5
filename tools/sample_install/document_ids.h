#pragma once

#include <cstdint>
#include <string_view>

namespace fennick::sample {

// A fixed first d:id for a document, derived from a text that names it, so every run of the
// generator writes the same bytes while ids differ between documents.
std::uint32_t FirstIdFor(std::string_view documentName);

}  // namespace fennick::sample
