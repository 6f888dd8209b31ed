#include "engine/filters/voice_filter.h"

#include "engine/dsp/dsp_constants.h"

#include <algorithm>
#include <cmath>

namespace dsp {

namespace {

constexpr float kDenormalOffset = 1e-15f;
constexpr float kPi = 3.14159f; // the filters' own rounding of pi
constexpr float kTwoPi = 6.28318f;
constexpr std::uint32_t kTypeCount = 7;

// Far above anything a voice produces (120 dB over full scale); bounding the
// input there keeps every state finite whatever a renderer feeds in.
constexpr float kInputLimit = 1.0e6f;

// Combs in 1/256 samples: the write position wraps at 2^21 (8192 samples).
constexpr std::uint32_t kCombPositionMask = (1u << 21) - 1;
constexpr std::uint32_t kCombSubsample = 256;
constexpr float kCombLimit = 10.0f;

float boundInput(float x) { return std::clamp(x, -kInputLimit, kInputLimit); }

} // namespace

void VoiceFilter::init(float sampleRate)
{
    sampleRate_ = sampleRate;
    inverseSampleRate_ = 1.0f / sampleRate;
    type_ = 0;
    previousType_ = 0;
    damping_ = 1.0f;
    vowelPosition_ = 0.0f;
    resonance_ = -1.0f;
    for (Channel& c : channels_) {
        c.cutoff = -1.0f;
        c.frequencyCoefficient = 0.0f;
        std::fill(std::begin(c.formantA0), std::end(c.formantA0), 0.0f);
        std::fill(std::begin(c.formantB1), std::end(c.formantB1), 0.0f);
        std::fill(std::begin(c.formantB2), std::end(c.formantB2), 0.0f);
    }
    reset();
    selectKernels();
}

void VoiceFilter::resetChannel(Channel& c)
{
    c.svf = StateVariableState{};
    c.formantIn1 = c.formantIn2 = 0.0f;
    std::fill(std::begin(c.formantOut1), std::end(c.formantOut1), 0.0f);
    std::fill(std::begin(c.formantOut2), std::end(c.formantOut2), 0.0f);
    if (c.combDirty && type_ == static_cast<std::uint32_t>(VoiceFilterType::Comb)) {
        c.combBuffer.fill(0.0f);
        c.combDirty = false;
    }
    c.combWritePosition = 0;
    c.combDelay = 513;
    c.previousCutoff = -1.0f;
}

void VoiceFilter::reset()
{
    for (Channel& c : channels_)
        resetChannel(c);
    combFeedback_ = 0.0f;
    previousResonance_ = -1.0f;
}

void VoiceFilter::setType(std::uint32_t type)
{
    previousType_ = type_;
    type_ = type;
    if (type_ != previousType_)
        reset();
    selectKernels();
}

void VoiceFilter::setParameters(float frequency, float resonance, float factor)
{
    if (type_ == 0)
        return;
    Channel& c = channels_[0];
    c.cutoff = frequency * factor;
    resonance_ = std::clamp(resonance, 0.0f, 1.0f);
    if (c.cutoff == c.previousCutoff && resonance_ == previousResonance_)
        return;
    c.previousCutoff = c.cutoff;
    previousResonance_ = resonance_;
    computeChannel(c);
}

void VoiceFilter::setParametersStereo(float frequencyLeft, float frequencyRight, float resonance, float factorLeft,
                                      float factorRight)
{
    if (type_ == 0)
        return;
    Channel& l = channels_[0];
    Channel& r = channels_[1];
    l.cutoff = frequencyLeft * factorLeft;
    r.cutoff = frequencyRight * factorRight;
    resonance_ = std::clamp(resonance, 0.0f, 1.0f);
    if (l.cutoff == l.previousCutoff && r.cutoff == r.previousCutoff && resonance_ == previousResonance_)
        return;
    l.previousCutoff = l.cutoff;
    r.previousCutoff = r.cutoff;
    previousResonance_ = resonance_;
    computeChannel(l);
    computeChannel(r);
}

void VoiceFilter::computeChannel(Channel& c)
{
    constexpr float eps = kDenormalOffset;
    constexpr float kLowestNormalisedHz = 50.0f;
    constexpr float kHighestNormalised = 0.2f;

    switch (static_cast<VoiceFilterType>(type_)) {
    case VoiceFilterType::LowPass:
    case VoiceFilterType::HighPass:
    case VoiceFilterType::BandPass:
    case VoiceFilterType::Notch: {
        // Halved because the core runs twice per sample.
        float w = (c.cutoff + 0.001f) * 0.5f * inverseSampleRate_ + eps;
        w = std::min(std::max(w, kLowestNormalisedHz * inverseSampleRate_), kHighestNormalised);
        c.frequencyCoefficient = 2.0f * std::sin(w * kPi) + eps;
        damping_ = 1.0f - 0.99f * resonance_ + eps;
        break;
    }
    case VoiceFilterType::Vocal: {
        // The resonance walks through the vowels; the cutoff shifts every
        // formant by its ratio to 440 Hz.
        constexpr float kHighestFormant = 0.4f;
        constexpr float kBandwidth = 0.15f; // of the formant frequency
        vowelPosition_ = resonance_ * kVowelSpan;
        for (int j = 0; j < kFormantCount; ++j) {
            const float formant = vowelFormantFrequency(vowelPosition_, j);
            // A negative cutoff would put the pole pair outside the unit circle.
            const float fr = std::clamp(formant * (c.cutoff / kFormantReferenceHz) * inverseSampleRate_, 0.0f,
                                        kHighestFormant);
            const float k = 1.0f / (std::tan(fr * kBandwidth * kPi) + 0.001f);
            c.formantA0[j] = 1.0f / (k + 1.0f) + eps;
            c.formantB1[j] = -2.0f * std::cos(fr * kTwoPi) * k / (k + 1.0f) + eps;
            c.formantB2[j] = (k - 1.0f) / (k + 1.0f) + eps;
        }
        break;
    }
    case VoiceFilterType::Comb: {
        constexpr float kHighestCutoffRatio = 0.2f;
        constexpr float kShortestDelay = 513.0f;
        constexpr float kLongestDelay = 2097150.0f; // just under 8192 samples
        const float highest = kHighestCutoffRatio * sampleRate_;
        const float cutoff = c.cutoff > highest ? highest : c.cutoff;
        const float delay = std::min(sampleRate_ * float(kCombSubsample) / (std::fabs(cutoff) + 0.001f), kLongestDelay);
        c.combDelay = delay < kShortestDelay ? 514u : static_cast<std::uint32_t>(delay);
        combFeedback_ = std::sqrt(std::sqrt(resonance_)) + eps;
        break;
    }
    case VoiceFilterType::Off:
        break;
    }
}

template <VoiceFilterType T>
float VoiceFilter::processChannel(Channel& c, float x)
{
    constexpr float eps = kDenormalOffset;
    const float G = kSqrt2;
    if constexpr (T == VoiceFilterType::Off) {
        return x;
    } else {
        x = boundInput(x);
        if constexpr (T == VoiceFilterType::Vocal) {
            const float d = x - c.formantIn2;
            c.formantIn2 = c.formantIn1;
            c.formantIn1 = x;
            float sum = 0.0f;
            for (int j = 0; j < kFormantCount; ++j) {
                const float v = c.formantA0[j] * d - c.formantB1[j] * c.formantOut1[j]
                                - c.formantB2[j] * c.formantOut2[j] + eps;
                c.formantOut2[j] = c.formantOut1[j];
                c.formantOut1[j] = v;
                sum += v;
            }
            return std::clamp(sum, -1.0f, 1.0f);
        } else if constexpr (T == VoiceFilterType::Comb) {
            c.combWritePosition = (c.combWritePosition + kCombSubsample) & kCombPositionMask;
            const std::uint32_t read = ((c.combWritePosition - c.combDelay) / kCombSubsample) % kCombLength;
            const float y = std::clamp(x + c.combBuffer[read] * combFeedback_ + eps, -kCombLimit, kCombLimit);
            c.combBuffer[c.combWritePosition / kCombSubsample] = y;
            c.combDirty = true;
            return y;
        } else {
            // Two passes with the same input double the core's rate.
            stateVariablePass(c.svf, x, c.frequencyCoefficient, damping_);
            const StateVariableState first = c.svf;
            stateVariablePass(c.svf, x, c.frequencyCoefficient, damping_);
            if constexpr (T == VoiceFilterType::LowPass)
                return G * (first.low + c.svf.low) / 2.0f;
            else if constexpr (T == VoiceFilterType::HighPass)
                return G * (first.high + c.svf.high) / 2.0f;
            else if constexpr (T == VoiceFilterType::BandPass)
                return first.band + c.svf.band;
            else
                return G * ((first.low - first.high + eps) + (c.svf.low - c.svf.high + eps)) / 2.0f;
        }
    }
}

template <VoiceFilterType T>
float VoiceFilter::processMonoAs(VoiceFilter& f, float x)
{
    return f.processChannel<T>(f.channels_[0], x);
}

template <VoiceFilterType T>
void VoiceFilter::processStereoAs(VoiceFilter& f, float& left, float& right)
{
    left = f.processChannel<T>(f.channels_[0], left);
    right = f.processChannel<T>(f.channels_[1], right);
}

void VoiceFilter::selectKernels()
{
    static constexpr MonoKernel kMono[kTypeCount] = {
        &processMonoAs<VoiceFilterType::Off>,      &processMonoAs<VoiceFilterType::LowPass>,
        &processMonoAs<VoiceFilterType::HighPass>, &processMonoAs<VoiceFilterType::BandPass>,
        &processMonoAs<VoiceFilterType::Notch>,    &processMonoAs<VoiceFilterType::Vocal>,
        &processMonoAs<VoiceFilterType::Comb>,
    };
    static constexpr StereoKernel kStereo[kTypeCount] = {
        &processStereoAs<VoiceFilterType::Off>,      &processStereoAs<VoiceFilterType::LowPass>,
        &processStereoAs<VoiceFilterType::HighPass>, &processStereoAs<VoiceFilterType::BandPass>,
        &processStereoAs<VoiceFilterType::Notch>,    &processStereoAs<VoiceFilterType::Vocal>,
        &processStereoAs<VoiceFilterType::Comb>,
    };
    // A type beyond the list passes the signal through, as "Off" does.
    const std::uint32_t index = type_ < kTypeCount ? type_ : 0;
    monoKernel_ = kMono[index];
    stereoKernel_ = kStereo[index];
}

void VoiceFilter::process(float* samples, int count)
{
    const auto run = [&]<VoiceFilterType T>() {
        Channel& c = channels_[0];
        for (int i = 0; i < count; ++i)
            samples[i] = processChannel<T>(c, samples[i]);
    };
    switch (type_ < kTypeCount ? static_cast<VoiceFilterType>(type_) : VoiceFilterType::Off) {
    case VoiceFilterType::Off: break;
    case VoiceFilterType::LowPass: run.operator()<VoiceFilterType::LowPass>(); break;
    case VoiceFilterType::HighPass: run.operator()<VoiceFilterType::HighPass>(); break;
    case VoiceFilterType::BandPass: run.operator()<VoiceFilterType::BandPass>(); break;
    case VoiceFilterType::Notch: run.operator()<VoiceFilterType::Notch>(); break;
    case VoiceFilterType::Vocal: run.operator()<VoiceFilterType::Vocal>(); break;
    case VoiceFilterType::Comb: run.operator()<VoiceFilterType::Comb>(); break;
    }
}

void VoiceFilter::processStereo(float* left, float* right, int count)
{
    const auto run = [&]<VoiceFilterType T>() {
        Channel& l = channels_[0];
        Channel& r = channels_[1];
        for (int i = 0; i < count; ++i) {
            left[i] = processChannel<T>(l, left[i]);
            right[i] = processChannel<T>(r, right[i]);
        }
    };
    switch (type_ < kTypeCount ? static_cast<VoiceFilterType>(type_) : VoiceFilterType::Off) {
    case VoiceFilterType::Off: break;
    case VoiceFilterType::LowPass: run.operator()<VoiceFilterType::LowPass>(); break;
    case VoiceFilterType::HighPass: run.operator()<VoiceFilterType::HighPass>(); break;
    case VoiceFilterType::BandPass: run.operator()<VoiceFilterType::BandPass>(); break;
    case VoiceFilterType::Notch: run.operator()<VoiceFilterType::Notch>(); break;
    case VoiceFilterType::Vocal: run.operator()<VoiceFilterType::Vocal>(); break;
    case VoiceFilterType::Comb: run.operator()<VoiceFilterType::Comb>(); break;
    }
}

} // namespace dsp
