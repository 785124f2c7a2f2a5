#include "scenario/scenario_entry.h"

#include "scenario/element_finder.h"
#include "scenario/float_encoding.h"
#include "scenario/localized_text.h"
#include "scenario/text_search.h"

namespace fennick {
namespace {

std::string OpeningTag(std::size_t index) {
  return "<" + std::string(kProperties[index].element) + ">";
}

std::string ElementProblem(std::size_t index, TagStatus status) {
  const std::string name(kProperties[index].element);
  switch (status) {
    case TagStatus::kUnclosed:
      return "The " + name + " element of the scenario entry has no closing tag.";
    case TagStatus::kEmptyForm:
      return "The " + name + " element of the scenario entry is empty (<" + name +
             "/>) and cannot hold a value.";
    default:
      if (index == 0) return "The scenario entry has no " + name + " element.";
      return "The scenario entry has no " + name + " element after " +
             std::string(kProperties[index - 1].element) + ".";
  }
}

}  // namespace

Result<EntryProperties> ReadEntryProperties(std::string_view entry) {
  EntryProperties properties;
  Pos p = 1;
  for (std::size_t i = 0; i < kEntryPropertyCount; ++i) {
    if (i < kLocalizedPropertyCount) {
      p = FindNoCase(entry, OpeningTag(i), p);
      if (p == kNotFound) return Error{ElementProblem(i, TagStatus::kNotFound)};
      const Result<LocalizedTextBlock> block =
          LocalizedTextBlock::Enclosed(entry, p, kProperties[i].element);
      if (!block) return Error{block.error()};
      Result<std::string> text = block->GetLocalText(entry);
      if (!text) return Error{std::string(kProperties[i].element) + ": " + text.error()};
      properties.values[i] = std::move(text.value());
      continue;
    }
    const ElementSpan span = ElementFinder(kProperties[i].element).Find(entry, p);
    if (span.status == TagStatus::kFound) {
      properties.values[i] = std::string(span.Text(entry));
      p = span.close;
    } else if (span.status == TagStatus::kEmptyForm) {
      properties.values[i].clear();
      p = span.openEnd;
    } else {
      return Error{ElementProblem(i, span.status)};
    }
  }
  return properties;
}

Status WriteEntryProperties(std::string& entry, const EntryProperties& properties) {
  std::string result = entry;
  Pos p = 1;
  for (std::size_t i = 0; i < kEntryPropertyCount; ++i) {
    if (i < kLocalizedPropertyCount) {
      p = FindNoCase(result, OpeningTag(i), p);
      if (p == kNotFound) return Error{ElementProblem(i, TagStatus::kNotFound)};
      const Result<LocalizedTextBlock> block =
          LocalizedTextBlock::Enclosed(result, p, kProperties[i].element);
      if (!block) return Error{block.error()};
      const Status written = block->PutLocalText(result, properties.values[i]);
      if (!written) {
        return Error{std::string(kProperties[i].element) + ": " + written.error()};
      }
      continue;
    }
    const ElementSpan span = ElementFinder(kProperties[i].element).Find(result, p);
    if (span.status != TagStatus::kFound) return Error{ElementProblem(i, span.status)};
    // A value never holds markup; an element that does would take other elements with it.
    if (span.Text(result).find('<') != std::string_view::npos) {
      return Error{"The " + std::string(kProperties[i].element) +
                   " element of the scenario entry holds other elements, not a value."};
    }
    const std::size_t oldLength = span.close - span.openEnd - 1;
    result.replace(span.openEnd, oldLength, properties.values[i]);
    SyncAltEncoding(result, IndexOf(span.open), span.openEnd, properties.values[i]);
    // Continue at the closing tag where it now stands: a much shorter value must not let the
    // next search start behind the following element.
    p = span.close - oldLength + properties.values[i].size();
  }
  entry.swap(result);
  return Ok();
}

bool IsTimetableEntry(std::string_view entry) {
  return FindNoCase(entry, "timetable", 1) != kNotFound;
}

std::size_t SwitchScenarioType(std::string& entry, bool toTimetable) {
  return toTimetable ? ReplaceAllNoCase(entry, "standard", "timetable")
                     : ReplaceAllNoCase(entry, "timetable", "standard");
}

}  // namespace fennick
