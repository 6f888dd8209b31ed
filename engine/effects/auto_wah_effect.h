#pragma once

#include <cstdint>

namespace effects {

// The coefficients of "AutoWah".
struct AutoWahEffect {
    std::uint32_t filterType = 3;
    float low = 0.0f;
    float high = 0.0f;
    float sensitivity = 0.0f;
    float q = 0.0f;
    float follower = 0.0f;
};

} // namespace effects
