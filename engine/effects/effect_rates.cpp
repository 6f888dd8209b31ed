#include "engine/effects/effect_rates.h"

#include "engine/tempo/synced_note_lengths.h"

namespace effects {

namespace {

// The note lengths a synced delay can choose, in bars, shortest first.
constexpr float kDelayNoteLengths[] = {1.0f / 48.0f, 1.0f / 32.0f, 3.0f / 64.0f, 1.0f / 24.0f, 1.0f / 16.0f,
                                       3.0f / 32.0f, 1.0f / 12.0f, 1.0f / 8.0f,  3.0f / 16.0f, 1.0f / 6.0f,
                                       1.0f / 4.0f,  3.0f / 8.0f,  1.0f / 3.0f,  1.0f / 2.0f,  3.0f / 4.0f};
constexpr int kDelayNoteCount = sizeof kDelayNoteLengths / sizeof kDelayNoteLengths[0];

} // namespace

float delayNoteLength(float x)
{
    // Slightly below the count so that 1 lands on the last entry.
    constexpr float kIndexScale = kDelayNoteCount - 0.01f;
    const int index = static_cast<int>(clamp01(x) * kIndexScale);
    return kDelayNoteLengths[index];
}

float syncedDelay(float x, const EffectRates& rates)
{
    return std::min(delayNoteLength(x) * rates.samplesPerBar + 1.0f, kLongestDelay);
}

float syncedLfoIncrement(float x, const EffectRates& rates)
{
    constexpr float kPhaseCycle = 16777215.0f;
    const float bars = tempo::kSyncedNoteLengths[tempo::syncedNoteIndex(x)].bars;
    return kPhaseCycle / (bars * rates.samplesPerBar + 1.0f);
}

} // namespace effects
