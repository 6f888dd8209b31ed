#pragma once

namespace effects {

// One band-pass band of the master equalizer: feed-forward (b0, 0, -b0) and
// feedback coefficients, and the band's last three outputs per side in a ring
// at the shared equalizer taps.
struct EqualizerBand {
    float b0 = 0.0f;
    float b1 = 0.0f;
    float b2 = 0.0f;
    float a1 = 0.0f;
    float a2 = 0.0f;
    float output[2][3] = {};

    // Centre frequency in Hz; also clears the history.
    void setup(float frequency, float sampleRate);
};

} // namespace effects
