// Every seed of the consist fuzzer's corpus, run through the fuzzer's own checks.
#include "fuzz/consist_fuzz_entry.h"
#include "tests/support/fuzz_replay.h"

namespace fennick {
namespace {

TEST(ConsistFuzzCorpusReplay, EverySeedKeepsEveryRule) {
  test::ReplayCorpus(FENNICK_FUZZ_CORPUS_DIR, fuzz::RunConsistFuzzInput, 10);
}

}  // namespace
}  // namespace fennick
