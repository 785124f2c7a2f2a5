#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scenario/consist_locate.h"
#include "scenario/result.h"
#include "scenario/vehicle_listing.h"

namespace fennick {

// The caption of a consist without a service name.
inline constexpr std::string_view kLooseConsistCaption = "Loose Consist";

// Whether the player drives this consist: its first "PlayerDriver" text read as a number equals
// 1, so "1.0000" counts as well. A consist without one, or whose element is empty or unclosed,
// is not driven.
bool IsDrivenConsist(std::string_view consistText);

// The consist's caption: the localised text after its "<ServiceName>", or "Loose Consist" when
// it has none. Fails when the service name block lacks a language it has to read.
Result<std::string> ConsistCaption(std::string_view consistText);

// Everything the editor lists about one consist.
struct ConsistSummary {
  std::string caption;
  bool driven = false;
  std::vector<VehicleFields> vehicles;
};

Result<ConsistSummary> ReadConsist(std::string_view consistText);

}  // namespace fennick
