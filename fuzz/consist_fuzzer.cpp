// libFuzzer driver for the consist commands: every broken rule becomes a crash the fuzzer keeps.
#include <cstdio>
#include <cstdlib>

#include "fuzz/consist_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failure = fennick::fuzz::RunConsistFuzzInput(data, size);
  if (!failure.empty()) {
    std::fprintf(stderr, "broken rule: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
