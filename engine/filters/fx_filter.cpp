#include "engine/filters/fx_filter.h"

#include "engine/dsp/dsp_constants.h"

#include <algorithm>
#include <cmath>

namespace dsp {

namespace {

constexpr float kDenormalOffset = 1e-15f;
constexpr float kPi = 3.14159f;      // the filters' own rounding of pi
constexpr float kTwoPi = 6.28318f;
constexpr float kInnerLimit = 10.0f; // ladder stages, comb and formant sum
constexpr std::uint32_t kTypeCount = 15;

// Combs in 1/256 samples: the write position wraps at 2^21 (8192 samples).
constexpr std::uint32_t kCombPositionMask = (1u << 21) - 1;
constexpr std::uint32_t kCombSubsample = 256;
constexpr float kCombMinimumDelay = 514.0f;
constexpr float kCombMaximumDelay = 2097150.0f;

// The direct state-variable passes take the effects' signals without the
// drive's bound; anything past 120 dB over full scale is held there so the
// states stay finite.
constexpr float kDirectInputLimit = 1.0e6f;

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
float limitInner(float v) { return std::clamp(v, -kInnerLimit, kInnerLimit); }

} // namespace

void FxFilter::init(float sampleRate)
{
    *this = FxFilter{};
    sampleRate_ = sampleRate;
    inverseSampleRate_ = 1.0f / sampleRate;
    kernel_ = kernelFor(type_);
}

void FxFilter::setType(std::uint32_t type)
{
    type_ = type;
    kernel_ = kernelFor(type);
}

void FxFilter::setResonance(float value) { resonance_ = clamp01(value); }

void FxFilter::setDrive(float a, float b)
{
    constexpr float kDriveOctaves = 6.0f;
    drive_ = std::exp2(kDriveOctaves * clamp01(a + b)) - 1.0f;
}

void FxFilter::clearStates()
{
    onePoleState_ = 0.0f;
    svf_ = StateVariableState{};
    biquadIn1_ = biquadIn2_ = biquadOut1_ = biquadOut2_ = 0.0f;
    std::fill(std::begin(ladder_), std::end(ladder_), 0.0f);
    ladderPreviousInput_ = 0.0f;
    formantIn1_ = formantIn2_ = 0.0f;
    std::fill(std::begin(formantOut1_), std::end(formantOut1_), 0.0f);
    std::fill(std::begin(formantOut2_), std::end(formantOut2_), 0.0f);
    combWritePosition_ = 0;
    combBuffer_.fill(0.0f);
}

void FxFilter::updateCoefficients(bool smooth)
{
    constexpr float kSmoothingKeep = 0.975f;
    constexpr float kSmoothingTake = 0.025f;
    constexpr float kLowestCutoffHz = 20.0f;
    constexpr float kCutoffOctaves = 10.0f;

    const float f = clamp01(frequencyValue_);
    smoothedFrequency_ = smooth ? kSmoothingKeep * smoothedFrequency_ + kSmoothingTake * f + kDenormalOffset : f;
    cutoff_ = kLowestCutoffHz * std::exp2(kCutoffOctaves * clamp01(smoothedFrequency_));

    const bool typeChanged = type_ != previousType_;
    if (!typeChanged && !smooth && cutoff_ == lastCutoff_ && resonance_ == lastResonance_
        && vowelPosition_ == lastVowelPosition_)
        return;
    if (typeChanged)
        clearStates();

    previousType_ = type_;
    lastCutoff_ = cutoff_;
    lastResonance_ = resonance_;
    lastVowelPosition_ = vowelPosition_;

    constexpr float kHighestResonance = 0.9995f;
    computeCoefficients(std::min(resonance_, kHighestResonance));
}

void FxFilter::computeCoefficients(float r)
{
    constexpr float kLowestNormalisedHz = 50.0f;
    constexpr float kHighestNormalised = 0.2f;
    const float eps = kDenormalOffset;

    float w = (cutoff_ + 0.001f) * inverseSampleRate_ + eps;
    w = std::min(std::max(w, kLowestNormalisedHz * inverseSampleRate_), kHighestNormalised);

    const auto setOnePole = [&] {
        a_ = 2.0f * w;
        b_ = 1.0f - 2.0f * w;
    };
    const auto setStateVariable = [&] {
        frequencyCoefficient_ = 2.0f * std::sin(w * kPi) + eps;
        damping_ = 1.0f - r + eps;
    };

    switch (static_cast<FxFilterType>(type_)) {
    case FxFilterType::LowPass6:
    case FxFilterType::HighPass6:
        setOnePole();
        break;
    case FxFilterType::LowPass12:
    case FxFilterType::HighPass12:
    case FxFilterType::BandPass12:
    case FxFilterType::Notch12:
        setStateVariable();
        break;
    case FxFilterType::LowPass18:
    case FxFilterType::HighPass18:
        setOnePole();
        setStateVariable();
        break;
    case FxFilterType::LowPass24: {
        const float s = std::sin(kPi * w);
        const float c = std::cos(kPi * w);
        const float k = c / (0.0015f + s) + eps;
        const float n = 1.0f / (k * k + kSqrt8 * k + 1.001f) + eps;
        b0_ = n + eps;
        b1_ = 2.0f * n + eps;
        b2_ = n + eps;
        a1_ = 2.0f * (1.0f - k * k) * n + eps;
        a2_ = (k * k + 1.0f - kSqrt8 * k) * n + eps;
        frequencyCoefficient_ = 2.0f * s;
        damping_ = 1.0f - r;
        break;
    }
    case FxFilterType::HighPass24: {
        const float s = std::sin(kPi * w);
        const float c = std::cos(kPi * w);
        const float k = s / std::fabs(c + 0.0015f) + eps;
        const float n = 1.0f / (kSqrt8 * k + 1.0001f + k * k);
        b0_ = n + eps;
        b1_ = -2.0f * n + eps;
        b2_ = n + eps;
        a1_ = 2.0f * (k * k - 1.0f) * n + eps;
        a2_ = (k * k + 1.0f - kSqrt8 * k) * n + eps;
        frequencyCoefficient_ = 2.0f * s + eps;
        damping_ = 1.0f - r + eps;
        break;
    }
    case FxFilterType::BandPass24:
    case FxFilterType::Notch24: {
        // Ladder tuning: feedback grows toward the top of the range to keep
        // the resonance even across the cutoff.
        const float f2 = 2.0f * w;
        const float q = 1.0f - f2;
        const float p0 = f2 + f2 * q;
        k_ = 2.0f * p0 - 1.0f + eps;
        r_ = r * (1.0f + (5.6f * q * q + f2) * q / 2.0f) + eps;
        p_ = p0 + eps;
        break;
    }
    case FxFilterType::Comb: {
        const float delay = sampleRate_ * float(kCombSubsample) / (0.001f + std::fabs(cutoff_));
        combDelay_ = static_cast<std::uint32_t>(std::clamp(delay, kCombMinimumDelay, kCombMaximumDelay));
        combFeedback_ = std::sqrt(std::sqrt(r)) + eps;
        break;
    }
    case FxFilterType::Vocal: {
        constexpr float kHighestFormant = 0.4f;
        // The resonance narrows the formants: bandwidth 0.49 down to 0.1 of the frequency.
        const float bandwidth = r * 0.39f + 0.1f;
        for (int j = 0; j < kFormantCount; ++j) {
            const float formant = vowelFormantFrequency(vowelPosition_, j);
            const float fr = std::min(formant * (cutoff_ / kFormantReferenceHz) * inverseSampleRate_, kHighestFormant);
            const float c = 1.0f / (std::tan(fr * bandwidth * kPi) + 0.001f);
            formantA0_[j] = 1.0f / (c + 1.0f) + eps;
            formantB1_[j] = -2.0f * std::cos(fr * kTwoPi) * c / (c + 1.0f) + eps;
            formantB2_[j] = (c - 1.0f) / (c + 1.0f) + eps;
        }
        break;
    }
    case FxFilterType::Bypass:
        break;
    }
}

float FxFilter::applyDrive(float x) const
{
    // Anything beyond +-2 ends at the limit anyway; bounding it first keeps
    // drive * x from overflowing into Inf / Inf.
    constexpr float kInputBound = 2.0f;
    x = std::clamp(x, -kInputBound, kInputBound);
    const float u = drive_ * x + kDenormalOffset;
    const float y = (x + u) / (1.0f + std::fabs(u));
    if (y < -1.0f)
        return kDenormalOffset - 1.0f;
    if (y > 1.0f)
        return kDenormalOffset + 1.0f;
    return y + kDenormalOffset;
}

template <FxFilterType T>
float FxFilter::processAs(FxFilter& f, float x)
{
    constexpr float eps = kDenormalOffset;
    const float G = kSqrt2;
    x = f.applyDrive(x);
    float y = x;

    if constexpr (T == FxFilterType::LowPass6 || T == FxFilterType::HighPass6) {
        f.onePoleState_ = f.b_ * f.onePoleState_ + f.a_ * x + eps;
        y = T == FxFilterType::LowPass6 ? f.onePoleState_ : x - f.onePoleState_;
    } else if constexpr (T == FxFilterType::LowPass12) {
        stateVariablePass(f.svf_, x, f.frequencyCoefficient_, f.damping_);
        y = G * f.svf_.low;
    } else if constexpr (T == FxFilterType::HighPass12) {
        stateVariablePass(f.svf_, x, f.frequencyCoefficient_, f.damping_);
        y = G * f.svf_.high;
    } else if constexpr (T == FxFilterType::BandPass12) {
        stateVariablePass(f.svf_, x, f.frequencyCoefficient_, f.damping_);
        y = 2.0f * f.svf_.band;
    } else if constexpr (T == FxFilterType::Notch12) {
        stateVariablePass(f.svf_, x, f.frequencyCoefficient_, f.damping_);
        y = G * (f.svf_.low - f.svf_.high + eps);
    } else if constexpr (T == FxFilterType::LowPass18 || T == FxFilterType::HighPass18) {
        f.onePoleState_ = eps + (1.0f - f.a_) * f.onePoleState_ + f.a_ * x;
        if constexpr (T == FxFilterType::LowPass18) {
            stateVariablePass(f.svf_, f.onePoleState_, f.frequencyCoefficient_, f.damping_);
            y = G * f.svf_.low;
        } else {
            stateVariablePass(f.svf_, x - f.onePoleState_, f.frequencyCoefficient_, f.damping_);
            y = G * f.svf_.high;
        }
    } else if constexpr (T == FxFilterType::LowPass24 || T == FxFilterType::HighPass24) {
        const float v = f.b0_ * x + f.b1_ * f.biquadIn1_ + f.b2_ * f.biquadIn2_ - f.a1_ * f.biquadOut1_
                        - f.a2_ * f.biquadOut2_ + eps;
        f.biquadIn2_ = f.biquadIn1_;
        f.biquadIn1_ = x;
        f.biquadOut2_ = f.biquadOut1_;
        f.biquadOut1_ = v;
        stateVariablePass(f.svf_, v, f.frequencyCoefficient_, f.damping_);
        y = G * (T == FxFilterType::LowPass24 ? f.svf_.low : f.svf_.high);
    } else if constexpr (T == FxFilterType::BandPass24 || T == FxFilterType::Notch24) {
        float* s = f.ladder_;
        const float old1 = s[0], old2 = s[1], old3 = s[2];
        const float in = limitInner(x - f.r_ * s[3]) + eps;
        s[0] = limitInner((in + f.ladderPreviousInput_) * f.p_ - s[0] * f.k_) + eps;
        s[1] = limitInner((s[0] + old1) * f.p_ - s[1] * f.k_) + eps;
        s[2] = limitInner((s[1] + old2) * f.p_ - s[2] * f.k_) + eps;
        s[3] = limitInner((s[2] + old3) * f.p_ - s[3] * f.k_) + eps;
        // The cubic term softens the last stage so full resonance stays bounded.
        s[3] = limitInner((1.0f - s[3] * s[3] * 0.166666f) * s[3]) + eps;
        f.ladderPreviousInput_ = in + eps;
        const float band = (s[2] - s[3]) * 6.0f + eps;
        y = T == FxFilterType::BandPass24 ? band : (in - f.r_ * s[3] + eps) - band + eps;
    } else if constexpr (T == FxFilterType::Comb) {
        f.combWritePosition_ = (f.combWritePosition_ + kCombSubsample) & kCombPositionMask;
        const std::uint32_t read = ((f.combWritePosition_ - f.combDelay_) / kCombSubsample) % kCombLength;
        y = limitInner(f.combBuffer_[read] * f.combFeedback_ + x) + eps;
        f.combBuffer_[f.combWritePosition_ / kCombSubsample] = y;
    } else if constexpr (T == FxFilterType::Vocal) {
        const float d = x - f.formantIn2_;
        f.formantIn2_ = f.formantIn1_;
        f.formantIn1_ = x;
        float sum = 0.0f;
        for (int j = 0; j < kFormantCount; ++j) {
            const float v = f.formantA0_[j] * d - f.formantB1_[j] * f.formantOut1_[j]
                            - f.formantB2_[j] * f.formantOut2_[j] + eps;
            f.formantOut2_[j] = f.formantOut1_[j];
            f.formantOut1_[j] = v;
            sum += v;
        }
        y = limitInner(sum);
    }
    return std::clamp(y, -1.0f, 1.0f);
}

template <FxFilterType T>
void FxFilter::processBlockAs(float* samples, int count)
{
    for (int i = 0; i < count; ++i)
        samples[i] = processAs<T>(*this, samples[i]);
}

void FxFilter::process(float* samples, int count)
{
    switch (type_ < kTypeCount ? static_cast<FxFilterType>(type_) : FxFilterType::Bypass) {
    case FxFilterType::Bypass: processBlockAs<FxFilterType::Bypass>(samples, count); break;
    case FxFilterType::LowPass6: processBlockAs<FxFilterType::LowPass6>(samples, count); break;
    case FxFilterType::HighPass6: processBlockAs<FxFilterType::HighPass6>(samples, count); break;
    case FxFilterType::LowPass12: processBlockAs<FxFilterType::LowPass12>(samples, count); break;
    case FxFilterType::HighPass12: processBlockAs<FxFilterType::HighPass12>(samples, count); break;
    case FxFilterType::BandPass12: processBlockAs<FxFilterType::BandPass12>(samples, count); break;
    case FxFilterType::Notch12: processBlockAs<FxFilterType::Notch12>(samples, count); break;
    case FxFilterType::LowPass18: processBlockAs<FxFilterType::LowPass18>(samples, count); break;
    case FxFilterType::HighPass18: processBlockAs<FxFilterType::HighPass18>(samples, count); break;
    case FxFilterType::LowPass24: processBlockAs<FxFilterType::LowPass24>(samples, count); break;
    case FxFilterType::HighPass24: processBlockAs<FxFilterType::HighPass24>(samples, count); break;
    case FxFilterType::BandPass24: processBlockAs<FxFilterType::BandPass24>(samples, count); break;
    case FxFilterType::Notch24: processBlockAs<FxFilterType::Notch24>(samples, count); break;
    case FxFilterType::Comb: processBlockAs<FxFilterType::Comb>(samples, count); break;
    case FxFilterType::Vocal: processBlockAs<FxFilterType::Vocal>(samples, count); break;
    }
}

FxFilter::Kernel FxFilter::kernelFor(std::uint32_t type)
{
    static constexpr Kernel kKernels[kTypeCount] = {
        &processAs<FxFilterType::Bypass>,     &processAs<FxFilterType::LowPass6>,
        &processAs<FxFilterType::HighPass6>,  &processAs<FxFilterType::LowPass12>,
        &processAs<FxFilterType::HighPass12>, &processAs<FxFilterType::BandPass12>,
        &processAs<FxFilterType::Notch12>,    &processAs<FxFilterType::LowPass18>,
        &processAs<FxFilterType::HighPass18>, &processAs<FxFilterType::LowPass24>,
        &processAs<FxFilterType::HighPass24>, &processAs<FxFilterType::BandPass24>,
        &processAs<FxFilterType::Notch24>,    &processAs<FxFilterType::Comb>,
        &processAs<FxFilterType::Vocal>,
    };
    // Unknown types leave the signal to the drive and the limit, like "Bypass".
    return type < kTypeCount ? kKernels[type] : kKernels[0];
}

float FxFilter::bandPass(float x)
{
    x = std::clamp(x, -kDirectInputLimit, kDirectInputLimit);
    stateVariablePass(svf_, x, frequencyCoefficient_, damping_);
    return 2.0f * svf_.band;
}

float FxFilter::lowPass(float x)
{
    x = std::clamp(x, -kDirectInputLimit, kDirectInputLimit);
    stateVariablePass(svf_, x, frequencyCoefficient_, damping_);
    return kSqrt2 * svf_.low;
}

float FxFilter::highPass(float x)
{
    x = std::clamp(x, -kDirectInputLimit, kDirectInputLimit);
    stateVariablePass(svf_, x, frequencyCoefficient_, damping_);
    return kSqrt2 * svf_.high;
}

} // namespace dsp
