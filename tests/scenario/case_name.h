#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace fennick::test {

// Test names for table rows: the row's label with everything but letters and digits as '_'.
struct CaseName {
  template <class Row>
  std::string operator()(const testing::TestParamInfo<Row>& info) const {
    std::string name = info.param.label;
    for (char& ch : name) {
      const bool keep =
          (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
      if (!keep) ch = '_';
    }
    return name;
  }
};

// Prints a table row as its label, so test listings stay readable. Test files bring it in with
// `using test::PrintTo;` beside their rows.
template <class Row>
requires requires(const Row& row) {
  row.label;
}
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.label;
}

}  // namespace fennick::test
