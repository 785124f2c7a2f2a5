// Every seed of the text core fuzzer's corpus, run through the fuzzer's own checks.
#include "fuzz/scenario_fuzz_entry.h"
#include "tests/support/fuzz_replay.h"

namespace fennick {
namespace {

TEST(FuzzCorpusReplay, EverySeedKeepsEveryRule) {
  test::ReplayCorpus(FENNICK_FUZZ_CORPUS_DIR, fuzz::RunScenarioFuzzInput, 5);
}

}  // namespace
}  // namespace fennick
