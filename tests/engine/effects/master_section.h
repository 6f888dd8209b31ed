#pragma once

#include "engine/effects/effect_coefficients.h"
#include "engine/effects/master_effects.h"
#include "engine/tables/sine_tables.h"

#include <memory>

namespace kravo::test {

// Drives the four master slots as the engine's sample loop does: each
// slot's coefficients every 16 samples, then one sample of every slot's bus.
class MasterSection {
public:
    explicit MasterSection(float rate = 44100.0f) : effects(std::make_unique<effects::MasterEffects>())
    {
        rates = {rate, 1.0f / rate, rate * 240.0f / 120.0f, 120.0f};
        effects->init(rate);
        clock.sines = &tables::sineTables();
    }

    // A new type for slot s with the given controls, its mix already at its target.
    void configure(int s, int type, const effects::SlotControls& slotControls)
    {
        controls[s] = slotControls;
        effects->setType(s, type, rates.sampleRate);
        for (int settle = 0; settle < 2; ++settle)
            effects::updateMasterEffectCoefficients(effects->slot(s), controls[s], true, rates, counter);
    }

    // The same with the slot's smoothed parameters already at the controls' values.
    void configureSettled(int s, int type, const effects::SlotControls& slotControls)
    {
        for (int k = 0; k < effects::kEffectParameterCount; ++k)
            effects->slot(s).mix.smoothed[k] = slotControls.parameters[k];
        configure(s, type, slotControls);
    }

    // One sample with the given pair on slot s's bus and silence on the others.
    effects::StereoPair step(int s, float left, float right)
    {
        float busLeft[8] = {};
        float busRight[8] = {};
        busLeft[1 + s] = left;
        busRight[1 + s] = right;
        ++counter;
        if ((counter & 0xF) == 0)
            for (int slot = 0; slot < effects::MasterEffects::kSlotCount; ++slot)
                effects::updateMasterEffectCoefficients(effects->slot(slot), controls[slot], false, rates, counter);
        clock.sampleCounter = counter;
        clock.equalizerTaps.rotate();
        effects->process(busLeft, busRight, bypassed, clock);
        return effects->result();
    }

    std::unique_ptr<effects::MasterEffects> effects;
    effects::EffectRates rates;
    effects::SlotControls controls[effects::MasterEffects::kSlotCount];
    bool bypassed[effects::MasterEffects::kSlotCount] = {};
    // The engine's side of each sample: tests set the limit level, mod wheel and host position.
    effects::EffectClock clock;
    std::uint32_t counter = 0;
};

// Slot controls: pan, mix and the ten effect parameters (the rest 0).
inline effects::SlotControls slotControls(float pan, float mix, std::initializer_list<float> parameters)
{
    effects::SlotControls c;
    c.pan = pan;
    c.mix = mix;
    int k = 0;
    for (float p : parameters)
        c.parameters[k++] = p;
    return c;
}

} // namespace kravo::test
