#pragma once

#include <string>
#include <string_view>

namespace fennick::serz {

// How a run was asked to misbehave through FENNICK_SERZ_FAIL, so tests can provoke a converter
// fault:
//   "exit"   exit with status 3 and write nothing
//   "silent" write nothing and exit 0
//   "noisy"  write a long complaint to stderr, then exit 3 with nothing written
//   "stdin"  read standard input to its end first, then convert (hangs on an open input)
//   "hang"   write the process id into the output file, then wait until killed
//   "KIND:SUBSTR"  the same, only when the input path contains SUBSTR
enum class FaultKind { kNone, kExitNonZero, kSilentNoOutput, kNoisy, kReadInput, kHang };

struct FaultDecision {
  FaultKind kind = FaultKind::kNone;
  std::string error;  // set when the variable holds something this program does not understand
};

inline constexpr int kFaultExitStatus = 3;
inline constexpr std::size_t kNoisyLength = 100000;  // characters "noisy" writes to stderr

// `setting` is the variable's value, or nullptr when it is not set.
FaultDecision DecideFault(const char* setting, std::string_view inputPath);

}  // namespace fennick::serz
