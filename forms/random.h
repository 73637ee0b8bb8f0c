#pragma once

#include <cstdint>
#include <random>

#include "forms/services.h"

namespace forms {

// The program's uniform generator: Mersenne twister, single-precision numbers
// in [0, 1) with 24 random bits each, so that 1.0 never comes out.
class UniformRandom final : public Random {
public:
    UniformRandom() = default;
    void seed(int32_t seed) override;
    float next() override;

private:
    std::mt19937 engine_;
};

}  // namespace forms
