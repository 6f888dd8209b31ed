#pragma once

#include <cstdint>

namespace effects {

// A stereo reverberator: ten parallel damped combs per side, a low-pass and
// high-pass pair, then four series all-passes per side. Every buffer is a
// fixed array sized for the highest sample rate the plug-in accepts, so a
// rate change only recomputes lengths and nothing is ever allocated.
class ReverbEngine {
public:
    static constexpr int kCombCount = 10;
    static constexpr int kAllpassCount = 4;
    static constexpr int kSides = 2;
    static constexpr std::uint32_t kCombFrames = 32768;
    // Holds the longest all-pass, (556 + 23) samples at 44.1 kHz, at 500 kHz.
    static constexpr std::int32_t kAllpassCapacity = 8192;
    // The engine's own pre-delay is a few samples (the slot sweeps it up to 8): a ring no longer than that
    // keeps the samples it writes in the cache lines it reads.
    static constexpr std::uint32_t kPreDelayLength = 16;
    static constexpr std::uint32_t kPreDelayMask = kPreDelayLength - 1;
    // The right side's tunings are this many samples (at 44.1 kHz) longer, to decorrelate the sides.
    static constexpr std::int32_t kStereoSpread = 23;
    // The most frames worked out ahead at once.
    static constexpr int kPlanFrames = 16;

    void init();
    void setSampleRate(float rate);
    void clear();

    void setRoomSize(float x);
    void setDamping(float x);
    void setFilters(float lowPass, float highPass);
    void setLengthScale(float scale);
    void setLengthFactors(float left, float right);
    // At most kPreDelayLength - 1 samples.
    void setPreDelay(std::uint32_t samples);

    // Inline: the reverbs call it twice a sample, and all but every 16th call only moves values.
    void process(float inLeft, float inRight, float& outLeft, float& outRight)
    {
        preDelayCounter_ = (preDelayCounter_ + 1) & kPreDelayMask;
        preDelay_[preDelayCounter_] = inLeft;
        const float x = preDelay_[(preDelayCounter_ + preDelayReadOffset_) & kPreDelayMask];
        if (planPosition_ == planFrames_)
            startPlan();
        const int frame = planPosition_++;
        planInput_[0][frame] = x;
        planInput_[1][frame] = inRight;
        outLeft = planOutput_[0][frame];
        outRight = planOutput_[1][frame];
    }

    std::int32_t combLength(int side, int comb) const { return combLength_[side][comb]; }
    std::int32_t allpassLength(int side, int k) const { return allpasses_[side][k].length; }
    float feedback() const { return feedback_; }
    float lowPassCoefficient() const { return lowPassA_; }
    float highPassCoefficient() const { return highPassB_; }

private:
    struct Allpass {
        float buffer[kAllpassCapacity];
        std::int32_t length;
        std::int32_t index;
    };

    static constexpr int kCombs = kSides * kCombCount;

    void buildDelayLines();
    void updateCoefficients();
    void setCombLength(int side, int comb, float samples);
    void updateShortestDelay();
    // What a comb or an all-pass reads was written at least its length before, and a frame's input reaches
    // nothing but what the combs write: so the combs' states, the filters, the all-passes and the outputs
    // are worked out ahead for up to kPlanFrames frames, and only the combs' writes wait for the frames'
    // inputs. The plan is finished (its writes made) when it is used up and before any length or
    // coefficient changes.
    void startPlan();
    void finishPlan();
    // The sums and each comb's states over the plan's frames, from what each comb reads in them.
    void planPart(const float* const* reads, std::int32_t frames);
    void planFull(const float* const* reads);
    void dropPlan() { planFrames_ = planPosition_ = 0; }
    void planOutputs(std::int32_t frames);

    float sampleRate_ = 44100.0f;
    float roomSize_ = 0.0f;
    float damping_ = 0.0f;
    float feedback_ = 0.0f;
    float damp1_ = 0.0f;
    float damp2_ = 1.0f;

    // One ring per comb, the ten left combs, then the ten right ones. A comb's
    // read and write points move one value a sample, so each comb loads a new
    // cache line only every 16 samples.
    // Rings a whole number of pages apart would put all twenty write points on the same cache sets, more
    // lines than a set holds: each ring starts one cache line further on than the one before. A plan's
    // writes start on a line, so they fill one line of each ring.
    // No initialiser: clear() reaches every frame read before it is written.
    static constexpr std::uint32_t kRingStagger = 16;
    alignas(64) float combMemory_[kCombs][kCombFrames + kRingStagger];
    // The ring index of the last frame written.
    std::uint32_t writeIndex_ = 0;
    std::int32_t combLength_[kSides][kCombCount] = {};
    // By comb, the ten left combs first, as the rings.
    std::uint32_t combOffset_[kCombs] = {};
    // The states after the last frame written; four at a time as the plan reads them.
    float combState_[kCombs] = {};
    float lengthFactor_[kCombCount] = {};
    // The longest comb the current rate can ask for; clearing only reaches this far back.
    std::int32_t longestComb_ = kCombFrames - 1;
    // Each ring's length less one: the smallest power of two above the longest comb.
    std::uint32_t combMask_ = kCombFrames - 1;

    // The shortest comb or all-pass, or kPlanFrames if none is shorter: no plan reaches further.
    std::int32_t shortestDelay_ = kPlanFrames;
    // The plan: the ring index of its first frame, each comb's states, the sums of what each side's combs
    // read, and the inputs of the frames processed so far.
    std::uint32_t planStart_ = 0;
    int planFrames_ = 0;
    int planPosition_ = 0;
    float planState_[kCombs][kPlanFrames] = {};
    float planSum_[kSides][kPlanFrames] = {};
    float planInput_[kSides][kPlanFrames] = {};
    // The filters' states, what the all-passes read, and the outputs, frame by frame.
    float planLow_[kSides][kPlanFrames] = {};
    float planHigh_[kSides][kPlanFrames] = {};
    float planAllpassRead_[kSides][kAllpassCount][kPlanFrames] = {};
    float planOutput_[kSides][kPlanFrames] = {};

    float lowPassA_ = 1.0f;
    float highPassB_ = 0.0f;
    float lowState_[kSides] = {};
    float highState_[kSides] = {};

    // Built, and cleared as far as each reads, by init().
    Allpass allpasses_[kSides][kAllpassCount];

    float preDelay_[kPreDelayLength];
    std::uint32_t preDelayCounter_ = 0;
    std::uint32_t preDelayReadOffset_ = 0;
};

} // namespace effects
