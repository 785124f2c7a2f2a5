#include "persist/save_messages.h"

namespace fennick {

std::string SaveFailureMessage(const std::string& description) {
  return "An error " + description + " occurred while saving your Scenario";
}

}  // namespace fennick
