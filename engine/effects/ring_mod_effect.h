#pragma once

#include <cstdint>

namespace effects {

// The coefficients of "Ring-Mod".
struct RingModEffect {
    std::int32_t waveform = 0;
    float increment = 0.0f; // cycles per sample
    float amount = 0.0f;
};

} // namespace effects
