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

// The powers of two the easy controls take from the global easy knobs, the
// same for every slot: worked out again only when one of those knobs has moved.
class EasyPowers {
public:
    void update(const float* params);

    float synthOctaves = 0.0f;
    float synthPitchFactor = 1.0f;
    float sampleOctaves = 0.0f;
    float samplePitchFactor = 1.0f;
    float synthDecayFactor = 1.0f;
    float sampleDecayFactor = 1.0f;
    float pitchEnvSpeedFactor = 1.0f;
    float lfoSpeedFactor = 1.0f;

private:
    static constexpr int kKnobs = 8;
    // The knob values the powers were worked out from, once they have been.
    float knobs_[kKnobs] = {};
    bool computed_ = false;
};

// The slot's record from the current parameters, the powers updated from
// them and its destination table; with the slot's "Easy Bypass" on, every
// control is neutral.
EasyControls computeEasyControls(const float* params, int slot, const modulation::ModDestinationTable& table,
                                 const EasyPowers& powers);

} // namespace voices
