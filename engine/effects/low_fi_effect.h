#pragma once

#include <cstdint>

namespace effects {

// The coefficients of "Low Fi".
struct LowFiEffect {
    float levels = 2.0f; // quantisation steps per unit
    float inverseLevels = 0.5f;
    std::int32_t holdPeriod = 1; // samples
    float filter = 0.0f;
    float modWheel = 0.0f;
};

} // namespace effects
