#include "tools/serz/fault_injection.h"

namespace fennick::serz {

namespace {

FaultKind KindNamed(std::string_view name) {
  if (name == "exit") return FaultKind::kExitNonZero;
  if (name == "silent") return FaultKind::kSilentNoOutput;
  if (name == "noisy") return FaultKind::kNoisy;
  if (name == "stdin") return FaultKind::kReadInput;
  if (name == "hang") return FaultKind::kHang;
  return FaultKind::kNone;
}

}  // namespace

FaultDecision DecideFault(const char* setting, std::string_view inputPath) {
  FaultDecision decision;
  if (setting == nullptr || *setting == '\0') return decision;

  const std::string_view value(setting);
  const std::size_t colon = value.find(':');
  const std::string_view name = value.substr(0, colon);
  const FaultKind kind = KindNamed(name);
  if (kind == FaultKind::kNone) {
    // A misspelt setting must not silently turn a fault test into a passing run.
    decision.error =
        "FENNICK_SERZ_FAIL holds \"" + std::string(value) +
        "\"; expected exit, silent, noisy, stdin or hang, each optionally followed by :TEXT";
    return decision;
  }
  if (colon != std::string_view::npos &&
      inputPath.find(value.substr(colon + 1)) == std::string_view::npos) {
    return decision;
  }
  decision.kind = kind;
  return decision;
}

}  // namespace fennick::serz
