#include "forms/random.h"

namespace forms {

void UniformRandom::seed(int32_t seed) {
    engine_.seed(static_cast<std::mt19937::result_type>(seed));
}

float UniformRandom::next() {
    // The top 24 bits of one draw, scaled by 2^-24: every value is exact in a
    // float and below 1. (A float distribution may round up to 1.0.)
    constexpr float kScale = 1.0f / 16777216.0f;
    return static_cast<float>(engine_() >> 8) * kScale;
}

}  // namespace forms
