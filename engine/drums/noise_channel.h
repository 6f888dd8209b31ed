#pragma once

#include "engine/filters/voice_filter.h"

#include <cmath>

namespace drums {

// How a voice's noise runs through its model filter: mono, or, once the
// "Offset" is audible, as two channels whose filters sit half the offset in
// octaves above and below, mixed back together by the "Spread".
struct NoiseChannel {
    bool stereo = false;
    float offsetUp = 1.0f;
    float offsetDown = 1.0f;
    float spreadCross = 1.0f; // how much of the other channel each side takes
    float spreadNorm = 0.5f;  // keeps the sum of the two at unit level

    void start(float offset, float spread)
    {
        constexpr float kAudibleOffset = 0.001f;
        if (offset > kAudibleOffset)
            startStereo(offset, spread);
    }

    // Two channels even without an offset: each side filters its own noise.
    void startStereo(float offset, float spread)
    {
        stereo = true;
        offsetUp = std::exp2(0.5f * offset);
        offsetDown = std::exp2(-0.5f * offset);
        spreadCross = 1.0f - spread;
        spreadNorm = 1.0f / (2.0f - spread);
    }

    void tune(dsp::VoiceFilter& filter, float frequency, float q, float factor) const
    {
        if (stereo)
            filter.setParametersStereo(frequency * offsetUp, frequency * offsetDown, q, factor, factor);
        else
            filter.setParameters(frequency, q, factor);
    }
};

} // namespace drums
