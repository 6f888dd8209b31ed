#pragma once

#include "plugin/parameters/pattern_parameters.h"

#include <cstdint>

namespace patterns {

using kravo::param::kStepCount;
using kravo::param::kTrackCount;

// One step sequencer: four tracks of sixteen steps, each track playing one
// drum pad, advanced every 16 samples by the engine. The step data are
// copies of the pattern's parameters, read at the start and again every 256
// samples, so edits are heard while the pattern plays.
struct PatternPlayer {
    std::uint8_t running = 0;
    std::uint8_t waiting = 1; // for the host grid before advancing
    std::uint8_t restart = 0; // the next tick rewinds
    std::uint32_t startStep = 0;
    std::uint32_t endStep = 15;
    float stepIncrement = 0.0f; // position per tick
    float position = 0.0f;      // within the current step, 0..1
    std::uint32_t step = 0;
    std::uint32_t swingPhase = 0; // 0 on even steps, 1 on odd ones
    float swingFactor[2] = {1.0f, 1.0f};
    float flamPoint = 0.0f;
    std::uint32_t tickCounter = 0;
    std::uint32_t trackPad[kTrackCount] = {};
    std::uint8_t stepOn[kTrackCount][kStepCount] = {};
    std::uint8_t stepFlam[kTrackCount][kStepCount] = {};
    std::uint8_t armed[kTrackCount] = {}; // may still fire in the current step
    std::uint32_t flamState = 0;          // 0 none, 1 due, 2 done
    float stepVelocity[kTrackCount][kStepCount] = {};
    float stepPitch[kTrackCount][kStepCount] = {}; // octaves
    float stepPan[kTrackCount][kStepCount] = {};   // offset, -0.5 .. 0.5
    float stepLength[kTrackCount][kStepCount] = {};
    float stepDelay[kTrackCount][kStepCount] = {}; // share of the step
    float sequence[kStepCount] = {};
    float smoothedValue = 0.0f;
    float humanFactor = 1.0f; // tempo factor
    std::uint32_t lastHostStep = 0;

    // What a start reads: loop bounds, swing, flam point and track pads.
    void readSettings(const float* values, int pattern);
    // What the player re-reads while it plays: step flags, step values and sequencer values.
    void readSteps(const float* values, int pattern);

    // One tick's move along the pattern: swing scales the step length, the
    // flam falls due past its point, and a step boundary moves on (looping
    // from the end step to the start step) and arms the tracks.
    void advance();
};

// The pad (0..23) a track of the pattern plays, from its "Track Pad" parameter.
std::uint32_t trackTargetPad(const float* values, int pattern, int track);

// Steps per tick at the pattern's "Speed", the tempo and rate, without humanisation.
float stepsPerTick(float speedValue, float tempo, float sampleRate);

// A tempo factor 2^(spread x humanisation^2): exactly 1 without humanisation.
float humanTempoFactor(float spread, float humanization);

} // namespace patterns
