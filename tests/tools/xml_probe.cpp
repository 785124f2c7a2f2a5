#include "xml_probe.h"

namespace fennick::testing {

namespace {

// Position of the next start tag named exactly `name` at or after `from`, or npos.
std::size_t NextStartTag(std::string_view doc, std::string_view name, std::size_t from) {
  const std::string open = "<" + std::string(name);
  for (std::size_t p = doc.find(open, from); p != std::string_view::npos;
       p = doc.find(open, p + 1)) {
    const std::size_t after = p + open.size();
    if (after < doc.size() && (doc[after] == ' ' || doc[after] == '>')) return p;
  }
  return std::string_view::npos;
}

}  // namespace

std::vector<std::string> ElementTexts(std::string_view doc, std::string_view name) {
  std::vector<std::string> texts;
  const std::string close = "</" + std::string(name) + ">";
  for (std::size_t p = NextStartTag(doc, name, 0); p != std::string_view::npos;
       p = NextStartTag(doc, name, p + 1)) {
    const std::size_t gt = doc.find('>', p);
    const std::size_t end = doc.find(close, gt);
    if (gt == std::string_view::npos || end == std::string_view::npos) break;
    texts.emplace_back(doc.substr(gt + 1, end - gt - 1));
  }
  return texts;
}

std::vector<std::string> ElementBlocks(std::string_view doc, std::string_view name) {
  std::vector<std::string> blocks;
  const std::string close = "</" + std::string(name) + ">";
  for (std::size_t p = NextStartTag(doc, name, 0); p != std::string_view::npos;
       p = NextStartTag(doc, name, p + 1)) {
    const std::size_t end = doc.find(close, p);
    if (end == std::string_view::npos) break;
    blocks.emplace_back(doc.substr(p, end + close.size() - p));
  }
  return blocks;
}

std::size_t CountOf(std::string_view doc, std::string_view needle) {
  std::size_t count = 0;
  for (std::size_t p = doc.find(needle); p != std::string_view::npos; p = doc.find(needle, p + 1)) {
    ++count;
  }
  return count;
}

std::string SlashPath(std::string_view backslashPath) {
  std::string path(backslashPath);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

}  // namespace fennick::testing
