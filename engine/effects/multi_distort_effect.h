#pragma once

#include <cstdint>

namespace effects {

// The coefficients of "Multi Distort".
struct MultiDistortEffect {
    std::int32_t curve = 0;
    float preBoost = 0.0f;
    float amount1 = 0.0f;
    float amount2 = 0.0f;
    float normalize = 0.0f;
    float volume = 0.0f;
};

} // namespace effects
