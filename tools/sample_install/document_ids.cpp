#include "tools/sample_install/document_ids.h"

namespace fennick::sample {

std::uint32_t FirstIdFor(std::string_view documentName) {
  std::uint32_t hash = 2166136261u;
  for (unsigned char c : documentName) {
    hash ^= c;
    hash *= 16777619u;
  }
  // Eight-digit ids with room for a few thousand records after the first.
  return 10000000u + hash % 80000000u;
}

}  // namespace fennick::sample
