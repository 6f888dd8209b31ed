#pragma once

// What the five envelope generators share: the time law that turns a 0..1
// stage value into a level step per 16-sample block, the curve exponents, the
// kill step, and the two interpolated tracks (linear level and curved output)
// that the owners step every sample or every fourth sample between blocks.
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

// Level change per block of a stage with value x (already clamped): the stage
// lasts about 2^(timeScale * x) ms, 1 ms at x = 0.
float envelopeRate(float x, float timeScale, float sampleRate, float gain, float factor);

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

// Applies one block of the kill fade; true once the level has reached 0.
inline bool killStep(float& level)
{
    level -= kKillStepPerBlock;
    if (level < 0.0f) {
        level = 0.0f;
        return true;
    }
    return false;
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

    void step() { run += inc; }
    void step4() { run += inc4; }
};

} // namespace dsp
