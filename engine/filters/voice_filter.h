#pragma once

#include "engine/filters/formant_table.h"
#include "engine/filters/state_variable_pass.h"

#include <array>
#include <cstdint>

namespace dsp {

// The voice filter types, numbered as the "Filter Type" parameters select them.
enum class VoiceFilterType : std::uint32_t {
    Off = 0,
    LowPass = 1,
    HighPass = 2,
    BandPass = 3,
    Notch = 4,
    Vocal = 5,
    Comb = 6,
};

// Multimode filter of the drum voices and sample layers: a two-times
// oversampled state-variable filter, a four-formant vowel filter and a
// feedback comb, mono or stereo. Coefficients are recomputed only when the
// cutoff or the resonance changes; the per-sample kernel is chosen when the
// type is set.
class VoiceFilter {
public:
    void init(float sampleRate);
    void reset();

    void setType(std::uint32_t type);
    bool isOn() const { return type_ != 0; }
    std::uint32_t type() const { return type_; }

    // Cutoff = frequency * factor in Hz; resonance is held to 0..1.
    void setParameters(float frequency, float resonance, float factor);
    void setParametersStereo(float frequencyLeft, float frequencyRight, float resonance, float factorLeft,
                             float factorRight);

    float process(float x) { return monoKernel_(*this, x); }
    void processStereo(float& left, float& right) { stereoKernel_(*this, left, right); }
    // Block forms: the type is looked up once per call.
    void process(float* samples, int count);
    void processStereo(float* left, float* right, int count);

    float damping() const { return damping_; }
    float combFeedback() const { return combFeedback_; }
    std::uint32_t combDelay(int channel = 0) const { return channels_[channel].combDelay; }

private:
    static constexpr int kCombLength = 8192;

    struct Channel {
        float cutoff = -1.0f;
        float previousCutoff = -1.0f;
        float frequencyCoefficient = 0.0f;
        StateVariableState svf;
        float formantA0[kFormantCount] = {};
        float formantB1[kFormantCount] = {};
        float formantB2[kFormantCount] = {};
        float formantIn1 = 0.0f;
        float formantIn2 = 0.0f;
        float formantOut1[kFormantCount] = {};
        float formantOut2[kFormantCount] = {};
        std::uint32_t combDelay = 513; // 1/256 samples
        std::uint32_t combWritePosition = 0;
        // Whether the buffer may hold anything but zeros. It is cleared only
        // by a reset under the comb type, which every change to the comb
        // makes: most voices never use the comb and never touch its 32 KB.
        bool combDirty = true;
        std::array<float, kCombLength> combBuffer;
    };

    using MonoKernel = float (*)(VoiceFilter&, float);
    using StereoKernel = void (*)(VoiceFilter&, float&, float&);
    void selectKernels();
    template <VoiceFilterType T> float processChannel(Channel& c, float x);
    template <VoiceFilterType T> static float processMonoAs(VoiceFilter& f, float x);
    template <VoiceFilterType T> static void processStereoAs(VoiceFilter& f, float& left, float& right);

    void computeChannel(Channel& c);
    void resetChannel(Channel& c);

    float sampleRate_ = 44100.0f;
    float inverseSampleRate_ = 1.0f / 44100.0f;
    float previousResonance_ = -1.0f;
    float resonance_ = -1.0f;
    std::uint32_t previousType_ = 0;
    std::uint32_t type_ = 0;
    float damping_ = 1.0f;
    float vowelPosition_ = 0.0f;
    float combFeedback_ = 0.0f;
    MonoKernel monoKernel_ = nullptr;
    StereoKernel stereoKernel_ = nullptr;
    Channel channels_[2];
};

} // namespace dsp
