#include "tools/serz/serz_arguments.h"

#include <gtest/gtest.h>

#include <ostream>

namespace fennick::serz {
namespace {

struct AcceptedCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string input;
  std::string output;
};

void PrintTo(const AcceptedCase& c, std::ostream* os) {
  *os << c.name;
}

class AcceptedArguments : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedArguments, YieldBothPaths) {
  const ParsedArguments parsed = ParseSerzArguments(GetParam().arguments);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  EXPECT_EQ(parsed.paths.inputPath, GetParam().input);
  EXPECT_EQ(parsed.paths.outputPath, GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedArguments,
    ::testing::Values(
        AcceptedCase{"SeparateArguments",
                     {"/sim/Scenarios.bin", "xml:/tmp/Scenarios.xml"},
                     "/sim/Scenarios.bin",
                     "/tmp/Scenarios.xml"},
        AcceptedCase{"SeparateWithBlanks",
                     {"/my sim/a b.bin", "xml:/temp files/a b.xml"},
                     "/my sim/a b.bin",
                     "/temp files/a b.xml"},
        AcceptedCase{"SeparateStillQuoted",
                     {"\"/sim/in.bin\"", "xml:\"/tmp/out.xml\""},
                     "/sim/in.bin",
                     "/tmp/out.xml"},
        AcceptedCase{"UpperCaseXmlPrefix", {"in.bin", "XML:out.xml"}, "in.bin", "out.xml"},
        AcceptedCase{"WindowsLine",
                     {R"("C:\Rail Sim\TempFiles\Scenarios.xml" xml:"C:\Rail Sim\Scenarios.bin")"},
                     R"(C:\Rail Sim\TempFiles\Scenarios.xml)",
                     R"(C:\Rail Sim\Scenarios.bin)"},
        AcceptedCase{
            "WindowsLineLedByProgram", {R"(serz.exe "in.bin" xml:"out.xml")"}, "in.bin", "out.xml"},
        AcceptedCase{"WindowsLineUnquoted", {"in.bin xml:out.xml"}, "in.bin", "out.xml"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
  const char* name;
  std::vector<std::string> arguments;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
  *os << c.name;
}

class RefusedArguments : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedArguments, ExplainWhatIsWrong) {
  const ParsedArguments parsed = ParseSerzArguments(GetParam().arguments);
  EXPECT_FALSE(parsed.ok());
  EXPECT_NE(parsed.error.find("usage: serz.exe"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, RefusedArguments,
    ::testing::Values(RefusedCase{"Nothing", {}}, RefusedCase{"InputOnly", {"in.bin"}},
                      RefusedCase{"OutputWithoutPrefix", {"in.bin", "out.xml"}},
                      RefusedCase{"EmptyOutput", {"in.bin", "xml:"}},
                      RefusedCase{"EmptyInput", {"", "xml:out.xml"}},
                      RefusedCase{"ThreeArguments", {"in.bin", "xml:out.xml", "-v"}},
                      RefusedCase{"UnclosedQuote", {R"("in.bin xml:"out.xml")"}},
                      RefusedCase{"TextAfterOutput", {R"("in" xml:"out" -extra)"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fennick::serz
