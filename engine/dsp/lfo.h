#pragma once

#include <cmath>
#include <cstdint>

namespace dsp {

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
    void setRate(float speed, float sync, float tempo, float factor);

    // Phase step without shape or humanisation.
    void advance()
    {
        phase_ += increment_ * rateFactor_;
        if (phase_ >= 1.0f)
            phase_ -= std::floor(phase_);
    }
    // Phase step, new random values at each cycle start, and the wave value.
    void output();

    // The saws run 0..1, the other waves -1..1.
    float bipolarOutput() const { return bipolarOut_; }
    float unipolarOutput() const { return unipolarOut_; }

    float increment() const { return increment_; }
    float phase() const { return phase_; }

private:
    // An out-of-range wave value plays silence.
    static constexpr std::int32_t kSilentWave = 6;

    float sampleRate_ = 44100.0f;
    float rateGain_ = 16.0f;
    float increment_ = 0.0f;
    float humanize_ = 0.0f;
    float symmetry_ = 0.5f;
    float symmetryRise_ = 2.0f;
    float symmetryFall_ = 2.0f;
    float phase_ = 0.0f;
    float rateFactor_ = 1.0f;
    float bipolarOut_ = 0.0f;
    float unipolarOut_ = 0.5f;
    float heldRandom_ = 0.0f;
    std::int32_t wave_ = kSine;
};

} // namespace dsp
