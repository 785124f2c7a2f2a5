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

// Everything the editor lists about one consist.
struct ConsistSummary {
  // The localised text after its "<ServiceName>", or "Loose Consist" when it has none.
  std::string caption;
  // The player drives it: its first "PlayerDriver" text read as a number equals 1, so "1.0000"
  // counts as well; an empty or unclosed element does not.
  bool driven = false;
  std::vector<VehicleFields> vehicles;
};

Result<ConsistSummary> ReadConsist(std::string_view consistText);

// The same from a listing already scanned (ListEveryConsist): the caption and the driver flag
// read where its marks point in its text.
Result<ConsistSummary> SummarizeConsist(std::string_view consistText,
                                        std::vector<VehicleFields> vehicles,
                                        const ConsistMarks& marks);

}  // namespace fennick
