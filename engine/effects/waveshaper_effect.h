#pragma once

#include <cstdint>

namespace effects {

// The coefficients of "Waveshaper".
struct WaveshaperEffect {
    float top = 0.0f;
    float bottom = 0.0f;
    float rectify = 0.0f;
    float low = 0.0f;
    float modulation = 0.0f;
    std::uint32_t increment = 0;
};

} // namespace effects
