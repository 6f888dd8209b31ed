#pragma once

namespace effects {

// The coefficients of "Compressor".
struct CompressorEffect {
    float threshold = 0.0f;
    float makeup = 0.0f;
    float slope = 1.0f;
    float attack = 0.0f;
    float release = 0.0f;
    float volume = 0.0f;
};

} // namespace effects
