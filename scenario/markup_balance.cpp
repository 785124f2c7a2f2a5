#include "scenario/markup_balance.h"

#include <string>
#include <vector>

namespace fennick {
namespace {

constexpr std::string_view kNameEnd = " \t\r\n/>";

// Index of the ">" ending the tag that opens at `lt`, skipping quoted attribute values; npos
// when the tag does not end or a "<" stands inside it.
std::size_t TagEnd(std::string_view text, std::size_t lt) {
  char quote = 0;
  for (std::size_t i = lt + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return i;
    } else if (c == '<') {
      return std::string_view::npos;
    }
  }
  return std::string_view::npos;
}

// Index just behind `terminator` searched from `from`, or npos.
std::size_t Behind(std::string_view text, std::size_t from, std::string_view terminator) {
  const std::size_t at = text.find(terminator, from);
  return at == std::string_view::npos ? at : at + terminator.size();
}

}  // namespace

bool IsBalancedMarkup(std::string_view text) {
  std::vector<std::string_view> open;
  for (std::size_t lt = text.find('<'); lt != std::string_view::npos; lt = text.find('<', lt)) {
    const std::string_view rest = text.substr(lt);
    std::size_t next;
    if (rest.starts_with("<!--")) {
      next = Behind(text, lt + 4, "-->");
    } else if (rest.starts_with("<![CDATA[")) {
      next = Behind(text, lt + 9, "]]>");
    } else if (rest.starts_with("<?")) {
      next = Behind(text, lt + 2, "?>");
    } else {
      const std::size_t end = TagEnd(text, lt);
      if (end == std::string_view::npos) return false;
      const std::string_view tag = text.substr(lt + 1, end - lt - 1);
      if (tag.starts_with('/')) {
        std::string_view name = tag.substr(1);
        name = name.substr(0, name.find_last_not_of(" \t\r\n") + 1);
        if (open.empty() || open.back() != name) return false;
        open.pop_back();
      } else if (!tag.starts_with('!')) {
        const std::string_view name = tag.substr(0, tag.find_first_of(kNameEnd));
        if (name.empty()) return false;
        if (!tag.ends_with('/')) open.push_back(name);
      }
      next = end + 1;
    }
    if (next == std::string_view::npos) return false;
    lt = next;
  }
  return open.empty();
}

bool IsRewritableElement(std::string_view text, const ElementSpan& span) {
  if (span.status != TagStatus::kFound || span.open == kNotFound) return false;
  if (TagEnd(text, IndexOf(span.open)) != IndexOf(span.openEnd)) return false;
  return IsBalancedMarkup(span.Text(text));
}

}  // namespace fennick
