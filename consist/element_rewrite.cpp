#include "consist/element_rewrite.h"

#include "scenario/element_finder.h"
#include "scenario/markup_balance.h"
#include "scenario/tag_scan.h"

namespace fennick {

bool RewriteElement(std::string& text, Pos& pos, std::string_view element, std::string_view value) {
  const ElementSpan span = ElementFinder(element).Find(text, pos);
  if (!IsRewritableElement(text, span) || !IsBalancedMarkup(value)) return false;
  const std::size_t oldLength = span.close - span.openEnd - 1;
  Pos at = pos;
  if (PutDetail(text, at, element, value) != TagStatus::kFound) return false;
  pos = span.close - oldLength + value.size();
  return true;
}

}  // namespace fennick
