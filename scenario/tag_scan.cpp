#include "scenario/tag_scan.h"

#include <string>

#include "scenario/float_encoding.h"
#include "scenario/time_shift.h"

namespace fennick {

TagStatus GetDetail(std::string_view strCheck, Pos& xx, std::string_view strPrefix,
                    std::string& strValue) {
  const ElementSpan span = ElementFinder(strPrefix).Find(strCheck, xx);
  switch (span.status) {
    case TagStatus::kFound:
      strValue.assign(span.Text(strCheck));
      xx = span.close;
      break;
    case TagStatus::kEmptyForm:
      strValue.clear();
      xx = span.openEnd - 1;
      break;
    default:
      xx = kNotFound;
      break;
  }
  return span.status;
}

TagStatus PutDetail(std::string& strCheck, Pos& xx, std::string_view strPrefix,
                    std::string_view strResponse) {
  const ElementSpan span = ElementFinder(strPrefix).Find(strCheck, xx);
  if (span.status != TagStatus::kFound) {
    xx = kNotFound;
    return span.status;
  }
  const std::string written(strResponse);  // the response may lie inside strCheck
  strCheck.replace(span.openEnd, span.close - span.openEnd - 1, written);
  SyncAltEncoding(strCheck, IndexOf(span.open), span.openEnd, written);
  xx = span.close;
  return TagStatus::kFound;
}

TagStatus PutTime(std::string& strCheck, Pos& xx, std::string_view strPrefix,
                  std::int32_t& lDelay) {
  const ElementSpan span = ElementFinder(strPrefix).Find(strCheck, xx);
  if (span.status != TagStatus::kFound) {
    xx = kNotFound;
    return span.status;
  }
  const std::optional<std::int32_t> seconds = ShiftedSeconds(span.Text(strCheck), lDelay);
  if (!seconds) {
    xx = kNotFound;
    return TagStatus::kOverflow;
  }
  const std::string shifted = std::to_string(*seconds);
  strCheck.replace(span.openEnd, span.close - span.openEnd - 1, shifted);
  SyncAltEncoding(strCheck, IndexOf(span.open), span.openEnd, shifted);
  lDelay = *seconds;
  xx = span.close;
  return TagStatus::kFound;
}

}  // namespace fennick
