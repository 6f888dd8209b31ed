#include "engine/effects/ensemble_effect.h"

#include "engine/effects/effect_rates.h"
#include "engine/effects/master_effect_slot.h"

#include <algorithm>
#include <iterator>

namespace effects {

void EnsembleLines::clear()
{
    for (int v = 0; v < EnsembleEffect::kVoices; ++v) {
        std::fill(std::begin(left[v]), std::end(left[v]), 0.0f);
        std::fill(std::begin(right[v]), std::end(right[v]), 0.0f);
    }
}

StereoPair processEnsemble(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    // The six voices summed stay near the input's level.
    constexpr float kMix = 0.5f;
    EnsembleEffect& e = slot.states.ensemble;
    EnsembleLines& lines = slot.ensembleLines;
    const std::uint32_t now = clock.sampleCounter & EnsembleLines::kMask;
    const float* wave = clock.sines->unipolarSine;
    float sumLeft = 0.0f;
    float sumRight = 0.0f;
    for (int v = 0; v < EnsembleEffect::kVoices; ++v) {
        EnsembleEffect::Voice& voice = e.voices[v];
        voice.phase = advancePhase(voice.phase, voice.increment);
        const float d = std::clamp(wave[voice.phase >> kPhaseToTableShift] * voice.depth + voice.centre, 0.0f,
                                   EnsembleLines::kLongestRead);
        const auto whole = static_cast<std::uint32_t>(d);
        const float fraction = d - static_cast<float>(whole);
        const std::uint32_t p = (now - whole) & EnsembleLines::kMask;
        const std::uint32_t older = (p - 1) & EnsembleLines::kMask;
        const float yLeft = lines.left[v][p] + (lines.left[v][older] - lines.left[v][p]) * fraction;
        const float yRight = lines.right[v][p] + (lines.right[v][older] - lines.right[v][p]) * fraction;
        lines.left[v][now] = left - e.feedback * yLeft;
        lines.right[v][now] = right - e.feedback * yRight;
        sumLeft += voice.gainLeft * yLeft;
        sumRight += voice.gainRight * yRight;
    }
    return {kMix * sumLeft, kMix * sumRight};
}

} // namespace effects
