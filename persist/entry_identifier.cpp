#include "persist/entry_identifier.h"

#include "scenario/element_finder.h"
#include "scenario/text_search.h"

namespace fennick {
namespace {

bool FoundBefore(const ElementSpan& span, Pos limit) {
  return span.status == TagStatus::kFound && span.close < limit;
}

void ReplaceText(std::string& text, const ElementSpan& span, std::string_view value) {
  text.replace(span.openEnd, span.close - span.openEnd - 1, value);
}

}  // namespace

Status PutEntryIdentifier(std::string& entry, const EntryIdentifier& identifier) {
  const Pos uuid = FindNoCase(entry, "<UUID>", 1);
  if (uuid == kNotFound) return Error{"the scenario's index entry has no <UUID> element"};
  const Pos uuidEnd = FindNoCase(entry, "</UUID", uuid);
  if (uuidEnd == kNotFound)
    return Error{"the <UUID> element of the scenario's entry is not closed"};

  // Both numbers must lie inside <UUID>: a search running on behind it would reach other
  // elements whose names begin with "e".
  const ElementFinder number("e");
  const ElementSpan first = number.Find(entry, uuid);
  if (!FoundBefore(first, uuidEnd)) {
    return Error{"the <UUID> element of the scenario's entry holds no identifier numbers"};
  }
  const ElementSpan second = number.Find(entry, first.close);
  if (!FoundBefore(second, uuidEnd)) {
    return Error{"the <UUID> element of the scenario's entry holds only one identifier number"};
  }
  const ElementSpan devString = ElementFinder("DevString").Find(entry, uuidEnd);
  if (devString.status != TagStatus::kFound) {
    return Error{"the scenario's index entry has no DevString after its <UUID>"};
  }

  // Last first, so the earlier spans stay where they were found.
  ReplaceText(entry, devString, identifier.text);
  ReplaceText(entry, second, identifier.secondNumber);
  ReplaceText(entry, first, identifier.firstNumber);
  return Ok();
}

}  // namespace fennick
