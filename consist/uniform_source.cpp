#include "consist/uniform_source.h"

namespace fennick {

float UnseededUniformSource::Next() {
  // 24 random bits fill a float's mantissa exactly, so the value can never round up to 1.
  constexpr float kScale = 1.0f / 16777216.0f;
  return static_cast<float>(engine_() >> 8) * kScale;
}

}  // namespace fennick
