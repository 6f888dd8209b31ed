#include "engine/distortion/voice_distortion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace dsp {

namespace {

constexpr float kDenormalOffset = 1e-15f;

// Far above anything a voice produces (120 dB over full scale); bounding the
// input there keeps every shaper's arithmetic finite and the table index in range.
constexpr float kInputLimit = 1.0e6f;

// Kinds beyond the list share one pass-through kernel.
constexpr std::uint32_t kPassThrough = kDistortionKindCount;

float sgn(float x) { return x > 0.0f ? 1.0f : (x < 0.0f ? -1.0f : 0.0f); }

} // namespace

void prepareDistortion(std::uint32_t kind, float a, float b, float& p, float& q)
{
    switch (static_cast<DistortionKind>(kind)) {
    case DistortionKind::Bits: p = std::exp2(17.0f - 16.0f * std::sqrt(a)); q = a; break;
    case DistortionKind::Clipper: p = -std::exp2(-6.0f * a); q = std::exp2(-6.0f * b); break;
    case DistortionKind::Cos: p = std::exp2(5.0f * a) - 1.0f; q = b; break;
    case DistortionKind::Cross1: p = 0.2f * a; q = b; break;
    case DistortionKind::Cross2: p = -0.95f * std::exp2(-6.0f * a); q = 0.95f * std::exp2(-6.0f * b); break;
    case DistortionKind::FoldOver: p = 1.0f - 0.99f * a; q = b; break;
    case DistortionKind::Fuzz: p = a; q = std::exp2(4.0f * b); break;
    case DistortionKind::Gapper: p = std::exp2(4.0f * a) - 1.0f; q = 1.0f - b; break;
    case DistortionKind::HardLimit: p = std::exp2(-6.0f * a); q = b / p + (1.0f - b); break;
    case DistortionKind::OverDrive: p = std::exp2(6.0f * a) - 1.0f; q = b; break;
    case DistortionKind::Octave: p = 1.0f - a; q = 1.0f - b; break;
    case DistortionKind::Octave2: p = std::exp2(4.0f * a); q = b; break;
    case DistortionKind::Power: p = 0.95f * a; q = b; break;
    case DistortionKind::Rectify: p = 1.0f - 2.0f * a; q = b; break;
    case DistortionKind::SampleAndHold: p = std::exp2(10.0f * a); q = b; break;
    case DistortionKind::Saturate: p = std::exp2(4.0f * a); q = b; break;
    case DistortionKind::SoftLimit: p = a; break;
    case DistortionKind::Square: p = 1.0f - a * a; q = 1.0f - b * b; break;
    case DistortionKind::Transient: p = 0.92f * a + 0.05f; q = 1.0f - b; break;
    case DistortionKind::None:
        break;
    }
}

void VoiceDistortion::init(float sampleRate, const float* sineTable, const float* cosineTable)
{
    constexpr float kDcCornerHz = 60.0f;
    sineTable_ = sineTable;
    cosineTable_ = cosineTable;
    dcCoefficient_ = kDcCornerHz / sampleRate;
    start(0);
}

// The tables span one cycle; u = +-1 reaches half a cycle each way.
float VoiceDistortion::sineAt(float u) const
{
    return sineTable_[static_cast<std::int64_t>(u * 32767.994f + 65536.0f) & 0xffff];
}

float VoiceDistortion::cosineAt(float u) const
{
    return cosineTable_[static_cast<std::int64_t>(u * 32767.994f + 65536.0f) & 0xffff];
}

template <std::uint32_t K>
bool VoiceDistortion::advanceSampleAndHold()
{
    if constexpr (K != std::uint32_t(DistortionKind::SampleAndHold)) {
        return false;
    } else {
        counter_ += 1.0f;
        if (counter_ < p_)
            return false;
        counter_ -= p_;
        return true;
    }
}

template <std::uint32_t K>
float VoiceDistortion::shapeChannel(Channel& c, float x, bool sampleNow) const
{
    constexpr auto kind = static_cast<DistortionKind>(K);
    if constexpr (kind == DistortionKind::None) {
        return x;
    } else {
        x = std::clamp(x, -kInputLimit, kInputLimit);
        const float p = p_;
        const float q = q_;
        const float ax = std::fabs(x);
        float s = x;
        float w = 1.0f;

        if constexpr (kind == DistortionKind::Bits) {
            s = std::trunc(x * p) / p;
            w = q;
        } else if constexpr (kind == DistortionKind::Clipper) {
            s = std::min(std::max(x, p), q);
        } else if constexpr (kind == DistortionKind::Cos) {
            s = cosineAt(x * p) * x;
            w = q;
        } else if constexpr (kind == DistortionKind::Cross1) {
            // Pulls the signal in by p around zero, twice as steep inside the gap.
            float d = ax - p;
            if (d < 0.0f)
                d = 2.0f * d;
            s = x >= 0.0f ? d : -d;
            w = q;
        } else if constexpr (kind == DistortionKind::Cross2) {
            if (x <= p)
                s = (x - p) / (1.0f - std::fabs(p));
            else if (x >= q)
                s = (x - q) / (1.0f - q);
            else
                s = 0.0f;
        } else if constexpr (kind == DistortionKind::FoldOver) {
            const float e = x - p;
            const float n = std::trunc(0.25f * e / p);
            s = (std::fabs(std::fabs(e - 4.0f * p * n) - 2.0f * p) - p) / p;
            w = q;
        } else if constexpr (kind == DistortionKind::Fuzz) {
            s = (1.0f - x * x) * p * sineAt(x * q) + x;
        } else if constexpr (kind == DistortionKind::Gapper) {
            const float scaled = ax * p;
            s = scaled - std::trunc(scaled) < 0.5f ? x : x * q;
        } else if constexpr (kind == DistortionKind::HardLimit) {
            s = std::clamp(x, -p, p) * q;
        } else if constexpr (kind == DistortionKind::OverDrive) {
            s = x * (p + ax) / (x * x + (p - 1.0f) * ax + 1.0f);
            w = q;
        } else if constexpr (kind == DistortionKind::Octave) {
            // Full-wave rectification folded back at 1 doubles the frequency.
            float t = 2.0f * ax;
            if (t > 1.0f)
                t = 2.0f - t;
            s = x >= 0.0f ? q * x + (1.0f - q) * t : p * x - (1.0f - p) * t;
        } else if constexpr (kind == DistortionKind::Octave2) {
            const float u = ax * p;
            float t = u - 2.0f * std::trunc(u / 2.0f);
            if (t > 1.0f)
                t = 2.0f - t;
            s = sgn(x) * t;
            w = q;
        } else if constexpr (kind == DistortionKind::Power) {
            constexpr float kSmallestAmount = 0.0001f;
            if (p >= kSmallestAmount) {
                const float k = 2.0f * p / (1.0f - p);
                s = (k + 1.0f) * x / (k * ax + 1.0f);
            }
            w = q;
        } else if constexpr (kind == DistortionKind::Rectify) {
            if (x < 0.0f)
                s = x * p;
            w = q;
        } else if constexpr (kind == DistortionKind::SampleAndHold) {
            if (sampleNow)
                c.held = x;
            s = c.held;
            w = q;
        } else if constexpr (kind == DistortionKind::Saturate) {
            const float y = x * p + kDenormalOffset;
            s = (y + x) / (std::fabs(y) + 1.0f) + kDenormalOffset;
            w = q;
        } else if constexpr (kind == DistortionKind::SoftLimit) {
            s = std::clamp((1.5f - 0.5f * ax) * ax, 0.0f, 1.0f);
            if (x < 0.0f)
                s = -s;
            w = p;
        } else if constexpr (kind == DistortionKind::Square) {
            constexpr float kDeadZone = 0.001f;
            if (x >= kDeadZone)
                s = (1.0f - q) + q * x;
            else if (x <= -kDeadZone)
                s = p * x - (1.0f - p);
            else
                s = 0.0f;
        } else if constexpr (kind == DistortionKind::Transient) {
            s = (ax >= p && ax <= 2.0f * p) ? sgn(x) * q * (1.0f - (ax - p) / p) : 0.0f;
        }

        if constexpr (distortionNeedsDcBlock(K)) {
            c.dcState = (1.0f - dcCoefficient_) * c.dcState + dcCoefficient_ * s + kDenormalOffset;
            s -= c.dcState;
        }
        return w * s + (1.0f - w) * x + kDenormalOffset;
    }
}

template <std::uint32_t K>
float VoiceDistortion::processMonoAs(VoiceDistortion& d, float x)
{
    const bool sampleNow = d.advanceSampleAndHold<K>();
    return d.shapeChannel<K>(d.channels_[0], x, sampleNow);
}

template <std::uint32_t K>
void VoiceDistortion::processStereoAs(VoiceDistortion& d, float& left, float& right)
{
    // One counter for both channels, so they are sampled at the same moment.
    const bool sampleNow = d.advanceSampleAndHold<K>();
    left = d.shapeChannel<K>(d.channels_[0], left, sampleNow);
    right = d.shapeChannel<K>(d.channels_[1], right, sampleNow);
}

// A block runs on a copy of the stage, which the samples cannot alias: what
// the kind works out from its constants is worked out once.
template <std::uint32_t K>
void VoiceDistortion::processBlockAs(float* samples, int count)
{
    VoiceDistortion d = *this;
    for (int i = 0; i < count; ++i)
        samples[i] = processMonoAs<K>(d, samples[i]);
    *this = d;
}

template <std::uint32_t K>
void VoiceDistortion::processStereoBlockAs(float* left, float* right, int count)
{
    VoiceDistortion d = *this;
    for (int i = 0; i < count; ++i)
        processStereoAs<K>(d, left[i], right[i]);
    *this = d;
}

void VoiceDistortion::start(std::uint32_t kind)
{
    kind_ = kind;
    counter_ = 0.0f;
    channels_[0] = Channel{};
    channels_[1] = Channel{};

    constexpr auto kinds = std::make_index_sequence<kDistortionKindCount + 1>{};
    static constexpr auto kMono = []<std::size_t... K>(std::index_sequence<K...>) {
        return std::array<MonoKernel, sizeof...(K)>{&processMonoAs<K>...};
    }(kinds);
    static constexpr auto kStereo = []<std::size_t... K>(std::index_sequence<K...>) {
        return std::array<StereoKernel, sizeof...(K)>{&processStereoAs<K>...};
    }(kinds);
    const std::uint32_t index = std::min(kind, kPassThrough);
    monoKernel_ = kMono[index];
    stereoKernel_ = kStereo[index];
}

void VoiceDistortion::process(float* samples, int count)
{
    constexpr auto kinds = std::make_index_sequence<kDistortionKindCount + 1>{};
    using BlockKernel = void (VoiceDistortion::*)(float*, int);
    static constexpr auto kBlock = []<std::size_t... K>(std::index_sequence<K...>) {
        return std::array<BlockKernel, sizeof...(K)>{&VoiceDistortion::processBlockAs<K>...};
    }(kinds);
    (this->*kBlock[std::min(kind_, kPassThrough)])(samples, count);
}

void VoiceDistortion::processStereo(float* left, float* right, int count)
{
    constexpr auto kinds = std::make_index_sequence<kDistortionKindCount + 1>{};
    using BlockKernel = void (VoiceDistortion::*)(float*, float*, int);
    static constexpr auto kBlock = []<std::size_t... K>(std::index_sequence<K...>) {
        return std::array<BlockKernel, sizeof...(K)>{&VoiceDistortion::processStereoBlockAs<K>...};
    }(kinds);
    (this->*kBlock[std::min(kind_, kPassThrough)])(left, right, count);
}

} // namespace dsp
