#include "engine/effects/reverb_engine.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
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

// Four floats worked on at once, each lane rounded as a float of its own.
using Lanes = float __attribute__((vector_size(16)));
constexpr int kLanes = 4;
static_assert(ReverbEngine::kPlanFrames % kLanes == 0);
static_assert(ReverbEngine::kSides * ReverbEngine::kCombCount % kLanes == 0);

Lanes lanes(float x) { return Lanes{x, x, x, x}; }

Lanes load(const float* p)
{
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void store(float* p, Lanes v) { std::memcpy(p, &v, sizeof v); }

// Four rows of four become four columns.
void transpose(Lanes (&f)[kLanes])
{
    const Lanes ab01 = __builtin_shufflevector(f[0], f[1], 0, 4, 1, 5);
    const Lanes ab23 = __builtin_shufflevector(f[0], f[1], 2, 6, 3, 7);
    const Lanes cd01 = __builtin_shufflevector(f[2], f[3], 0, 4, 1, 5);
    const Lanes cd23 = __builtin_shufflevector(f[2], f[3], 2, 6, 3, 7);
    f[0] = __builtin_shufflevector(ab01, cd01, 0, 1, 4, 5);
    f[1] = __builtin_shufflevector(ab01, cd01, 2, 3, 6, 7);
    f[2] = __builtin_shufflevector(ab23, cd23, 0, 1, 4, 5);
    f[3] = __builtin_shufflevector(ab23, cd23, 2, 3, 6, 7);
}

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
    dropPlan();
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
    updateShortestDelay();
    clear();
}

void ReverbEngine::setCombLength(int side, int comb, float samples)
{
    const std::int32_t length = roundedLength(samples, longestComb_);
    if (length != combLength_[side][comb])
        finishPlan();
    combLength_[side][comb] = length;
    combOffset_[side * kCombCount + comb] = combMask_ + 1 - static_cast<std::uint32_t>(length);
}

// A comb reads at most longestComb_ frames behind the write index, and the
// index restarts at 0: only the frames read before they are written again
// need clearing, which keeps a type change cheap on the audio thread.
void ReverbEngine::clear()
{
    dropPlan();
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
    if (feedback_ != roomSize_ || damp1_ != damping_ || damp2_ != 1.0f - damping_)
        finishPlan();
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
    const float lowPassA = 2.0f * fl > kLowPassOpen ? 1.0f : 2.0f * fl;
    const float highPassB = 2.0f * fh < kHighPassClosed ? 0.0f : 2.0f * fh;
    if (lowPassA != lowPassA_ || highPassB != highPassB_)
        finishPlan();
    lowPassA_ = lowPassA;
    highPassB_ = highPassB;
}

void ReverbEngine::setLengthScale(float scale)
{
    const float k = sampleRate_ * scale / kTuningRate;
    for (int side = 0; side < kSides; ++side)
        for (int comb = 0; comb < kCombCount; ++comb)
            setCombLength(side, comb, sideTuning(kCombTunings[comb], side) * k * lengthFactor_[comb]);
    updateShortestDelay();
}

void ReverbEngine::updateShortestDelay()
{
    shortestDelay_ = kPlanFrames;
    for (int side = 0; side < kSides; ++side) {
        for (std::int32_t length : combLength_[side])
            shortestDelay_ = std::min(shortestDelay_, length);
        for (const Allpass& allpass : allpasses_[side])
            shortestDelay_ = std::min(shortestDelay_, allpass.length);
    }
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

// A comb's states depend only on what it reads, never on this frame's input, so they are followed frame by
// frame ahead of the inputs; the sums add in comb order, as one frame at a time would.
void ReverbEngine::startPlan()
{
    finishPlan();
    const std::uint32_t start = (writeIndex_ + 1) & combMask_;
    const std::uint32_t ringFrames = combMask_ + 1;
    // A plan reads nothing it writes and writes no further than the end of the rings. It ends where a line
    // of the rings does: a plan cut short puts the next one back on the lines.
    const std::int32_t frames = std::min({kPlanFrames - static_cast<std::int32_t>(start % kPlanFrames),
                                          static_cast<std::int32_t>(ringFrames - start), shortestDelay_});

    const float* reads[kCombs];
    float acrossTheEnd[kCombs][kPlanFrames];
    for (int k = 0; k < kCombs; ++k) {
        const float* ring = combMemory_[k];
        const std::uint32_t read = (start + combOffset_[k]) & combMask_;
        reads[k] = ring + read;
        if (read + static_cast<std::uint32_t>(frames) > ringFrames) {
            for (std::int32_t i = 0; i < frames; ++i)
                acrossTheEnd[k][i] = ring[(read + static_cast<std::uint32_t>(i)) & combMask_];
            reads[k] = acrossTheEnd[k];
        }
    }
    if (frames == kPlanFrames)
        planFull(reads);
    else
        planPart(reads, frames);
    planOutputs(frames);
    // The rings are too many for the cache to follow on its own: the lines this plan will write, and those
    // the next one reads, are fetched while the samples between are rendered.
    for (int k = 0; k < kCombs; ++k) {
        float* ring = combMemory_[k];
        __builtin_prefetch(ring + start, 1);
        __builtin_prefetch(ring + ((start + combOffset_[k] + kPlanFrames) & combMask_));
        __builtin_prefetch(ring + ((start + combOffset_[k] + 2 * kPlanFrames - 1) & combMask_));
    }
    planStart_ = start;
    planFrames_ = frames;
    planPosition_ = 0;
}

void ReverbEngine::planPart(const float* const* reads, std::int32_t frames)
{
    for (int side = 0; side < kSides; ++side) {
        float* sums = planSum_[side];
        std::fill(sums, sums + kPlanFrames, kDenormalOffset);
        for (int k = side * kCombCount; k < (side + 1) * kCombCount; ++k)
            for (std::int32_t i = 0; i < frames; ++i)
                sums[i] += reads[k][i];
    }
    for (int k = 0; k < kCombs; ++k) {
        float state = combState_[k];
        for (std::int32_t i = 0; i < frames; ++i) {
            state = damp1_ * state + damp2_ * reads[k][i] + kDenormalOffset;
            planState_[k][i] = state;
        }
    }
}

// Four combs side by side in four lanes, frame after frame: what each reads is turned from rows of frames
// into columns of combs and back, four frames at a time. Each group of four waits on its own last state,
// so the groups take their frames in turn: the processor works on one while another's state is pending.
void ReverbEngine::planFull(const float* const* reads)
{
    for (int side = 0; side < kSides; ++side) {
        Lanes sums[kPlanFrames / kLanes];
        std::fill(std::begin(sums), std::end(sums), lanes(kDenormalOffset));
        for (int k = side * kCombCount; k < (side + 1) * kCombCount; ++k)
            for (int n = 0; n < kPlanFrames / kLanes; ++n)
                sums[n] += load(reads[k] + n * kLanes);
        for (int n = 0; n < kPlanFrames / kLanes; ++n)
            store(planSum_[side] + n * kLanes, sums[n]);
    }
    const Lanes damp1 = lanes(damp1_);
    const Lanes damp2 = lanes(damp2_);
    const Lanes offset = lanes(kDenormalOffset);
    constexpr int kGroups = kCombs / kLanes;
    Lanes states[kGroups];
    for (int g = 0; g < kGroups; ++g)
        states[g] = load(combState_ + g * kLanes);
    for (int i = 0; i < kPlanFrames; i += kLanes) {
        for (int g = 0; g < kGroups; ++g) {
            const int k = g * kLanes;
            Lanes f[kLanes] = {load(reads[k] + i), load(reads[k + 1] + i), load(reads[k + 2] + i),
                               load(reads[k + 3] + i)};
            transpose(f);
            Lanes state = states[g];
            for (Lanes& frame : f)
                frame = state = damp1 * state + damp2 * frame + offset;
            states[g] = state;
            transpose(f);
            for (int lane = 0; lane < kLanes; ++lane)
                store(planState_[k + lane] + i, f[lane]);
        }
    }
}

namespace {

// The ring index an all-pass takes next.
std::int32_t nextIndex(std::int32_t index, std::int32_t length) { return index + 1 == length ? 0 : index + 1; }

// Frames of a ring of the given length from index first on, round its end.
void readRing(const float* ring, std::int32_t length, std::int32_t first, std::int32_t frames, float* to)
{
    const std::int32_t beforeEnd = std::min(frames, length - first);
    for (std::int32_t i = 0; i < beforeEnd; ++i)
        to[i] = ring[first + i];
    for (std::int32_t i = beforeEnd; i < frames; ++i)
        to[i] = ring[i - beforeEnd];
}

void writeRing(float* ring, std::int32_t length, std::int32_t first, std::int32_t frames, const float* from)
{
    const std::int32_t beforeEnd = std::min(frames, length - first);
    for (std::int32_t i = 0; i < beforeEnd; ++i)
        ring[first + i] = from[i];
    for (std::int32_t i = beforeEnd; i < frames; ++i)
        ring[i - beforeEnd] = from[i];
}

// One all-pass over the frames of its ring from index first on: y holds its input and is left holding its
// output; what it reads is kept in `read`, so that a plan cut short can put it back.
void runAllpass(float* ring, std::int32_t length, std::int32_t first, std::int32_t frames, float* y, float* read)
{
    constexpr float kAllpassFeedback = 0.5f;
    if (frames == ReverbEngine::kPlanFrames && first + ReverbEngine::kPlanFrames <= length) {
        float* at = ring + first;
        for (int i = 0; i < ReverbEngine::kPlanFrames; i += kLanes) {
            const Lanes ov = load(at + i);
            const Lanes yv = load(y + i);
            store(read + i, ov);
            store(at + i, lanes(kAllpassFeedback) * ov + yv + lanes(kDenormalOffset));
            store(y + i, ov - yv);
        }
        return;
    }
    readRing(ring, length, first, frames, read);
    float written[ReverbEngine::kPlanFrames];
    for (std::int32_t i = 0; i < frames; ++i) {
        written[i] = kAllpassFeedback * read[i] + y[i] + kDenormalOffset;
        y[i] = read[i] - y[i];
    }
    writeRing(ring, length, first, frames, written);
}

} // namespace

// The filters and the all-passes take only the sums, so the outputs are known as soon as the combs' plan.
// The all-passes write at once: none reads within its length of a write.
void ReverbEngine::planOutputs(std::int32_t frames)
{
    constexpr float kOutputGain = 0.025f;
    const float lowPassA = lowPassA_;
    const float highPassB = highPassB_;
    // The sides' filters wait each on its own last state: they take their frames in turn.
    float y[kSides][kPlanFrames];
    float p[kSides] = {lowState_[0], lowState_[1]};
    float q[kSides] = {highState_[0], highState_[1]};
    for (std::int32_t i = 0; i < frames; ++i) {
        for (int side = 0; side < kSides; ++side) {
            p[side] = planSum_[side][i] * lowPassA + p[side] * (1.0f - lowPassA);
            q[side] = p[side] * highPassB + q[side] * (1.0f - highPassB);
            planLow_[side][i] = p[side];
            planHigh_[side][i] = q[side];
            y[side][i] = p[side] - q[side];
        }
    }
    for (int side = 0; side < kSides; ++side) {
        for (Allpass& allpass : allpasses_[side]) {
            const auto n = &allpass - allpasses_[side];
            runAllpass(allpass.buffer, allpass.length, nextIndex(allpass.index, allpass.length), frames, y[side],
                       planAllpassRead_[side][n]);
        }
        for (std::int32_t i = 0; i < frames; ++i)
            planOutput_[side][i] = kOutputGain * y[side][i];
    }
}

void ReverbEngine::finishPlan()
{
    const int frames = planPosition_;
    const int planned = planFrames_;
    dropPlan();
    if (frames == 0)
        return;
    if (frames == kPlanFrames) {
        const Lanes feedback = lanes(feedback_);
        const Lanes offset = lanes(kDenormalOffset);
        for (int side = 0; side < kSides; ++side) {
            Lanes input[kPlanFrames / kLanes];
            for (int n = 0; n < kPlanFrames / kLanes; ++n)
                input[n] = load(planInput_[side] + n * kLanes);
            for (int k = side * kCombCount; k < (side + 1) * kCombCount; ++k)
                for (int n = 0; n < kPlanFrames / kLanes; ++n)
                    store(combMemory_[k] + planStart_ + n * kLanes,
                          load(planState_[k] + n * kLanes) * feedback + input[n] + offset);
        }
    } else {
        for (int k = 0; k < kCombs; ++k)
            for (int i = 0; i < frames; ++i)
                combMemory_[k][planStart_ + static_cast<std::uint32_t>(i)] =
                    planState_[k][i] * feedback_ + planInput_[k / kCombCount][i] + kDenormalOffset;
    }
    for (int k = 0; k < kCombs; ++k)
        combState_[k] = planState_[k][frames - 1];
    writeIndex_ = planStart_ + static_cast<std::uint32_t>(frames) - 1;
    for (int side = 0; side < kSides; ++side) {
        lowState_[side] = planLow_[side][frames - 1];
        highState_[side] = planHigh_[side][frames - 1];
        for (int n = 0; n < kAllpassCount; ++n) {
            Allpass& allpass = allpasses_[side][n];
            const std::int32_t first = nextIndex(allpass.index, allpass.length);
            const std::int32_t last = first + frames - 1;
            allpass.index = last < allpass.length ? last : last - allpass.length;
            // Frames planned but never reached: what was read there goes back.
            if (planned > frames)
                writeRing(allpass.buffer, allpass.length, nextIndex(allpass.index, allpass.length), planned - frames,
                          planAllpassRead_[side][n] + frames);
        }
    }
}

} // namespace effects
