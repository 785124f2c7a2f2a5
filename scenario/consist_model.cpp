#include "scenario/consist_model.h"

#include "scenario/element_finder.h"
#include "scenario/localized_text.h"
#include "scenario/number_text.h"
#include "scenario/text_search.h"

namespace fennick {

namespace {

bool IsDrivenAt(std::string_view consistText, Pos at) {
  if (at == kNotFound) return false;
  const ElementSpan span = ElementFinder("PlayerDriver").Find(consistText, at);
  return span.status == TagStatus::kFound && ReadNumber(span.Text(consistText)) == 1.0;
}

Result<std::string> CaptionAt(std::string_view consistText, Pos at) {
  if (at == kNotFound) return std::string(kLooseConsistCaption);
  const Result<LocalizedTextBlock> block =
      LocalizedTextBlock::Enclosed(consistText, at, "ServiceName");
  if (!block) return Error{block.error()};
  Result<std::string> caption = block->GetLocalText(consistText);
  if (!caption) return Error{"ServiceName: " + caption.error()};
  return caption;
}

}  // namespace

Result<ConsistSummary> ReadConsist(std::string_view consistText) {
  // One scan lists the vehicles and notes where the caption and the driver flag stand.
  ConsistMarks marks;
  Result<std::vector<VehicleFields>> vehicles = ReadVehicles(consistText, marks);
  if (!vehicles) return Error{vehicles.error()};
  return SummarizeConsist(consistText, std::move(vehicles.value()), marks);
}

Result<ConsistSummary> SummarizeConsist(std::string_view consistText,
                                        std::vector<VehicleFields> vehicles,
                                        const ConsistMarks& marks) {
  Result<std::string> caption = CaptionAt(consistText, marks.serviceName);
  if (!caption) return Error{caption.error()};
  return ConsistSummary{std::move(caption.value()), IsDrivenAt(consistText, marks.playerDriver),
                        std::move(vehicles)};
}

}  // namespace fennick
