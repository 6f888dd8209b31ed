#pragma once

#include "engine/filters/formant_table.h"
#include "engine/filters/state_variable_pass.h"

#include <array>
#include <cstdint>

namespace dsp {

// The master effects' filter types, numbered as the effect parameters store them.
enum class FxFilterType : std::uint32_t {
    Bypass = 0,
    LowPass6 = 1,
    HighPass6 = 2,
    LowPass12 = 3,
    HighPass12 = 4,
    BandPass12 = 5,
    Notch12 = 6,
    LowPass18 = 7,
    HighPass18 = 8,
    LowPass24 = 9,
    HighPass24 = 10,
    BandPass24 = 11,
    Notch24 = 12,
    Comb = 13,
    Vocal = 14,
};

// Multimode filter of the master effects: a drive stage, one of fifteen
// filter types and a hard limit at +-1. Coefficients change only in
// updateCoefficients, which the effects call at their control rate; process
// runs per sample through a kernel chosen when the type is set.
class FxFilter {
public:
    void init(float sampleRate);

    void setType(std::uint32_t type);
    // Callers pass the parameter value plus its modulation; clamped to 0..1 at the update.
    void setFrequency(float value) { frequencyValue_ = value; }
    void setResonance(float value);
    void setDrive(float a, float b);

    void updateCoefficients(bool smooth);

    float process(float x) { return kernel_(*this, x); }
    // Runs a block through the current type; the type is looked up once.
    void process(float* samples, int count);

    // One pass of the state-variable core without drive or limit, for the
    // effects that use its outputs directly.
    float bandPass(float x);
    float lowPass(float x);
    float highPass(float x);

    std::uint32_t type() const { return type_; }
    float cutoff() const { return cutoff_; }
    std::uint32_t combDelay() const { return combDelay_; }
    float combFeedback() const { return combFeedback_; }

private:
    using Kernel = float (*)(FxFilter&, float);
    static Kernel kernelFor(std::uint32_t type);
    template <FxFilterType T> static float processAs(FxFilter& f, float x);
    template <FxFilterType T> void processBlockAs(float* samples, int count);

    float applyDrive(float x) const;
    void clearStates();
    void computeCoefficients(float resonance);

    static constexpr int kCombLength = 8192;

    float sampleRate_ = 44100.0f;
    float inverseSampleRate_ = 1.0f / 44100.0f;
    std::uint32_t type_ = 0;
    std::uint32_t previousType_ = 0;
    Kernel kernel_ = nullptr;

    float frequencyValue_ = 0.0f;
    float smoothedFrequency_ = 0.0f;
    float cutoff_ = 0.0f;
    float resonance_ = 0.0f;
    float vowelPosition_ = 0.0f;
    float lastCutoff_ = -1.0f;
    float lastResonance_ = -1.0f;
    float lastVowelPosition_ = -1.0f;
    float drive_ = 0.0f;

    // One-pole low-pass (types 1, 2, 7, 8).
    float a_ = 0.0f;
    float b_ = 0.0f;
    float onePoleState_ = 0.0f;

    // State-variable core (types 3..10 and the direct passes).
    float frequencyCoefficient_ = 0.0f;
    float damping_ = 1.0f;
    StateVariableState svf_;

    // Second-order pre-filter of the 24 dB types.
    float b0_ = 0.0f, b1_ = 0.0f, b2_ = 0.0f, a1_ = 0.0f, a2_ = 0.0f;
    float biquadIn1_ = 0.0f, biquadIn2_ = 0.0f, biquadOut1_ = 0.0f, biquadOut2_ = 0.0f;

    // Ladder (types 11, 12).
    float k_ = 0.0f, r_ = 0.0f, p_ = 0.0f;
    float ladder_[4] = {};
    float ladderPreviousInput_ = 0.0f;

    // Four formant band-passes (type 14); they share one input history.
    float formantA0_[kFormantCount] = {};
    float formantB1_[kFormantCount] = {};
    float formantB2_[kFormantCount] = {};
    float formantIn1_ = 0.0f, formantIn2_ = 0.0f;
    float formantOut1_[kFormantCount] = {};
    float formantOut2_[kFormantCount] = {};

    // Comb (type 13): delay and write position in 1/256 samples.
    std::uint32_t combDelay_ = 514;
    std::uint32_t combWritePosition_ = 0;
    float combFeedback_ = 0.0f;
    std::array<float, kCombLength> combBuffer_{};
};

} // namespace dsp
