#include "scenario/vehicle_details.h"

#include "scenario/number_text.h"

namespace fennick {

VehicleDetailsText DescribeVehicle(const VehicleFields& vehicle) {
  VehicleDetailsText text;
  text.blueprint = vehicle.blueprint;
  text.loadable = vehicle.loadable ? "Loadable = True" : "Loadable = False";
  if (vehicle.preloaded == "eFalse") text.loaded = "Loaded = False";
  if (vehicle.preloaded == "eTrue") text.loaded = "Loaded = True";
  // A text that is no number reads as 0: forward.
  text.orientation =
      ReadNumber(vehicle.flipped) == 1 ? "Orientation = Reversed" : "Orientation = Forward";
  return text;
}

}  // namespace fennick
