#pragma once

namespace effects {

// The coefficients of "Equalizer".
struct EqualizerEffect {
    static constexpr int kBands = 5;
    float gains[kBands] = {};
};

} // namespace effects
