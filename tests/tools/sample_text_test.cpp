// The sample generator's GUID numbers, which only the sample itself writes.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>

#include "tools/sample_install/guid_numbers.h"

namespace fennick::sample {
namespace {

TEST(GuidNumbers, AreBothHalvesOfTheGuidsMemoryLayoutAsDecimalNumbers) {
  // The GUID text and its two numbers: 6677445500112233 and FFEEDDCCBBAA9988 in hexadecimal.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"00112233-4455-6677-8899-AABBCCDDEEFF", "7383445245961249331", "18441921395520346504"},
      {"00112233-4455-6677-8899-aabbccddeeff", "7383445245961249331", "18441921395520346504"},
      {"00000001-0000-0000-0100-000000000000", "1", "1"}};
  for (const auto& [guid, first, second] : cases) {
    const UuidNumbers numbers = UuidNumbersOf(guid);
    EXPECT_EQ(numbers.first, first) << guid;
    EXPECT_EQ(numbers.second, second) << guid;
  }
  EXPECT_THROW(UuidNumbersOf("00112233445566778899AABBCCDDEEFF"), std::invalid_argument);
  EXPECT_THROW(UuidNumbersOf("0011223G-4455-6677-8899-AABBCCDDEEFF"), std::invalid_argument);
}

}  // namespace
}  // namespace fennick::sample
