#include "tools/serz/fault_injection.h"

#include <gtest/gtest.h>

#include <ostream>

namespace fennick::serz {
namespace {

struct FaultCase {
  const char* name;
  const char* setting;
  const char* inputPath;
  FaultKind expected;
  bool misspelt;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.name;
}

class FaultSetting : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultSetting, DecidesWhetherThisRunFails) {
  const FaultCase& c = GetParam();
  const FaultDecision decision = DecideFault(c.setting, c.inputPath);
  EXPECT_EQ(decision.kind, c.expected);
  EXPECT_EQ(!decision.error.empty(), c.misspelt);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, FaultSetting,
    ::testing::Values(
        FaultCase{"Unset", nullptr, "/r/Scenario.bin", FaultKind::kNone, false},
        FaultCase{"Empty", "", "/r/Scenario.bin", FaultKind::kNone, false},
        FaultCase{"Exit", "exit", "/r/Scenario.bin", FaultKind::kExitNonZero, false},
        FaultCase{"Silent", "silent", "/r/Scenario.bin", FaultKind::kSilentNoOutput, false},
        FaultCase{"ExitOnMatchingInput", "exit:Scenario.bin", "/r/Scenario.bin",
                  FaultKind::kExitNonZero, false},
        FaultCase{"ExitSparesOtherInput", "exit:Scenario.bin", "/r/Scenarios.bin", FaultKind::kNone,
                  false},
        FaultCase{"SilentOnMatchingInput", "silent:TempFiles", "/p/TempFiles/Scenarios.xml",
                  FaultKind::kSilentNoOutput, false},
        FaultCase{"MatchIsCaseSensitive", "silent:tempfiles", "/p/TempFiles/Scenarios.xml",
                  FaultKind::kNone, false},
        FaultCase{"EmptyTextMatchesAll", "exit:", "/any", FaultKind::kExitNonZero, false},
        FaultCase{"Misspelt", "exits", "/any", FaultKind::kNone, true},
        FaultCase{"MisspeltWithText", "crash:Scenario", "/r/Scenario.bin", FaultKind::kNone, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fennick::serz
