// Every seed of the fuzzer's corpus, run through the fuzzer's own checks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/scenario_fuzz_entry.h"

namespace fennick {
namespace {

TEST(FuzzCorpusReplay, EverySeedKeepsEveryRule) {
  const std::filesystem::path corpus = FENNICK_FUZZ_CORPUS_DIR;
  ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
  std::size_t seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    EXPECT_EQ(fuzz::RunScenarioFuzzInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                         bytes.size()),
              "")
        << entry.path().filename();
    ++seeds;
  }
  EXPECT_GE(seeds, 5u);
}

}  // namespace
}  // namespace fennick
