#include "scenario/text_change.h"

#include <algorithm>
#include <cstring>

namespace fennick {
namespace {

// Compares in blocks first: the documents run to tens of megabytes.
std::size_t CommonStart(std::string_view a, std::string_view b) {
  const std::size_t most = std::min(a.size(), b.size());
  constexpr std::size_t kBlock = 4096;
  std::size_t i = 0;
  while (i + kBlock <= most && std::memcmp(a.data() + i, b.data() + i, kBlock) == 0) i += kBlock;
  while (i < most && a[i] == b[i]) ++i;
  return i;
}

std::size_t CommonEnd(std::string_view a, std::string_view b, std::size_t most) {
  constexpr std::size_t kBlock = 4096;
  std::size_t n = 0;
  while (n + kBlock <= most && std::memcmp(a.data() + a.size() - n - kBlock,
                                           b.data() + b.size() - n - kBlock, kBlock) == 0) {
    n += kBlock;
  }
  while (n < most && a[a.size() - 1 - n] == b[b.size() - 1 - n]) ++n;
  return n;
}

}  // namespace

TextChange ChangeBetween(std::string_view before, std::string_view after) {
  const std::size_t start = CommonStart(before, after);
  const std::size_t end = CommonEnd(before, after, std::min(before.size(), after.size()) - start);
  return TextChange{start, std::string(before.substr(start, before.size() - start - end)),
                    std::string(after.substr(start, after.size() - start - end))};
}

bool ApplyChange(std::string& text, const TextChange& change, bool forwards) {
  const std::string& expected = forwards ? change.removed : change.inserted;
  const std::string& wanted = forwards ? change.inserted : change.removed;
  if (change.offset > text.size() || text.compare(change.offset, expected.size(), expected) != 0 ||
      text.size() - change.offset < expected.size()) {
    return false;
  }
  text.replace(change.offset, expected.size(), wanted);
  return true;
}

}  // namespace fennick
