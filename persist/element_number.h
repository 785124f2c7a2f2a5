#pragma once

#include <cstdint>
#include <string>

#include "scenario/result.h"

namespace fennick {

// A clone's entry must not share the source entry's element number (the d:id the converter
// writes into the opening tag). The clone adds this much to it.
inline constexpr std::uint64_t kCloneElementNumberStep = 3127;

// Adds `step` to the element number in the entry's opening tag ("<cScenarioProperties
// d:id="187654321">"), writing the sum whole in place of the old digits: the entry grows by a
// character when the sum gains a digit. Fails, leaving the entry as it was, when the opening
// tag carries no such number.
Status AddToElementNumber(std::string& entry, std::uint64_t step);

}  // namespace fennick
