#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "scenario/element_finder.h"
#include "scenario/position.h"
#include "scenario/text_search.h"

namespace fennick {

// The four element operations every reader and writer of a document uses. Callers chain them
// through one running position `xx`: each call starts its search there and moves it to the
// closing tag it found, so the next search continues behind that element. 0 means "not found".
//
// An element in the empty form (<Name/>) has no closing tag of its own; searching on for one
// would reach a later element of that name and a write would swallow everything between. Such
// an element reads as the empty text and is never written through.

// Reads the text of the first element `strPrefix` at or after `xx`.
//  kFound:     strValue = its text; xx = position of its closing tag.
//  kEmptyForm: strValue = ""; xx = position of the "/>" ending it.
//  kNotFound, kUnclosed: xx = 0 and strValue is left as it was.
TagStatus GetDetail(std::string_view strCheck, Pos& xx, std::string_view strPrefix,
                    std::string& strValue);

// Replaces the text of the first element `strPrefix` at or after `xx` by `strResponse`.
// kFound: xx = the position its closing tag had before the rewrite. When the new text is
// shorter, that position lies behind the new closing tag by the difference, so a chained search
// from it can pass over an element that follows within that distance.
// Otherwise (including kEmptyForm) xx = 0 and strCheck is left exactly as it was.
TagStatus PutDetail(std::string& strCheck, Pos& xx, std::string_view strPrefix,
                    std::string_view strResponse);

// Adds `lDelay` seconds to the number held by the first element `strPrefix` at or after `xx`.
// The old text is read as a number and rounded halves-to-even; a sum above 86400 wraps once by
// 86400 (86400 itself stays, negatives stay negative). The sum is written in plain decimal.
// kFound: xx as PutDetail, lDelay = the value written. kOverflow when the value or the sum does
// not fit a signed 32-bit number. On any failure xx = 0 and strCheck and lDelay are unchanged.
TagStatus PutTime(std::string& strCheck, Pos& xx, std::string_view strPrefix, std::int32_t& lDelay);

// Outcome of a rewrite of every element of one name.
struct BulkRewrite {
  std::size_t rewritten = 0;         // elements rewritten
  std::size_t emptyFormSkipped = 0;  // <Name/> elements passed over
  // kNotFound when every element was handled; otherwise why the rewrite stopped at an element
  // (kUnclosed or kOverflow): the elements before it keep their new text, it and those after it
  // are left as they were.
  TagStatus stoppedBy = TagStatus::kNotFound;

  bool complete() const { return stoppedBy == TagStatus::kNotFound; }
};

// PutTime with the same `delay` on every StartTime element of a scenario document, in document
// order, each from its own old value. Built in one pass over the text.
BulkRewrite PutAllTimes(std::string& scenarioText, std::int32_t delay);

// The same into `rewritten`, built from the text in one pass, so a caller that must keep the
// text as it is needs no copy of it to rewrite.
BulkRewrite PutAllTimes(std::string_view scenarioText, std::int32_t delay, std::string& rewritten);

// PutDetail with the same text on every element `name` (e.g. resetting every driver flag),
// built in one pass over the text.
BulkRewrite PutAllDetails(std::string& text, std::string_view name, std::string_view value);

}  // namespace fennick
