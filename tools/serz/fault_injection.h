#pragma once

#include <string>
#include <string_view>

namespace fennick::serz {

// How a run was asked to fail through FENNICK_SERZ_FAIL, so tests can provoke a converter fault:
//   "exit"   exit with status 3 and write nothing
//   "silent" write nothing and exit 0
//   "exit:SUBSTR" / "silent:SUBSTR"  the same, only when the input path contains SUBSTR
enum class FaultKind { kNone, kExitNonZero, kSilentNoOutput };

struct FaultDecision {
  FaultKind kind = FaultKind::kNone;
  std::string error;  // set when the variable holds something this program does not understand
};

inline constexpr int kFaultExitStatus = 3;

// `setting` is the variable's value, or nullptr when it is not set.
FaultDecision DecideFault(const char* setting, std::string_view inputPath);

}  // namespace fennick::serz
