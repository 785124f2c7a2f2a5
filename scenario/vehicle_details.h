#pragma once

#include <optional>
#include <string>

#include "scenario/vehicle_listing.h"

namespace fennick {

// The four lines of the vehicle details window for one vehicle. `loaded` is empty when the
// IsPreloaded text is neither eTrue nor eFalse: the window then keeps its previous line.
struct VehicleDetailsText {
  std::string blueprint;
  std::string loadable;
  std::optional<std::string> loaded;
  std::string orientation;
};

VehicleDetailsText DescribeVehicle(const VehicleFields& vehicle);

}  // namespace fennick
