#pragma once

#include <cstdint>

namespace effects {

// The coefficients of "Filter".
struct FilterEffect {
    std::int32_t filterType = 0;
    float frequency = 0.0f;
    float q = 0.0f;
    float modWheel = 0.0f;
    float lfoAmount = 0.0f;
};

} // namespace effects
