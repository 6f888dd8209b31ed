#pragma once

#include "engine/voices/voice_curves.h"

namespace modulation {
struct ModDestinationTable;
}

namespace voices {

// What a voice multiplies its output by, refreshed every 16 of its samples.
struct VoiceOutputLevels {
    float gain = 0.0f;  // volume law times the velocity factor
    float left = 0.0f;  // gain times the left balance gain
    float right = 0.0f;
    float distortion1 = 0.0f; // "Distort 1" and "Distort 2" with their modulation, 0..1
    float distortion2 = 0.0f;
};

// The offsets from outside the slot's own parameters.
struct VoiceOutputOffsets {
    float globalVolume = 0.0f; // "Main Volume" modulation
    float globalPan = 0.0f;    // "Main Pan" modulation
    float notePan = 0.0f;      // the note's own pan offset (pattern steps)
};

// Volume (-60 dB .. 0 dB over the fader, silent at the bottom), balance and
// the distortion amounts of the voice in `slot`, from its mixer and
// distortion parameters plus the slot's modulation cells.
VoiceOutputLevels voiceOutputLevels(const float* params, int slot, const modulation::ModDestinationTable& table,
                                    const VoiceOutputOffsets& offsets, float velocityFactor, DbGainMemo& volumeGain);

} // namespace voices
