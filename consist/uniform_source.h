#pragma once

#include <random>

namespace fennick {

// Where running numbers are drawn from: uniform values in [0, 1). Tests hand in their own.
class UniformSource {
 public:
  virtual ~UniformSource() = default;
  virtual float Next() = 0;
};

// Never seeded from the clock: every run of the program draws the same sequence, as players
// have always seen it do.
class UnseededUniformSource : public UniformSource {
 public:
  float Next() override;

 private:
  std::mt19937 engine_;
};

}  // namespace fennick
