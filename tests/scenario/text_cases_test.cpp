// The text core's rules, from tests/data/text_cases/cases.txt: one call a line, the function's
// name first and the expected text last ("|" between the parts of a compound result).
#include <gtest/gtest.h>

#include "scenario/localized_text.h"
#include "scenario/number_text.h"
#include "scenario/scenario_entry.h"
#include "scenario/start_time.h"
#include "scenario/tag_scan.h"
#include "scenario/text_codec.h"
#include "scenario/xml_text.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

using test::Fields;
const char* const kStatus[] = {"found", "empty", "none", "unclosed", "overflow"};
std::string S(TagStatus status) {
  return kStatus[int(status)];
}
TextEncoding Encoding(const std::string& name) {
  return name == "utf-8" ? TextEncoding::kUtf8 : TextEncoding::kWindows1252;
}
// 1-based position of `marker` in `text`; 0 for an empty or absent marker.
Pos At(const std::string& text, const std::string& marker) {
  const std::size_t index = marker.empty() ? std::string::npos : text.find(marker);
  return index == std::string::npos ? kNotFound : index + 1;
}
std::string Or(const Result<std::string>& r) {
  return r ? *r : "error:" + r.error();
}
// An expected "error:WORD" matches any error naming WORD.
std::string Named(const Result<std::string>& r, const std::string& expected) {
  const bool named = !r && expected.starts_with("error:") &&
                     r.error().find(expected.substr(6)) != std::string::npos;
  return named ? expected : Or(r);
}

// A read, then a write of "New" into the same element: it replaces exactly the text read and
// leaves the position at the old closing tag; where nothing paired is found, neither PutDetail
// nor PutTime changes anything.
std::string Detail(const Fields& f) {
  const std::string& text = f[1];
  const Pos from = std::stoul(f[2]);
  Pos xx = from;
  std::string value = "-";
  const TagStatus status = GetDetail(text, xx, f[3], value);
  const std::string want = f.back().substr(f.back().rfind('|') + 1);
  const std::string stop = xx == 0        ? ""
                           : want.empty() ? "@" + std::to_string(xx)
                                          : text.substr(xx - 1, want.size());
  std::string expected = text;
  const Pos close = status == TagStatus::kFound ? xx : 0;
  if (close != 0) expected.replace(close - 1 - value.size(), value.size(), "New");
  std::string written = text;
  Pos put = from;
  std::string fault;
  if (PutDetail(written, put, f[3], "New") != status || written != expected || put != close) {
    fault = " PutDetail:" + written;
  }
  std::int32_t delay = 60;
  put = from;
  if (status != TagStatus::kFound && (PutTime(written, put, f[3], delay) != status ||
                                      written != text || delay != 60 || put != 0)) {
    fault += " PutTime:" + written;
  }
  return S(status) + "|" + value + "|" + stop + fault;
}

const test::CallTable kCalls = {
    {"read-number",
     [](const Fields& f) {
       const double n = ReadNumber(f[1]);
       return n == std::stod(f[2]) ? f[2] : std::to_string(n);
     }},
    {"box-text", [](const Fields& f) { return Named(StoredSecondsToBoxText(f[1]), "error:"); }},
    {"stored-seconds", [](const Fields& f) { return BoxTextToStoredSeconds(f[1]); }},
    {"encoding",
     [](const Fields& f) {
       return std::string(DocumentEncoding(f[1]) == TextEncoding::kUtf8 ? "utf-8" : "1252");
     }},
    {"show", [](const Fields& f) { return ShowText(f[1], Encoding(f[2])); }},
    {"for-document",
     [](const Fields& f) {
       const Result<std::string> bytes = TextForDocument(f[1], Encoding(f[2]));
       // What is written shows again as typed.
       if (bytes && ShowText(*bytes, Encoding(f[2])) != f[1])
         return std::string("shown back differently");
       return Named(bytes, f[3]);
     }},
    {"find-last",
     [](const Fields& f) { return std::to_string(FindLastNoCase(f[1], f[2], std::stoul(f[3]))); }},
    {"find-char",
     [](const Fields& f) { return std::to_string(FindChar(f[1], '>', std::stoul(f[2]))); }},
    {"find-char-near",
     [](const Fields& f) {
       const std::size_t at = FindCharNear(f[1], '>', std::stoul(f[2]));
       return at == std::string_view::npos ? std::string("none") : std::to_string(at);
     }},
    {"find-char-pair-near",
     [](const Fields& f) {
       const CharPair pair = FindCharPairNear(f[1], '>', '<', std::stoul(f[2]));
       const auto shown = [](std::size_t at) {
         return at == std::string_view::npos ? std::string("none") : std::to_string(at);
       };
       return shown(pair.first) + "," + shown(pair.then);
     }},
    {"find-char-back",
     [](const Fields& f) { return std::to_string(FindCharBack(f[1], '>', std::stoul(f[2]))); }},
    {"detail", Detail},
    {"put-time",
     [](const Fields& f) {
       const std::string head = "<x><StartTime d:type=\"sFloat32\">", tail = "</StartTime>\xE9";
       std::string text = head + f[1] + tail;
       Pos xx = 1;
       std::int32_t delay = std::stoi(f[2]);
       const TagStatus status = PutTime(text, xx, "StartTime", delay);
       if (status != TagStatus::kFound) {
         return text == head + f[1] + tail && delay == std::stoi(f[2]) && xx == 0 ? S(status)
                                                                                  : "changed";
       }
       const std::string written =
           text.substr(head.size(), text.size() - head.size() - tail.size());
       // The delay comes back as the new value, the position at the old closing tag.
       return written == std::to_string(delay) && xx == At(head + f[1] + tail, tail)
                  ? written
                  : "?" + written;
     }},
    {"put-all-times",
     [](const Fields& f) {
       std::string text = f[1];
       const BulkRewrite outcome = PutAllTimes(text, std::stoi(f[2]));
       return text + "|" + std::to_string(outcome.rewritten) + "|" + S(outcome.stoppedBy);
     }},
    {"put-detail",
     [](const Fields& f) {
       std::string text = f[1];
       Pos xx = 1;
       PutDetail(text, xx, f[2], f[3]);
       return text;
     }},
    {"put-all-details",
     [](const Fields& f) {
       std::string text = f[1];
       const BulkRewrite outcome = PutAllDetails(text, f[2], f[3]);
       return text + "|" + std::to_string(outcome.rewritten) + "|" +
              std::to_string(outcome.emptyFormSkipped);
     }},
    {"localized",
     [](const Fields& f) {
       const std::string expected = f[2].substr(0, f[2].rfind('|'));
       std::string text = f[1];
       const bool written = LocalizedTextBlock(1).PutLocalText(text, "Hello").ok();
       const bool kept =
           written ? *LocalizedTextBlock(1).GetLocalText(text) == "Hello" : text == f[1];
       return Named(LocalizedTextBlock(1).GetLocalText(f[1]), expected) +
              (kept ? (written ? "|yes" : "|no") : "|changed");
     }},
    {"scenario-type", [](const Fields& f) {
       std::string entry = f[1];
       const bool before = IsTimetableEntry(entry);
       const std::size_t replaced = SwitchScenarioType(entry, f[2] == "yes");
       const bool after = IsTimetableEntry(entry) == (f[2] == "yes");
       return std::string(before ? "yes|" : "no|") + entry + "|" + std::to_string(replaced) +
              (after ? "" : " (type not switched)");
     }}};

TEST(TextCases, EveryCaseGivesItsText) {
  test::ExpectEveryCall(FENNICK_TEST_DATA_DIR "/text_cases/cases.txt", kCalls, 141);
}

}  // namespace
}  // namespace fennick
