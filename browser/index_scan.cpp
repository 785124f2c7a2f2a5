#include "browser/index_scan.h"

#include "scenario/localized_text.h"
#include "scenario/text_search.h"

namespace fennick::browser {

namespace {

constexpr std::string_view kDevStringOpen = "<DevString";
constexpr std::string_view kDevStringClose = "</DevString";

// The name block of one entry: the text from `from` up to the next entry's DevString.
IndexEntry NameAfter(std::string_view text, Pos from, Pos nextEntry) {
  IndexEntry entry;
  const std::string_view upToNext =
      nextEntry == kNotFound ? text : text.substr(0, IndexOf(nextEntry));
  const Result<std::string> name = LocalizedTextBlock(from).GetLocalText(upToNext);
  if (name.ok()) {
    entry.displayName = *name;
  } else {
    entry.nameBlockMissing = true;
  }
  return entry;
}

}  // namespace

IndexScan ScanIndexEntries(std::string_view text) {
  IndexScan scan;
  Pos position = 1;
  while (true) {
    const Pos open = FindNoCase(text, kDevStringOpen, position);
    if (open == kNotFound) break;
    const Pos close = FindNoCase(text, kDevStringClose, open + 1);
    const Pos textStart = close == kNotFound ? kNotFound : FindCharBack(text, '>', close - 1);
    if (close == kNotFound || textStart < open) {
      scan.stoppedAtUnclosedDevString = true;
      break;
    }
    const Pos nextEntry = FindNoCase(text, kDevStringOpen, close);
    IndexEntry entry = NameAfter(text, close, nextEntry);
    entry.folderName = std::string(text.substr(textStart, close - textStart - 1));
    scan.entries.push_back(std::move(entry));
    position = close;
  }
  return scan;
}

}  // namespace fennick::browser
