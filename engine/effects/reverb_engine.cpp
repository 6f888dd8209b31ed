#include "engine/effects/reverb_engine.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <iterator>

namespace effects {

namespace {

// The tunings, in samples at 44.1 kHz, of the left side: mutually prime-ish
// lengths so that the combs' echoes do not pile up on common multiples.
constexpr float kCombTunings[ReverbEngine::kCombCount] = {1116.0f, 1188.0f, 1277.0f, 1356.0f, 1422.0f,
                                                          1491.0f, 1557.0f, 1617.0f, 1680.0f, 1046.0f};
constexpr float kAllpassTunings[ReverbEngine::kAllpassCount] = {556.0f, 441.0f, 341.0f, 225.0f};
constexpr float kLongestCombTuning = 1680.0f + ReverbEngine::kStereoSpread;
constexpr float kTuningRate = 44100.0f;

// The slot scales the combs by at most 4, times 1.1 for its second engine,
// and wobbles them by at most 0.2 %.
constexpr float kLargestLengthReach = 4.0f * 1.1f * 1.002f;

// Keeps the recursive states away from denormal numbers.
constexpr float kDenormalOffset = 1e-8f;

float sideTuning(float tuning, int side) { return tuning + static_cast<float>(side * ReverbEngine::kStereoSpread); }

std::int32_t roundedLength(float samples, std::int32_t longest)
{
    const float rounded = samples + 0.5f;
    if (!(rounded >= 1.0f))
        return 1;
    return rounded >= static_cast<float>(longest) ? longest : static_cast<std::int32_t>(rounded);
}

} // namespace

void ReverbEngine::init()
{
    sampleRate_ = kTuningRate;
    setRoomSize(0.5f);
    setDamping(0.5f);
    buildDelayLines();
    preDelayCounter_ = 0;
    preDelayReadOffset_ = 0;
}

void ReverbEngine::setSampleRate(float rate)
{
    if (rate == 0.0f || rate == sampleRate_)
        return;
    sampleRate_ = rate;
    buildDelayLines();
}

void ReverbEngine::buildDelayLines()
{
    const float k = sampleRate_ / kTuningRate;
    longestComb_ = roundedLength(kLongestCombTuning * k * kLargestLengthReach, kCombFrames - 1);
    // The rings go round as soon as the longest comb allows: fewer cache lines in use at common rates.
    combMask_ = std::bit_ceil(static_cast<std::uint32_t>(longestComb_) + 1) - 1;
    for (int side = 0; side < kSides; ++side) {
        for (int comb = 0; comb < kCombCount; ++comb) {
            setCombLength(side, comb, sideTuning(kCombTunings[comb], side) * k);
            combState_[side * kCombCount + comb] = 0.0f;
        }
        for (int n = 0; n < kAllpassCount; ++n) {
            Allpass& allpass = allpasses_[side][n];
            allpass.length = roundedLength(sideTuning(kAllpassTunings[n], side) * k, kAllpassCapacity);
            allpass.index = 0;
        }
        lowState_[side] = highState_[side] = 0.0f;
    }
    std::fill(std::begin(lengthFactor_), std::end(lengthFactor_), 1.0f);
    clear();
}

void ReverbEngine::setCombLength(int side, int comb, float samples)
{
    const std::int32_t length = roundedLength(samples, longestComb_);
    combLength_[side][comb] = length;
    combOffset_[side * kCombCount + comb] = combMask_ + 1 - static_cast<std::uint32_t>(length);
}

// A comb reads at most longestComb_ frames behind the write index, and the
// index restarts at 0: only the frames read before they are written again
// need clearing, which keeps a type change cheap on the audio thread.
void ReverbEngine::clear()
{
    writeIndex_ = 0;
    std::fill(std::begin(combState_), std::end(combState_), 0.0f);
    for (float* ring : combMemory_) {
        ring[0] = 0.0f;
        const std::uint32_t frames = combMask_ + 1;
        std::fill(ring + frames - static_cast<std::uint32_t>(longestComb_), ring + frames, 0.0f);
    }
    for (int side = 0; side < kSides; ++side) {
        lowState_[side] = highState_[side] = 0.0f;
        for (Allpass& allpass : allpasses_[side])
            std::fill(allpass.buffer, allpass.buffer + allpass.length, 0.0f);
    }
    std::fill(std::begin(preDelay_), std::end(preDelay_), 0.0f);
    preDelayCounter_ = 0;
}

void ReverbEngine::setRoomSize(float x)
{
    // Maps 0..1 onto comb feedback 0.65 .. 0.98, with more travel for small rooms.
    constexpr float kRange = 0.24957899749279022f;
    constexpr float kSmallest = 0.65f;
    roomSize_ = std::log10(20.0f * x + 1.0f) * kRange + kSmallest;
    updateCoefficients();
}

void ReverbEngine::setDamping(float x)
{
    constexpr float kMostDamping = 0.55f;
    damping_ = kMostDamping * x;
    updateCoefficients();
}

void ReverbEngine::updateCoefficients()
{
    feedback_ = roomSize_;
    damp1_ = damping_;
    damp2_ = 1.0f - damping_;
}

void ReverbEngine::setFilters(float lowPass, float highPass)
{
    constexpr float kHighestFraction = 0.3f;
    // A low-pass this open is inaudible and a high-pass this low does nothing: both are switched off.
    constexpr float kLowPassOpen = 0.59f;
    constexpr float kHighPassClosed = 0.01f;
    const float fl = std::min(20.0f * std::exp2(10.0f * lowPass) / sampleRate_, kHighestFraction);
    const float fh = std::min(20.0f * std::exp2(10.0f * highPass) / sampleRate_, kHighestFraction);
    lowPassA_ = 2.0f * fl > kLowPassOpen ? 1.0f : 2.0f * fl;
    highPassB_ = 2.0f * fh < kHighPassClosed ? 0.0f : 2.0f * fh;
}

void ReverbEngine::setLengthScale(float scale)
{
    const float k = sampleRate_ * scale / kTuningRate;
    for (int side = 0; side < kSides; ++side)
        for (int comb = 0; comb < kCombCount; ++comb)
            setCombLength(side, comb, sideTuning(kCombTunings[comb], side) * k * lengthFactor_[comb]);
}

void ReverbEngine::setLengthFactors(float left, float right)
{
    for (int comb = 0; comb < kCombCount; ++comb)
        lengthFactor_[comb] = comb % 2 == 0 ? left : right;
}

void ReverbEngine::setPreDelay(std::uint32_t samples)
{
    preDelayReadOffset_ = (kPreDelayLength - samples) & kPreDelayMask;
}

// The delayed values are read one by one; the states and the values written
// back follow element by element over all twenty combs, which the compiler
// works out four at a time. Each comb reads before it writes, as it always
// did, and the sums add in comb order.
void ReverbEngine::runCombs(float left, float right, float& sumLeft, float& sumRight)
{
    constexpr int kCombs = kSides * kCombCount;
    const std::uint32_t writeIndex = writeIndex_;
    float delayed[kCombs];
    float input[kCombs];
#pragma GCC unroll 20
    for (int k = 0; k < kCombs; ++k) {
        delayed[k] = combMemory_[k][(writeIndex + combOffset_[k]) & combMask_];
        input[k] = k < kCombCount ? left : right;
    }
    const float damp1 = damp1_;
    const float damp2 = damp2_;
    const float feedback = feedback_;
    float written[kCombs];
    for (int k = 0; k < kCombs; ++k) {
        const float state = damp1 * combState_[k] + damp2 * delayed[k] + kDenormalOffset;
        combState_[k] = state;
        written[k] = state * feedback + input[k] + kDenormalOffset;
    }
#pragma GCC unroll 20
    for (int k = 0; k < kCombs; ++k)
        combMemory_[k][writeIndex] = written[k];
    float sum = kDenormalOffset;
#pragma GCC unroll 10
    for (int k = 0; k < kCombCount; ++k)
        sum += delayed[k];
    sumLeft = sum;
    sum = kDenormalOffset;
#pragma GCC unroll 10
    for (int k = kCombCount; k < kCombs; ++k)
        sum += delayed[k];
    sumRight = sum;
}

float ReverbEngine::runAllpasses(int side, float y)
{
    constexpr float kAllpassFeedback = 0.5f;
    for (Allpass& allpass : allpasses_[side]) {
        if (++allpass.index >= allpass.length)
            allpass.index = 0;
        float& stored = allpass.buffer[allpass.index];
        const float o = stored;
        stored = kAllpassFeedback * o + y + kDenormalOffset;
        y = o - y;
    }
    return y;
}

void ReverbEngine::process(float inLeft, float inRight, float& outLeft, float& outRight)
{
    // Keeps the many summed combs well inside full scale.
    constexpr float kOutputGain = 0.025f;
    preDelayCounter_ = (preDelayCounter_ + 1) & kPreDelayMask;
    preDelay_[preDelayCounter_] = inLeft;
    const float x = preDelay_[(preDelayCounter_ + preDelayReadOffset_) & kPreDelayMask];

    writeIndex_ = (writeIndex_ + 1) & combMask_;
    float sums[kSides];
    runCombs(x, inRight, sums[0], sums[1]);
    float out[kSides];
    for (int side = 0; side < kSides; ++side) {
        float& p = lowState_[side];
        float& q = highState_[side];
        p = sums[side] * lowPassA_ + p * (1.0f - lowPassA_);
        q = p * highPassB_ + q * (1.0f - highPassB_);
        out[side] = kOutputGain * runAllpasses(side, p - q);
    }
    outLeft = out[0];
    outRight = out[1];
}

} // namespace effects
