#pragma once

#include "engine/dsp/time_conversion.h"

// What the five envelope generators share: the time law of their stages, the
// curve exponents, the kill, and the core each of them runs its stages on.
namespace dsp {

// 0 below 0, 1 above 1; a NaN passes through unchanged.
inline float clamp01(float x)
{
    if (x < 0.0f)
        return 0.0f;
    if (x > 1.0f)
        return 1.0f;
    return x;
}

// Envelopes move once per block of this many samples and interpolate between.
inline constexpr int kEnvelopeBlockSize = 16;

// log2 of the longest stage time in ms until an owner sets its own: 16384 ms.
inline constexpr float kDefaultEnvelopeTimeScale = 14.0f;

// A stolen voice fades by this much per block: from full level in 34 blocks.
inline constexpr float kKillStepPerBlock = 0.03f;

// log2 of the longest stage time in ms, the time scale of a timed stage.
float envelopeTimeScale(float longestMs);

// 2^range at x = 0, 1 at x = 0.5, 2^-range at x = 1.
float curveExponent(float x, float range);

// Decay stages may not end faster than their minimum: the upper bound first,
// then the owner's lower bound (a NaN passes through).
inline float clampDecayValue(float x, float minimum)
{
    if (x > 1.0f)
        x = 1.0f;
    if (x < minimum)
        x = minimum;
    return x;
}

// One interpolated track: the value readers see, the block's start and end
// values, and the increments that carry it from start to end in one block.
struct EnvelopeTrack {
    float run = 0.0f;
    float start = 0.0f;
    float end = 0.0f;
    float inc = 0.0f;
    float inc4 = 0.0f;

    void hold(float value)
    {
        run = start = end = value;
        inc = inc4 = 0.0f;
    }

    // The new block starts where the last one was meant to end.
    void beginBlock() { start = run = end; }

    void endBlock(float target)
    {
        end = target;
        inc = (end - start) * (1.0f / kEnvelopeBlockSize);
        inc4 = 4.0f * inc;
    }

    // A whole block spent at 0: the stages have run out.
    bool restsAtZero() const { return end == 0.0f && start == 0.0f; }

    void step() { run += inc; }
    void step4() { run += inc4; }
};

// The working level an envelope's stages move once per block, its linear level
// track and curved output track, and whether it runs or fades after a kill.
// A block is beginBlock, the stages unless fadeKilled took the block, then
// endBlock with the output the owner's curve gives.
struct EnvelopeCore {
    explicit EnvelopeCore(float atRest) : restLevel(atRest) { rest(); }

    // The level step per block of a stage with value x (already clamped).
    float rate(float x, float timeScale, float factor) const
    {
        return rampIncrement(x, timeScale, sampleRate, kEnvelopeBlockSize) * (gain * factor);
    }

    // Back at the resting level, stopped; a kill under way is left alone.
    void rest()
    {
        level = restLevel;
        levelTrack.hold(restLevel);
        outTrack.hold(restLevel);
        active = false;
    }

    void start()
    {
        killing = false;
        active = true;
    }

    void beginBlock()
    {
        levelTrack.beginBlock();
        outTrack.beginBlock();
    }

    // One block of the kill fade if a kill is under way; true if it took the block.
    bool fadeKilled()
    {
        if (!killing)
            return false;
        if (fall(kKillStepPerBlock)) {
            killing = false;
            active = false;
        }
        return true;
    }

    // Lowers the level by step, stopping at 0; true once it would pass 0.
    bool fall(float step)
    {
        level -= step;
        if (level < 0.0f) {
            level = 0.0f;
            return true;
        }
        return false;
    }

    // Raises the level by step, stopping at full level; true once it is there.
    bool rise(float step)
    {
        level += step;
        if (level >= 1.0f) {
            level = 1.0f;
            return true;
        }
        return false;
    }

    void endBlock(float output)
    {
        levelTrack.endBlock(level);
        outTrack.endBlock(output);
    }

    void step()
    {
        levelTrack.step();
        outTrack.step();
    }

    void step4()
    {
        levelTrack.step4();
        outTrack.step4();
    }

    float restLevel;
    float sampleRate = 44100.0f;
    float gain = 1.0f;
    float level = 0.0f;
    EnvelopeTrack levelTrack;
    EnvelopeTrack outTrack;
    bool active = false;
    bool killing = false;
};

} // namespace dsp
