#pragma once

// Case tables kept as data: one case a line, fields separated by TABs, written with the escapes
// \r \n \t \\ and \xHH so that every byte of a document can be spelled. Lines starting with '#'
// and empty lines are skipped.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <map>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fennick::test {

inline std::string UnescapeCaseField(const std::string& field) {
  std::string bytes;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const char kind = i + 1 < field.size() && field[i] == '\\' ? field[++i] : 0;
    if (kind == 'x' && i + 2 < field.size()) {
      bytes.push_back(char(std::stoi(field.substr(i + 1, 2), nullptr, 16)));
      i += 2;
    } else {
      bytes.push_back(kind == 'r' ? '\r' : kind == 'n' ? '\n' : kind == 't' ? '\t' : kind ? kind : field[i]);
    }
  }
  return bytes;
}

struct CaseLine {
  int lineNumber = 0;
  std::vector<std::string> fields;  // unescaped
};

inline std::vector<CaseLine> ReadCaseFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read case file " + path);
  std::vector<CaseLine> cases;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    CaseLine parsed{number, {}};
    std::stringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) {
      parsed.fields.push_back(UnescapeCaseField(field));
    }
    if (!line.empty() && line.back() == '\t') parsed.fields.emplace_back();
    cases.push_back(std::move(parsed));
  }
  return cases;
}

// Tables of calls: each line names its call first and gives the text the call must return last.
using Fields = std::vector<std::string>;
using CallTable = std::map<std::string, std::function<std::string(const Fields&)>>;

inline void ExpectEveryCall(const std::string& path, const CallTable& calls, std::size_t atLeast) {
  const std::vector<CaseLine> cases = ReadCaseFile(path);
  ASSERT_GE(cases.size(), atLeast);
  for (const CaseLine& line : cases) {
    ASSERT_TRUE(calls.contains(line.fields[0])) << "line " << line.lineNumber;
    EXPECT_EQ(calls.at(line.fields[0])(line.fields), line.fields.back())
        << "line " << line.lineNumber << ": " << line.fields[1];
  }
}

}  // namespace fennick::test
