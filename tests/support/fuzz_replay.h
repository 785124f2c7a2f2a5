#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fennick::test {

// Runs every seed of a fuzzer's corpus through the fuzzer's own entry function, without
// libFuzzer: each must keep every rule (the entry returns the empty text).
inline void ReplayCorpus(const std::filesystem::path& corpus,
                         std::string (*entry)(const std::uint8_t*, std::size_t),
                         std::size_t minimumSeeds) {
  ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
  std::size_t seeds = 0;
  for (const auto& file : std::filesystem::directory_iterator(corpus)) {
    if (!file.is_regular_file()) continue;
    std::ifstream in(file.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "")
        << file.path().filename();
    ++seeds;
  }
  EXPECT_GE(seeds, minimumSeeds);
}

}  // namespace fennick::test
