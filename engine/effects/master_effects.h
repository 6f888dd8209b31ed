#pragma once

#include "engine/effects/effect_clock.h"
#include "engine/effects/master_effect_slot.h"

#include <cstdint>

namespace effects {

// The four master effect slots and the routing that chains them, one sample
// at a time: each slot takes its bus, runs its type between bypass, activity
// detectors and the dry/wet crossfade, and the routing sums the result.
class MasterEffects {
public:
    static constexpr int kSlotCount = 4;
    // "Parallel", "Serial", "[1,2,3]>4", "[1,2]>3>4", "1>2 + 3>4"; any other routing is silent.
    static constexpr std::int32_t kRoutingCount = 5;

    // The start state at the plug-in's construction.
    void init(float sampleRate);
    // A slot's new type: stored, and the slot set up for it.
    void setType(int s, std::int32_t type, float sampleRate);

    // One sample: the slots' inputs are the effect buses (1..4 of the eight),
    // bypassed[s] the slots' bypass switches.
    void process(const float* busLeft, const float* busRight, const bool* bypassed, const EffectClock& clock);
    StereoPair result() const { return result_; }
    // Whether a sample of silent buses would leave every slot as it is and give silence: each slot
    // passes its input on (no effect, or bypassed) or is asleep with its detectors quiet.
    bool sleepsThroughSilence(const bool* bypassed) const;

    // Adds slot from's output to slot to's input (which keeps what its bus put there).
    void routeSlotOutput(int from, int to);

    MasterEffectSlot& slot(int s) { return slots_[s]; }
    const MasterEffectSlot& slot(int s) const { return slots_[s]; }
    std::int32_t routing = 0;

private:
    void runRouting(const bool* bypassed, const EffectClock& clock);
    void processMasterEffectSlot(int s, bool bypassed, const EffectClock& clock);

    MasterEffectSlot slots_[kSlotCount];
    StereoPair result_;
};

} // namespace effects
