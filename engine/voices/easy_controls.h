#pragma once

namespace modulation {
struct ModDestinationTable;
}

namespace voices {

// The global "Easy" macro knobs (and their modulation cells) as one slot's
// pitch offsets, speed factors and filter and LFO offsets.
struct EasyControls {
    float synthPitchOctaves = 0.0f;
    float synthPitchFactor = 1.0f;
    float samplePitchOctaves = 0.0f;
    float samplePitchFactor = 1.0f;
    float synthDecayFactor = 1.0f;
    float sampleDecayFactor = 1.0f;
    float pitchEnvSpeedFactor = 1.0f;
    float filterFreqOffset = 0.0f;
    float filterQOffset = 0.0f;
    float lfoAmountOffset = 0.0f;
    float lfoSpeedFactor = 1.0f;
};

// The slot's record from the current parameters and its destination table;
// with the slot's "Easy Bypass" on, every control is neutral.
EasyControls computeEasyControls(const float* params, int slot, const modulation::ModDestinationTable& table);

} // namespace voices
