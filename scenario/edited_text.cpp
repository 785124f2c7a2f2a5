#include "scenario/edited_text.h"

#include <algorithm>
#include <vector>

namespace fennick {
namespace {

// The original with every line break (CR LF, lone CR, LF) as "\n", and for each byte of that
// form where its bytes start in the original.
struct Flattened {
  std::string text;
  std::vector<std::size_t> start;  // text.size() + 1 entries; the last is original.size()
};

Flattened Flatten(std::string_view original) {
  Flattened flat;
  flat.text.reserve(original.size());
  flat.start.reserve(original.size() + 1);
  for (std::size_t i = 0; i < original.size(); ++i) {
    flat.start.push_back(i);
    if (original[i] == '\r') {
      flat.text.push_back('\n');
      if (i + 1 < original.size() && original[i + 1] == '\n') ++i;
    } else {
      flat.text.push_back(original[i]);
    }
  }
  flat.start.push_back(original.size());
  return flat;
}

std::string_view LineBreakOf(std::string_view original) {
  const std::size_t at = original.find_first_of("\r\n");
  if (at == std::string_view::npos) return "\r\n";
  if (original[at] == '\n') return "\n";
  return at + 1 < original.size() && original[at + 1] == '\n' ? "\r\n" : "\r";
}

}  // namespace

std::string MergeEditedText(std::string_view original, std::string_view edited) {
  const Flattened flat = Flatten(original);
  const std::string_view shown = flat.text;
  const std::size_t most = std::min(shown.size(), edited.size());
  std::size_t prefix = 0;
  while (prefix < most && shown[prefix] == edited[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < most - prefix &&
         shown[shown.size() - 1 - suffix] == edited[edited.size() - 1 - suffix]) {
    ++suffix;
  }
  if (prefix == shown.size() && prefix == edited.size()) return std::string(original);

  const std::string_view lineBreak = LineBreakOf(original);
  std::string merged(original.substr(0, flat.start[prefix]));
  for (const char c : edited.substr(prefix, edited.size() - prefix - suffix)) {
    if (c == '\n') {
      merged += lineBreak;
    } else {
      merged.push_back(c);
    }
  }
  merged += original.substr(flat.start[shown.size() - suffix]);
  return merged;
}

}  // namespace fennick
