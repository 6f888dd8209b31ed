#include "engine/dsp/lfo.h"

#include "engine/tempo/synced_note_lengths.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace dsp {

void Lfo::init(float sampleRate)
{
    *this = Lfo{};
    sampleRate_ = sampleRate;
}

void Lfo::resetPhase()
{
    settle();
    phase_ = 0.0f;
    rateFactor_ = 1.0f;
    heldRandom_ = 0.0f;
}

void Lfo::setSymmetry(float x)
{
    settle();
    // Never quite 0 or 1, so both halves of the wave keep a finite slope.
    symmetry_ = 0.999f * x + 0.001f;
    symmetryRise_ = 1.0f / symmetry_;
    symmetryFall_ = 1.0f / (1.0f - symmetry_);
}

void Lfo::setWave(float x)
{
    settle();
    const float scaled = x * 5.99f;
    wave_ = scaled > -1.0f && scaled < 6.0f ? static_cast<std::int32_t>(scaled) : kSilentWave;
}

namespace {

constexpr int kMantissaBits = 23;
constexpr std::uint32_t kExponentBias = 127;
constexpr int kDoubleMantissaBits = 52;
constexpr std::uint64_t kDoubleBias = 1023;
constexpr double kBinadeTop = 16777216.0; // 2^24: the mantissa of the binade's upper end, in its ulps
// Above this step a run holds few steps, and plain stepping is as quick.
constexpr float kLargestRunStep = 0.0625f;

void stepOnce(float& phase, float step)
{
    phase += step;
    if (phase >= 1.0f)
        phase -= std::floor(phase);
}

// Within one binade of the phase every sum lands on the same grid of ulps,
// so each step adds the step rounded to that grid (unless the step falls
// midway between two grid points, where the rounding goes to the even
// neighbour and so depends on the phase): a run of steps is one
// multiplication. The step that leaves the binade, and every step the
// shortcut does not cover, is taken on its own.
struct BinadeRun {
    enum Kind { kSingleStep, kStill, kRun } kind = kSingleStep;
    double ulp = 0.0;
    double mantissa = 0.0; // the phase, in ulps
    double added = 0.0;    // ulps each step adds
    double steps = 0.0;    // the steps whose exact sum stays below the binade's top
};

BinadeRun binadeRun(float phase, float step)
{
    BinadeRun r;
    const std::uint32_t exponent = std::bit_cast<std::uint32_t>(phase) >> kMantissaBits;
    if (exponent == 0 || exponent >= kExponentBias || !(phase > 0.0f))
        return r;
    // The phase's ulp as a double, exactly: phase and step in ulps are then exact too.
    const auto ulpExponent = static_cast<std::uint64_t>(exponent) - kExponentBias - kMantissaBits + kDoubleBias;
    r.ulp = std::bit_cast<double>(ulpExponent << kDoubleMantissaBits);
    r.mantissa = static_cast<double>(phase) / r.ulp;
    const double stepUlps = static_cast<double>(step) / r.ulp;
    const double room = kBinadeTop - r.mantissa - stepUlps;
    const double whole = static_cast<double>(static_cast<std::int64_t>(stepUlps));
    if (room <= 0.0 || stepUlps - whole == 0.5)
        return r;
    r.added = stepUlps - whole > 0.5 ? whole + 1.0 : whole;
    if (r.added == 0.0) {
        r.kind = BinadeRun::kStill; // the step rounds away: the phase no longer moves
        return r;
    }
    // The steps j = 0, 1, ... whose exact sum stays below the binade's top: j * added < room.
    auto run = static_cast<double>(static_cast<std::int64_t>(room / r.added));
    while (run > 0.0 && (run - 1.0) * r.added >= room)
        run -= 1.0;
    while (run * r.added < room)
        run += 1.0;
    r.steps = run;
    r.kind = BinadeRun::kRun;
    return r;
}

} // namespace

void Lfo::advance(std::uint32_t steps)
{
    const float step = increment_ * rateFactor_;
    float phase = phase_;
    // A still LFO (one whose rate was never set) keeps its phase, as each step would.
    if (step == 0.0f && phase >= 0.0f && phase < 1.0f && !std::signbit(phase))
        return;
    if (!(step > 0.0f && step <= kLargestRunStep)) {
        for (; steps > 0; --steps)
            stepOnce(phase, step);
        phase_ = phase;
        return;
    }
    while (steps > 0) {
        const BinadeRun r = binadeRun(phase, step);
        if (r.kind == BinadeRun::kStill)
            break;
        if (r.kind == BinadeRun::kSingleStep) {
            stepOnce(phase, step);
            --steps;
            continue;
        }
        const double taken = std::min(r.steps, static_cast<double>(steps));
        phase = static_cast<float>((r.mantissa + taken * r.added) * r.ulp);
        if (phase >= 1.0f)
            phase -= std::floor(phase);
        steps -= static_cast<std::uint32_t>(taken);
    }
    phase_ = phase;
}

// The runs of advance, stopped before the step that reaches 1. A run that
// ends on the binade's top lands on 1 only in the top binade.
std::uint32_t Lfo::stepsBeforeCycleStart(std::uint32_t limit) const
{
    const float step = increment_ * rateFactor_;
    float phase = phase_;
    std::uint32_t taken = 0;
    const auto singleStep = [&]() {
        const float next = phase + step;
        if (!(next < 1.0f))
            return false;
        phase = next;
        ++taken;
        return true;
    };
    // A step that is not positive (or not a number) never carries the phase up to 1.
    if (!(step > 0.0f))
        return phase + step >= 1.0f ? 0 : limit;
    // Steps too large for runs are counted one at a time, a cycle at most.
    if (step > kLargestRunStep) {
        constexpr std::uint32_t kMostSingleSteps = 16;
        while (taken < std::min(limit, kMostSingleSteps) && singleStep()) {
        }
        return taken;
    }
    while (taken < limit) {
        const BinadeRun r = binadeRun(phase, step);
        if (r.kind == BinadeRun::kStill)
            return limit;
        if (r.kind == BinadeRun::kSingleStep) {
            if (!singleStep())
                return taken;
            continue;
        }
        double taking = std::min(r.steps, static_cast<double>(limit - taken));
        if (phase >= 0.5f && r.mantissa + taking * r.added >= kBinadeTop)
            taking -= 1.0;
        if (taking <= 0.0)
            return taken;
        phase = static_cast<float>((r.mantissa + taking * r.added) * r.ulp);
        taken += static_cast<std::uint32_t>(taking);
    }
    return taken;
}

void Lfo::computeIncrement(float speed, float sync, float tempo, float factor)
{
    if (sync >= 0.5f) {
        // One cycle per rateGain-th of the note length, with 480 * sampleRate / tempo
        // calls per whole-note unit; "Off" (length 0) gives rateGain * factor.
        const float bars = tempo::kSyncedNoteLengths[tempo::syncedNoteIndex(speed)].bars;
        increment_ = rateGain_ * factor / (bars * 480.0f * sampleRate_ / tempo + 1.0f);
    } else {
        // Ten octaves of speed: at 0, 0.21484375 cycles per sampleRate calls.
        constexpr float kFreeRateScale = 0.013427734375f;
        increment_ = std::exp2(10.0f * speed) * rateGain_ * factor * kFreeRateScale / sampleRate_;
    }
}

void Lfo::evaluate() const
{
    valuePending_ = false;
    // Warp the phase so the wave's midpoint falls at the symmetry point.
    const float w = valuePhase_ > symmetry_ ? (valuePhase_ - symmetry_) * symmetryFall_ * 0.5f + 0.5f
                                            : valuePhase_ * symmetryRise_ * 0.5f;

    float value = 0.0f;
    switch (wave_) {
    case kSine:
        value = std::sin(w * 6.28318f);
        break;
    case kTriangle:
        value = 1.0f - 2.0f * std::fabs(1.0f - 2.0f * w);
        break;
    case kSawUp:
        value = w;
        break;
    case kSawDown:
        value = 1.0f - w;
        break;
    case kSquare:
        value = w >= 0.5f ? 1.0f : -1.0f;
        break;
    case kSampleAndHold:
        value = heldRandom_;
        break;
    default:
        break;
    }
    bipolarOut_ = value;
    unipolarOut_ = 0.5f * value + 0.5f;
}

} // namespace dsp
