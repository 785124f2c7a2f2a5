#include "scenario/localized_text.h"

#include "scenario/element_finder.h"
#include "scenario/text_search.h"

namespace fennick {
namespace {

std::string MissingLanguage(std::string_view language, TagStatus status) {
  const std::string name(language);
  switch (status) {
    case TagStatus::kUnclosed:
      return "The " + name + " text of the localised block has no closing tag.";
    case TagStatus::kEmptyForm:
      return "The " + name + " text of the localised block is an empty element (<" + name +
             "/>) and cannot hold a text.";
    default:
      return "The localised block has no " + name + " text.";
  }
}

}  // namespace

Result<LocalizedTextBlock> LocalizedTextBlock::Enclosed(std::string_view text, Pos start,
                                                        std::string_view name) {
  const Pos end = FindNoCase(text, "</" + std::string(name), start);
  if (end == kNotFound) return Error{"The " + std::string(name) + " element has no closing tag."};
  return LocalizedTextBlock(start, end);
}

Result<std::string> LocalizedTextBlock::GetLocalText(std::string_view text) const {
  const std::string_view block = end_ == kNotFound ? text : text.substr(0, end_ - 1);
  Pos from = start_;
  for (std::string_view language : kLanguages) {
    const ElementSpan span = ElementFinder(language).Find(block, from);
    if (span.status == TagStatus::kFound) {
      const std::string_view value = span.Text(block);
      if (!value.empty()) return std::string(value);
    } else if (span.status != TagStatus::kEmptyForm) {
      return Error{MissingLanguage(language, span.status)};
    }
    from = span.open;
  }
  return std::string();
}

Status LocalizedTextBlock::PutLocalText(std::string& text, std::string_view value) const {
  // Written language by language on a copy, each searched from the opening tag of the one
  // before in the text as rewritten so far; the caller's text changes only when all five took.
  std::string result = text;
  Pos from = start_;
  std::size_t blockLength = end_ == kNotFound ? std::string::npos : end_ - 1;
  for (std::string_view language : kLanguages) {
    const std::string_view block = std::string_view(result).substr(0, blockLength);
    const ElementSpan span = ElementFinder(language).Find(block, from);
    if (span.status != TagStatus::kFound) return Error{MissingLanguage(language, span.status)};
    // A text never holds markup; a language element that does would take other elements with it.
    if (span.Text(block).find('<') != std::string_view::npos) {
      return Error{"The " + std::string(language) +
                   " text of the localised block holds other elements, not a text."};
    }
    const std::size_t oldLength = span.close - span.openEnd - 1;
    result.replace(span.openEnd, oldLength, value);
    if (blockLength != std::string::npos) blockLength = blockLength - oldLength + value.size();
    from = span.open;
  }
  text.swap(result);
  return Ok();
}

}  // namespace fennick
