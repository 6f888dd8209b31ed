#include "engine/dsp/lfo.h"

#include "engine/tempo/synced_note_lengths.h"

#include <cmath>

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
