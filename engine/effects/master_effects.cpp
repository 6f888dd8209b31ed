#include "engine/effects/master_effects.h"

#include "engine/effects/effect_types.h"

#include <cmath>

namespace effects {

namespace {

constexpr float kDenormalOffset = 1e-15f;
// Below this a sample counts as silence for the activity detectors.
constexpr float kActivityThreshold = 0.0001f;
constexpr std::uint32_t kDecayMask = 0x7F;
constexpr std::uint32_t kOutputCheckMask = 0xF;

// The effect of type t, the slot's, per sample; inline, so that a t known where it is called leaves only its case.
[[gnu::always_inline]] inline StereoPair runEffect(std::int32_t t, MasterEffectSlot& slot, const EffectClock& clock,
                                                   float left, float right)
{
    switch (t) {
    case type::kMonoDelay:
    case type::kStereoDelay:
        return slot.states.delay.process(slot.delayLines, slot.onePoles[MasterEffectSlot::kLowPass],
                                         slot.onePoles[MasterEffectSlot::kHighPass], clock, left, right);
    case type::kCombFilter:
        return processCombFilter(slot, clock, left, right);
    case type::kReverb:
        return slot.states.reverb.process(slot.reverbEngines[0], slot.preDelayLeft, slot.preDelayRight, slot.spreadRing,
                                          slot.states.gate, clock, left, right);
    case type::kHqReverb:
        return processHqReverb(slot, clock, left, right);
    case type::kChorus:
        return slot.states.chorus.process(slot.modulationLines, slot.onePoles[MasterEffectSlot::kLowPass], clock,
                                          left, right);
    case type::kChorusDelay:
        return processChorusForDelay(slot, clock, left, right);
    case type::kFlanger:
        return processFlanger(slot, clock, left, right);
    case type::kPhaser:
        return processPhaser(slot, clock, left, right);
    case type::kWahWahDelay:
        return processWahDelay(slot, clock, left, right);
    case type::kDistort:
        return processDistort(slot, clock, left, right);
    case type::kLowFi:
        return processLowFi(slot, clock, left, right);
    case type::kAmpSim:
        return processAmpSim(slot, clock, left, right);
    case type::kWaveshaper:
        return processWaveshaper(slot, clock, left, right);
    case type::kWidener:
        return processWidener(slot, clock, left, right);
    case type::kAutoPan:
        return processAutoPan(slot, clock, left, right);
    case type::kGator:
        return processGator(slot, clock, left, right);
    case type::kRingMod:
        return processRingMod(slot, clock, left, right);
    case type::kFilter:
        return processFilter(slot, clock, left, right);
    case type::kEqualizer:
        return processEqualizer(slot, clock, left, right);
    case type::kCompressor:
        return processCompressor(slot, clock, left, right);
    case type::kNoiseGate:
        return processNoiseGate(slot, clock, left, right);
    case type::kEnsemble:
        return processEnsemble(slot, clock, left, right);
    case type::kCabinet:
        return processCabinet(slot, clock, left, right);
    case type::kMultiDistort:
        return processMultiDistort(slot, clock, left, right);
    case type::kAutoWah:
        return processAutoWah(slot, clock, left, right);
    default:
        return {left, right};
    }
}

// A detector holds 1 after activity and then falls by 0.2 % every 128
// samples: about 13 s at 44.1 kHz until it reads as quiet.
void decayLevel(double& level)
{
    constexpr double kKeep = 0.998;
    level = level * kKeep + 1e-15;
    if (level < kActivityThreshold)
        level = 0.0;
}

// x held to 0..1, a NaN giving 0, as fmin(fmax(x, 0), 1) gives it, without
// their library calls; no crossfade value is ever a negative zero, the one
// input where the two might differ.
float crossfadeClamp(float x)
{
    return x > 0.0f ? (x < 1.0f ? x : 1.0f) : 0.0f;
}

// Position 0 is dry only, 0.5 both at full level, 1 wet only.
// A flat ramp leaves the position as it is (a clamped position is never a negative zero, and adding a zero
// to it changes no bit), so after one step of it every value stands until the next update.
void stepCrossfade(SlotMix& m)
{
    if (m.crossfadeAtRest)
        return;
    m.mixPosition = crossfadeClamp(m.mixPosition + m.mixStep);
    m.dryGain = crossfadeClamp(2.0f - 2.0f * m.mixPosition);
    m.wetGain = crossfadeClamp(2.0f * m.mixPosition);
    m.wetPanLeft = m.panGainLeft * m.wetGain;
    m.wetPanRight = m.panGainRight * m.wetGain;
    m.crossfadeAtRest = m.mixStep == 0.0f;
}

void detectOutput(SlotMix& m, std::uint32_t counter, float left, float right)
{
    if ((counter & kOutputCheckMask) != 0)
        return;
    float b = std::fabs(left) + std::fabs(right);
    if (b < kActivityThreshold)
        b = 0.0f;
    if (b > m.outputLevel)
        m.outputLevel = 1.0;
    if ((counter & kDecayMask) == 0)
        decayLevel(m.outputLevel);
}

// Stands for whatever type the slot holds.
constexpr std::int32_t kAnyType = -1;

// The effect, its mix and its output detector, for a slot of type Type (or kAnyType). Out of line, so that the
// sample of a sleeping slot does not pay for the registers the effects need, and one function per type the
// factory programs run most, so that each pays only for its own.
template <std::int32_t Type>
[[gnu::noinline]] StereoPair runAwakeSlotAs(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    const std::int32_t t = Type == kAnyType ? slot.type : Type;
    SlotMix& m = slot.mix;
    stepCrossfade(m);
    const StereoPair wet = runEffect(t, slot, clock, left, right);
    StereoPair mixed{left * m.dryGain + m.wetPanLeft * wet.left, right * m.dryGain + m.wetPanRight * wet.right};
    // "Chorus / Delay" sends its mixed chorus through its delay stage, which has no second dry/wet.
    if (t == type::kChorusDelay)
        mixed = processChorusDelayStage(slot, clock, mixed.left, mixed.right);
    detectOutput(m, clock.sampleCounter, mixed.left, mixed.right);
    return {mixed.left + kDenormalOffset, mixed.right + kDenormalOffset};
}

// An awake slot's sample: a jump to its type's function.
[[gnu::noinline]] StereoPair runAwakeSlot(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    switch (slot.type) {
    case type::kMonoDelay:
    case type::kStereoDelay:
        // The two delays run the same code.
        return runAwakeSlotAs<type::kStereoDelay>(slot, clock, left, right);
    case type::kReverb:
        return runAwakeSlotAs<type::kReverb>(slot, clock, left, right);
    case type::kHqReverb:
        return runAwakeSlotAs<type::kHqReverb>(slot, clock, left, right);
    case type::kChorus:
        return runAwakeSlotAs<type::kChorus>(slot, clock, left, right);
    default:
        return runAwakeSlotAs<kAnyType>(slot, clock, left, right);
    }
}

} // namespace

void MasterEffects::init(float sampleRate)
{
    for (MasterEffectSlot& s : slots_)
        s.init(sampleRate);
}

void MasterEffects::setType(int s, std::int32_t type, float sampleRate)
{
    slots_[s].type = type;
    slots_[s].setup(sampleRate);
}

// Inline into the routing: a sleeping slot's sample is a few tests, not a call.
[[gnu::always_inline]] inline void MasterEffects::processMasterEffectSlot(int s, bool bypassed,
                                                                         const EffectClock& clock)
{
    MasterEffectSlot& slot = slots_[s];
    slot.outputLeft = slot.inputLeft;
    slot.outputRight = slot.inputRight;
    if (!isActiveType(slot.type) || bypassed)
        return;

    SlotMix& m = slot.mix;
    const float left = slot.inputLeft + kDenormalOffset;
    const float right = slot.inputRight + kDenormalOffset;
    const float a = std::fabs(left) + std::fabs(right);
    if (a >= kActivityThreshold && a > m.inputLevel)
        m.inputLevel = 1.0;
    if ((clock.sampleCounter & kDecayMask) == 0)
        decayLevel(m.inputLevel);
    m.silent = m.inputLevel < kActivityThreshold && m.outputLevel < kActivityThreshold;
    if (m.silent) {
        slot.outputLeft = slot.outputRight = 0.0f;
        return;
    }
    const StereoPair out = runAwakeSlot(slot, clock, left, right);
    slot.outputLeft = out.left;
    slot.outputRight = out.right;
}

bool MasterEffects::sleepsThroughSilence(const bool* bypassed) const
{
    for (int s = 0; s < kSlotCount; ++s) {
        const MasterEffectSlot& slot = slots_[s];
        if (!isActiveType(slot.type) || bypassed[s])
            continue;
        if (!(slot.mix.inputLevel < kActivityThreshold && slot.mix.outputLevel < kActivityThreshold))
            return false;
    }
    return true;
}

void MasterEffects::routeSlotOutput(int from, int to)
{
    slots_[to].inputLeft += slots_[from].outputLeft;
    slots_[to].inputRight += slots_[from].outputRight;
}

// Inline into process, its one caller, which runs every sample.
[[gnu::always_inline]] inline void MasterEffects::runRouting(const bool* bypassed, const EffectClock& clock)
{
    const auto run = [&](int s) { processMasterEffectSlot(s, bypassed[s], clock); };
    const auto add = [&](int s) {
        result_.left += slots_[s].outputLeft;
        result_.right += slots_[s].outputRight;
    };
    switch (routing) {
    case 0: // "Parallel"
        for (int s = 0; s < kSlotCount; ++s) {
            run(s);
            add(s);
        }
        break;
    case 1: // "Serial"
        run(0);
        for (int s = 1; s < kSlotCount; ++s) {
            routeSlotOutput(s - 1, s);
            run(s);
        }
        add(3);
        break;
    case 2: // "[1,2,3]>4"
        for (int s = 0; s < 3; ++s) {
            run(s);
            routeSlotOutput(s, 3);
        }
        run(3);
        add(3);
        break;
    case 3: // "[1,2]>3>4"
        run(0);
        run(1);
        routeSlotOutput(0, 2);
        routeSlotOutput(1, 2);
        run(2);
        routeSlotOutput(2, 3);
        run(3);
        add(3);
        break;
    case 4: // "1>2 + 3>4"
        run(0);
        routeSlotOutput(0, 1);
        run(1);
        run(2);
        routeSlotOutput(2, 3);
        run(3);
        add(3);
        add(1);
        break;
    default:
        break;
    }
}

void MasterEffects::process(const float* busLeft, const float* busRight, const bool* bypassed,
                            const EffectClock& clock)
{
    // Buses 1..4 are the slots' sends.
    for (int s = 0; s < kSlotCount; ++s) {
        slots_[s].inputLeft = busLeft[1 + s];
        slots_[s].inputRight = busRight[1 + s];
    }
    result_ = {};
    runRouting(bypassed, clock);
}

} // namespace effects
