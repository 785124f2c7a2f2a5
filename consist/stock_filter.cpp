#include "consist/stock_filter.h"

#include <array>

#include "scenario/text_search.h"

namespace fennick {

namespace {

// Parts of a vehicle that are blueprints too but never stock.
constexpr std::array<std::string_view, 7> kExcludedWords = {
    "Simulation", "Camera", "Textures", "PassengerView", "CabView", "Bogie", "Digit"};

bool Has(std::string_view path, std::string_view word) {
  return FindNoCase(path, word, 1) != kNotFound;
}

bool HasExcludedWord(std::string_view path) {
  for (std::string_view word : kExcludedWords) {
    if (Has(path, word)) return true;
  }
  return false;
}

bool EndsWithNoCase(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() &&
         EqualsNoCase(text.substr(text.size() - ending.size()), ending);
}

KindTest MultipleUnitTest(std::string_view path, std::string_view kind) {
  if (!EndsWithNoCase(path, ".bin") || HasExcludedWord(path) || Has(path, "\\Freight\\") ||
      Has(path, "Steam")) {
    return KindTest::kSkip;
  }
  if (EqualsNoCase(kind, "DMU") && Has(path, "Electric")) return KindTest::kSkip;
  if (EqualsNoCase(kind, "EMU") && Has(path, "Diesel")) return KindTest::kSkip;
  return KindTest::kEngineOrWagon;
}

KindTest SingleKindTest(std::string_view path, std::string_view kind) {
  const bool tender = kind == "Tender";
  // A kind never chosen matches every path, as an empty word is found at once.
  const bool kindInPath = kind.empty() || Has(path, tender ? std::string_view("Steam") : kind);
  if (!EndsWithNoCase(path, "bin") || !kindInPath || HasExcludedWord(path)) {
    return KindTest::kSkip;
  }
  if (kind == "Freight" && Has(path, "\\Passenger\\")) return KindTest::kSkip;
  if (kind == "Passenger" && Has(path, "\\Freight\\")) return KindTest::kSkip;
  if (kind == "Steam" || kind == "Diesel" || kind == "Electric") return KindTest::kEngine;
  if (tender) return KindTest::kTender;
  return KindTest::kWagon;
}

}  // namespace

KindTest StockKindTest(std::string_view path, std::string_view kind, bool anyFolderAccepted) {
  if (anyFolderAccepted) {
    if (!EndsWithNoCase(path, ".bin") || HasExcludedWord(path) || Has(path, "\\Freight\\")) {
      return KindTest::kSkip;
    }
    return KindTest::kEngineOrWagon;
  }
  if (kind == "DMU" || kind == "EMU") return MultipleUnitTest(path, kind);
  return SingleKindTest(path, kind);
}

}  // namespace fennick
