#include "consist/kind_check.h"

#include "consist/messages.h"
#include "scenario/text_search.h"

namespace fennick {

std::optional<std::string_view> KindRefusal(std::string_view stockKind, std::string_view text) {
  const bool engine = FindNoCase(text, "<cEngine", 1) != kNotFound;
  const bool wagon = FindNoCase(text, "<cWagon", 1) != kNotFound;
  if ((stockKind == "Steam" || stockKind == "Diesel" || stockKind == "Electric") && !engine &&
      wagon) {
    return kCannotSwapLocosForWagons;
  }
  if ((stockKind == "Passenger" || stockKind == "Freight" || stockKind == "Tender") && !wagon &&
      engine) {
    return kCannotSwapWagonsForLocos;
  }
  return std::nullopt;
}

}  // namespace fennick
