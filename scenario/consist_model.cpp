#include "scenario/consist_model.h"

#include "scenario/element_finder.h"
#include "scenario/localized_text.h"
#include "scenario/number_text.h"
#include "scenario/text_search.h"

namespace fennick {

bool IsDrivenConsist(std::string_view consistText) {
  const Pos at = FindNoCase(consistText, "<PlayerDriver", 1);
  if (at == kNotFound) return false;
  const ElementSpan span = ElementFinder("PlayerDriver").Find(consistText, at);
  return span.status == TagStatus::kFound && ReadNumber(span.Text(consistText)) == 1.0;
}

Result<std::string> ConsistCaption(std::string_view consistText) {
  const Pos at = FindNoCase(consistText, "<ServiceName>", 1);
  if (at == kNotFound) return std::string(kLooseConsistCaption);
  const Result<LocalizedTextBlock> block =
      LocalizedTextBlock::Enclosed(consistText, at, "ServiceName");
  if (!block) return Error{block.error()};
  Result<std::string> caption = block->GetLocalText(consistText);
  if (!caption) return Error{"ServiceName: " + caption.error()};
  return caption;
}

Result<ConsistSummary> ReadConsist(std::string_view consistText) {
  Result<std::string> caption = ConsistCaption(consistText);
  if (!caption) return Error{caption.error()};
  Result<std::vector<VehicleFields>> vehicles = ReadVehicles(consistText);
  if (!vehicles) return Error{vehicles.error()};
  return ConsistSummary{std::move(caption.value()), IsDrivenConsist(consistText),
                        std::move(vehicles.value())};
}

}  // namespace fennick
