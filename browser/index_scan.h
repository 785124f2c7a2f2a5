#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fennick::browser {

// One entry of Routes.xml or of a route's scenario index: the folder its DevString names and the
// display name that follows it.
struct IndexEntry {
  std::string folderName;   // the DevString text, as the document's bytes
  std::string displayName;  // the first non-empty language text after it; empty when none
  // A language that had to be looked at is missing or unclosed before the next entry: the entry
  // has no usable name block and shows without a name.
  bool nameBlockMissing = false;
};

struct IndexScan {
  std::vector<IndexEntry> entries;  // in document order
  // The scan stopped at a DevString without its closing tag; entries before it are kept.
  bool stoppedAtUnclosedDevString = false;
};

// Reads every DevString in document order. An entry's name is looked for only between its
// DevString and the next one, so an entry without names never borrows the next entry's name.
IndexScan ScanIndexEntries(std::string_view text);

}  // namespace fennick::browser
