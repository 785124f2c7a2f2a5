#include "consist/element_rewrite.h"

#include "scenario/tag_scan.h"

namespace fennick {

bool RewriteElement(std::string& text, Pos& pos, std::string_view element, std::string_view value) {
  Pos oldClose = pos;
  std::string oldValue;
  if (GetDetail(text, oldClose, element, oldValue) != TagStatus::kFound) return false;
  Pos at = pos;
  if (PutDetail(text, at, element, value) != TagStatus::kFound) return false;
  pos = oldClose - oldValue.size() + value.size();
  return true;
}

}  // namespace fennick
