#pragma once

#include <cstdint>

namespace effects {

// The coefficients of "Cabinet".
struct CabinetEffect {
    std::int32_t cabinet = 0;
    float drive = 0.0f;
    float bass = 0.0f;
    float treble = 0.0f;
    float volume = 0.0f;
};

} // namespace effects
