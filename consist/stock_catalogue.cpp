#include "consist/stock_catalogue.h"

#include "scenario/text_search.h"

namespace fennick {

std::optional<std::string> StockKindCaption(std::string_view kind) {
  for (std::string_view caption : kStockKinds) {
    if (EqualsNoCase(caption, kind)) return std::string(caption);
  }
  return std::nullopt;
}

}  // namespace fennick
