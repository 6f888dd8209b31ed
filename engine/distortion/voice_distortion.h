#pragma once

#include <cstdint>

namespace dsp {

// The voice distortion kinds, numbered as the "Distortion Type" parameters select them.
enum class DistortionKind : std::uint32_t {
    None = 0,
    Bits = 1,
    Clipper = 2,
    Cos = 3,
    Cross1 = 4,
    Cross2 = 5,
    FoldOver = 6,
    Fuzz = 7,
    Gapper = 8,
    HardLimit = 9,
    OverDrive = 10,
    Octave = 11,
    Octave2 = 12,
    Power = 13,
    Rectify = 14,
    SampleAndHold = 15,
    Saturate = 16,
    SoftLimit = 17,
    Square = 18,
    Transient = 19,
};

inline constexpr std::uint32_t kDistortionKindCount = 20;

// The shapers that leave a DC offset behind get a DC blocker.
constexpr bool distortionNeedsDcBlock(std::uint32_t kind)
{
    switch (static_cast<DistortionKind>(kind)) {
    case DistortionKind::Clipper:
    case DistortionKind::Cross1:
    case DistortionKind::Cross2:
    case DistortionKind::FoldOver:
    case DistortionKind::HardLimit:
    case DistortionKind::Octave:
    case DistortionKind::Octave2:
    case DistortionKind::Power:
    case DistortionKind::Rectify:
        return true;
    default:
        return false;
    }
}

// Turns the two amounts "Distort 1" (a) and "Distort 2" (b), both 0..1, into
// the shaper constants p and q of the kind. Kinds that do not use q (and
// unknown kinds) leave it as it was.
void prepareDistortion(std::uint32_t kind, float a, float b, float& p, float& q);

// One voice's distortion stage: the shaper of its kind, the DC blocker where
// the kind needs one and the wet/dry mix. The kind is fixed at note start,
// the constants at control rate; the per-sample kernel is chosen with the
// kind, so the sample loop never branches on it.
class VoiceDistortion {
public:
    // Both tables hold one cycle in 65536 entries and must outlive the stage.
    void init(float sampleRate, const float* sineTable, const float* cosineTable);

    // Note start: takes the kind and clears the sample-and-hold and DC states.
    void start(std::uint32_t kind);
    void prepare(float a, float b) { prepareDistortion(kind_, a, b, p_, q_); }

    float process(float x) { return monoKernel_(*this, x); }
    void processStereo(float& left, float& right) { stereoKernel_(*this, left, right); }
    void process(float* samples, int count);
    void processStereo(float* left, float* right, int count);

    std::uint32_t kind() const { return kind_; }
    bool dcBlock() const { return distortionNeedsDcBlock(kind_); }
    float p() const { return p_; }
    float q() const { return q_; }

private:
    struct Channel {
        float held = 0.0f;
        float dcState = 0.0f;
    };

    using MonoKernel = float (*)(VoiceDistortion&, float);
    using StereoKernel = void (*)(VoiceDistortion&, float&, float&);
    template <std::uint32_t K> float shapeChannel(Channel& c, float x, bool sampleNow) const;
    template <std::uint32_t K> bool advanceSampleAndHold();
    template <std::uint32_t K> static float processMonoAs(VoiceDistortion& d, float x);
    template <std::uint32_t K> static void processStereoAs(VoiceDistortion& d, float& left, float& right);
    template <std::uint32_t K> void processBlockAs(float* samples, int count);
    template <std::uint32_t K> void processStereoBlockAs(float* left, float* right, int count);
    float sineAt(float u) const;
    float cosineAt(float u) const;

    const float* sineTable_ = nullptr;
    const float* cosineTable_ = nullptr;
    float dcCoefficient_ = 0.0f;
    std::uint32_t kind_ = 0;
    float p_ = 0.0f;
    float q_ = 0.0f;
    float counter_ = 0.0f;
    Channel channels_[2];
    MonoKernel monoKernel_ = nullptr;
    StereoKernel stereoKernel_ = nullptr;
};

} // namespace dsp
