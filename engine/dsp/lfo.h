#pragma once

#include "engine/dsp/random_source.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace dsp {

// What sets an LFO's speed: see Lfo::setRate.
struct LfoRate {
    float speed = 0.0f;
    float sync = 0.0f;
    float tempo = 0.0f;
    float factor = 0.0f;
};

// Phase oscillator with six wave shapes, an adjustable midpoint (symmetry), a
// rate that may wander randomly from cycle to cycle (humanise), and a free or
// tempo-synchronised speed. The increment is per call of output or advance,
// so the caller's call rate sets the actual frequency.
class Lfo {
public:
    enum Wave : std::int32_t { kSine, kTriangle, kSawUp, kSawDown, kSquare, kSampleAndHold };

    void init(float sampleRate);
    void resetPhase();

    void setHumanize(float depth) { humanize_ = depth; }
    void setSymmetry(float x);
    void setWave(float x);
    // speed 0..1; sync >= 0.5 picks a note length against the tempo in BPM.
    // Callers set it every sample with inputs that rarely move, so the same
    // inputs as last time keep the increment they gave.
    void setRate(float speed, float sync, float tempo, float factor)
    {
        if (keepsRate(speed, sync, tempo, factor))
            return;
        const std::uint32_t inputs[kRateInputs] = {bits(speed), bits(sync), bits(tempo), bits(factor)};
        for (int i = 0; i < kRateInputs; ++i)
            rateInputs_[i] = inputs[i];
        computeIncrement(speed, sync, tempo, factor);
    }
    void setRate(const LfoRate& r) { setRate(r.speed, r.sync, r.tempo, r.factor); }
    bool keepsRate(const LfoRate& r) const { return keepsRate(r.speed, r.sync, r.tempo, r.factor); }
    // Whether setRate with these inputs would leave the increment as it is.
    bool keepsRate(float speed, float sync, float tempo, float factor) const
    {
        return bits(speed) == rateInputs_[0] && bits(sync) == rateInputs_[1] && bits(tempo) == rateInputs_[2] &&
               bits(factor) == rateInputs_[3];
    }

    // Phase step without shape or humanisation.
    void advance()
    {
        phase_ += increment_ * rateFactor_;
        if (phase_ >= 1.0f)
            phase_ -= std::floor(phase_);
    }
    // The phase that many calls of advance would leave, to the bit, at a
    // cost that grows with the binades the phase passes rather than the steps.
    void advance(std::uint32_t steps);
    // How many calls of output, at most `limit`, are sure to leave the phase
    // below 1: none of them starts a cycle. It may answer fewer than there are.
    std::uint32_t stepsBeforeCycleStart(std::uint32_t limit) const;
    // That many calls of output, none of which starts a cycle, in one run.
    void outputRun(std::uint32_t steps)
    {
        if (steps == 0)
            return;
        advance(steps);
        valuePhase_ = phase_;
        valuePending_ = true;
    }
    // Phase step and new random values at each cycle start. The wave value is
    // read far less often than the phase steps, so it is worked out when read,
    // from the phase this step left; whatever else it depends on settles the
    // value before it changes.
    void output()
    {
        phase_ += increment_ * rateFactor_;
        if (phase_ >= 1.0f) {
            phase_ -= std::floor(phase_);
            heldRandom_ = 2.0f * randomUnit() - 1.0f;
            rateFactor_ = humanize_ * randomUnit() + 1.0f;
        }
        valuePhase_ = phase_;
        valuePending_ = true;
    }

    // The saws run 0..1, the other waves -1..1.
    float bipolarOutput() const
    {
        settle();
        return bipolarOut_;
    }
    float unipolarOutput() const
    {
        settle();
        return unipolarOut_;
    }

    float increment() const { return increment_; }
    float phase() const { return phase_; }

private:
    // An out-of-range wave value plays silence.
    static constexpr std::int32_t kSilentWave = 6;
    static constexpr int kRateInputs = 4;
    // The bits of a NaN no caller passes, so the first setRate always computes.
    static constexpr std::uint32_t kNoRateInput = 0x7fc0dead;

    // Compared by their bits, so that a NaN or a signed zero is the same input only as itself.
    static std::uint32_t bits(float x) { return std::bit_cast<std::uint32_t>(x); }
    void computeIncrement(float speed, float sync, float tempo, float factor);
    void settle() const
    {
        if (valuePending_)
            evaluate();
    }
    void evaluate() const;

    float sampleRate_ = 44100.0f;
    float rateGain_ = 16.0f;
    float increment_ = 0.0f;
    float humanize_ = 0.0f;
    float symmetry_ = 0.5f;
    float symmetryRise_ = 2.0f;
    float symmetryFall_ = 2.0f;
    float phase_ = 0.0f;
    float rateFactor_ = 1.0f;
    float heldRandom_ = 0.0f;
    std::int32_t wave_ = kSine;
    std::uint32_t rateInputs_[kRateInputs] = {kNoRateInput, kNoRateInput, kNoRateInput, kNoRateInput};
    // The last output's wave value, worked out on its first read from the phase it left.
    float valuePhase_ = 0.0f;
    mutable bool valuePending_ = false;
    mutable float bipolarOut_ = 0.0f;
    mutable float unipolarOut_ = 0.5f;
};

} // namespace dsp
