#pragma once

#include <cstdint>

namespace effects {

// The coefficients of "Amp Sim".
struct AmpSimEffect {
    std::int32_t ampType = 0;
    float drive = 0.0f;
    float bass = 0.0f;
    float treble = 0.0f;
    float volume = 0.0f;
};

} // namespace effects
