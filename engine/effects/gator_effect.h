#pragma once

#include <cstdint>

namespace effects {

// The coefficients of "Gator".
struct GatorEffect {
    static constexpr int kSteps = 16;

    float stepIncrement = 0.0f; // sixteenth notes per sample, times the rate factor
    float halfFactor = 0.0f;
    float smoothing = 1.0f;
    std::int32_t mode = 0;
    std::int32_t syncMode = 0;
    float pattern[2][kSteps] = {};
};

} // namespace effects
