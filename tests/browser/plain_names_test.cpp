#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "browser/plain_names.h"

namespace fennick::browser {
namespace {

struct NameCase {
  const char* name;
  std::string text;
  bool plainFolder;
  bool plainFile;
};

// Test names carry the case; this keeps ctest's listing short.
void PrintTo(const NameCase& c, std::ostream* os) {
  *os << c.name;
}

class PlainNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(PlainNames, OnlyOneElementBelowTheKnownFolder) {
  const NameCase& c = GetParam();
  EXPECT_EQ(IsPlainFolderName(c.text), c.plainFolder);
  EXPECT_EQ(IsPlainFileName(QString::fromStdString(c.text)), c.plainFile);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PlainNames,
    ::testing::Values(NameCase{"Guid", "2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21", true, true},
                      NameCase{"Blanks", "Before the junction.xml", true, true},
                      NameCase{"Accented", "Sauvegarde d'\xC3\xA9t\xC3\xA9.xml", true, true},
                      NameCase{"Dots", "a.b.c", true, true},
                      NameCase{"DoubleDotInside", "a..b", true, false},
                      NameCase{"Empty", "", false, false}, NameCase{"Dot", ".", false, false},
                      NameCase{"DotDot", "..", false, false},
                      NameCase{"ParentWithBackslash", "..\\..\\x", false, false},
                      NameCase{"ParentWithSlash", "../x", false, false},
                      NameCase{"Absolute", "/etc", false, false},
                      NameCase{"Drive", "C:x", false, false},
                      NameCase{"Subfolder", "a\\b", false, false},
                      NameCase{"ControlCharacter", std::string("a\tb"), false, false},
                      NameCase{"Nul", std::string("a\0b", 3), false, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fennick::browser
