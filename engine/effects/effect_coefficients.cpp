#include "engine/effects/effect_coefficients.h"

#include "engine/effects/effect_types.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <numbers>

namespace effects {

namespace {

constexpr float kDenormalOffset = 1e-15f;
// The effects' 24-bit phase per cycle, scaled for a per-16-sample or per-sample step.
constexpr double kDelayLfoScale = 7208960.0;
constexpr double kFreeLfoScale = 112640.0;
constexpr float kSyncedLfoPer16 = 16.0f;

// A bipolar feedback knob: -0.99 .. +0.99, none at the centre.
float centredFeedback(float x) { return 1.98f * x - 0.99f + kDenormalOffset; }

void setOnePoles(MasterEffectSlot& slot, float lowPass, float highPass)
{
    slot.onePoles[MasterEffectSlot::kLowPass].setCutoff(effectFrequency(lowPass), 1.0f);
    slot.onePoles[MasterEffectSlot::kHighPass].setCutoff(effectFrequency(highPass), 1.0f);
}

std::uint32_t samplesUpTo(float samples, std::int32_t largest)
{
    return static_cast<std::uint32_t>(sampleCount(samples, largest));
}

void monoDelay(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    const float* p = in.p;
    DelayEffect& d = slot.states.delay;
    setDelayLengths(d, p[0], p[0], p[4], p[7], rates);
    d.feedbackLeft = d.feedbackRight = centredFeedback(p[1]);
    d.crossLeft = d.crossRight = 0.0f;
    d.crossFeed = false;
    setOnePoles(slot, p[2], p[3]);
    d.modulationDepth = std::sqrt(p[5]);
    d.lfoIncrement = phaseIncrement(std::exp2(10.0 * p[6]) * rates.inverseSampleRate * kDelayLfoScale);
}

// "Feed Equal": the shorter line's feedback is matched to the longer one's so
// that both decay alike per unit of time; equal lines keep theirs.
void equaliseFeedback(DelayEffect& d)
{
    constexpr float kFloor = 0.0001f;
    const auto matched = [](float longer, float ratio) {
        const float magnitude = std::exp(std::log(std::fabs(longer) + kFloor) * ratio);
        return longer < 0.0f ? -magnitude : magnitude;
    };
    if (d.lengthRight < d.lengthLeft)
        d.feedbackRight = matched(d.feedbackLeft, d.lengthRight / d.lengthLeft);
    else if (d.lengthLeft < d.lengthRight)
        d.feedbackLeft = matched(d.feedbackRight, d.lengthLeft / d.lengthRight);
}

// Cross-feed c shares the loop gain with the feedbacks, scaled so that their sum stays below 1.
void setCrossFeed(DelayEffect& d, float c)
{
    constexpr float kFloor = 0.0001f;
    constexpr float kNegligible = 0.02f;
    const float n = std::max(std::fabs(c) + std::fabs(d.feedbackLeft) + kFloor, 1.0f);
    d.feedbackLeft /= n;
    d.crossLeft = -c / n;
    d.feedbackRight = d.feedbackRight / n + kDenormalOffset;
    d.crossRight = kDenormalOffset - c / n;
    d.crossFeed = std::fabs(d.crossLeft) >= kNegligible;
    if (!d.crossFeed)
        d.crossLeft = d.crossRight = 0.0f;
}

void stereoDelay(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    constexpr float kNoCrossFeed = 0.03f;
    constexpr double kFixedRate = 4.0;
    const float* p = in.p;
    DelayEffect& d = slot.states.delay;
    setDelayLengths(d, p[0], p[1], p[7], p[8], rates);
    d.feedbackLeft = d.feedbackRight = centredFeedback(p[2]);
    float c = 1.98f * p[3] - 0.99f;
    if (std::fabs(c) < kNoCrossFeed)
        c = 0.0f;
    d.crossLeft = d.crossRight = 0.0f;
    d.crossFeed = false;
    if (p[4] > 0.5f)
        equaliseFeedback(d);
    else if (c != 0.0f)
        setCrossFeed(d, c);
    d.lfoIncrement = phaseIncrement(kFixedRate * kDelayLfoScale * rates.inverseSampleRate);
    setOnePoles(slot, p[5], p[6]);
    d.modulationDepth = std::sqrt(p[7]);
}

void combFilter(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    constexpr float kFractionScale = 256.0f;
    for (int j = 0; j < 2; ++j) {
        const int first = 4 * j;
        CombFilterEffect::Comb& comb = slot.states.comb.combs[j];
        const float length = rates.sampleRate * kFractionScale / (std::fabs(effectFrequency(in.s[first])) + 1.0f);
        comb.length = std::clamp(samplesUpTo(length, CombFilterEffect::kLongestLength),
                                 CombFilterEffect::kShortestLength, CombFilterEffect::kLongestLength);
        // The fourth root gives the feedback knob more travel near its ends.
        const float feed = in.p[first + 1] - 0.5f;
        const float magnitude = std::pow(2.0f * std::fabs(feed), 0.25f);
        comb.feedback = feed > 0.0f ? magnitude : (feed < 0.0f ? -magnitude : 0.0f);
        comb.modulationDepth = std::sqrt(in.p[first + 2]);
        comb.lfoIncrement = phaseIncrement(syncedLfoIncrement(in.p[first + 3], rates) * kSyncedLfoPer16);
    }
}

// The combs' lengths wobble slowly by 0.2 %, each side at its own rate, so
// that the tail does not ring on fixed frequencies.
void wobbleCombLengths(ReverbEngine* engines, int count, std::uint32_t sampleCounter, const EffectRates& rates)
{
    constexpr double kDepth = 0.002;
    const double base = 3e-7 * 44100.0 / rates.sampleRate;
    const double rateLeft = std::exp2(0.2) * base;
    const double rateRight = std::exp2(0.22) * base;
    const auto wobble = [&](double rate) {
        const double cycles = static_cast<double>(sampleCounter) * rate;
        return static_cast<float>(1.0 + kDepth * std::sin(2.0 * std::numbers::pi * (cycles - std::floor(cycles))));
    };
    const float left = wobble(rateLeft);
    const float right = wobble(rateRight);
    for (int e = 0; e < count; ++e)
        engines[e].setLengthFactors(left, right);
}

void setReverbGate(EffectGate& gate, float threshold, float hold, float decay, const EffectRates& rates)
{
    constexpr float kOpensAtOnce = 1.0f;
    gate.threshold = decibelGain(threshold, 40.0f, 40.0f);
    gate.attackStep = kOpensAtOnce;
    gate.holdLength = std::exp2(14.0f * hold) / 1000.0f * rates.sampleRate;
    gate.decayStep = 1000.0f / (std::exp2(14.0f * decay) * rates.sampleRate);
}

void reverb(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    // The second engine of "HQ Reverb" is a little larger, so that the two do not share echoes.
    constexpr float kSecondEngineScale = 1.1f;
    const float* p = in.p;
    const int engines = slot.type == type::kHqReverb ? 2 : 1;
    ReverbEffect& r = slot.states.reverb;
    r.preDelayLength = samplesUpTo(std::exp2(10.0f * p[0]) / 2000.0f * rates.sampleRate + 1.0f,
                                   ReverbEffect::kLongestRingDelay);
    wobbleCombLengths(slot.reverbEngines, engines, in.sampleCounter, rates);
    const float scale = std::exp2(8.0f * p[2] - 6.0f);
    for (int e = 0; e < engines; ++e) {
        ReverbEngine& engine = slot.reverbEngines[e];
        engine.setRoomSize(p[1]);
        engine.setDamping(p[3]);
        engine.setLengthScale(e == 0 ? scale : kSecondEngineScale * scale);
        engine.setFilters(p[5], p[6]);
    }
    r.spreadLength = samplesUpTo(std::exp2(13.0f * p[4]) + 1.0f, ReverbEffect::kLongestRingDelay);
    setReverbGate(slot.states.gate, p[7], p[8], p[9], rates);
}

// The longest base delay the modulation lines hold.
constexpr float kLongestChorusBase = 16383.0f;

void setChorusSweep(ChorusEffect& c, float width, float speed, float spread, const EffectRates& rates)
{
    c.width = 0.99f * width;
    c.incrementLeft = phaseIncrement(freeLfoRate(speed, rates) * kFreeLfoScale);
    c.incrementRight = phaseIncrement((3.0 * spread + 1.0) * c.incrementLeft);
}

void chorus(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    ChorusEffect& c = slot.states.chorus;
    c.baseDelay = std::min(0.05f * rates.sampleRate * in.s[0] + 1.0f, kLongestChorusBase);
    setChorusSweep(c, in.p[1], in.p[2], in.p[3], rates);
    slot.onePoles[MasterEffectSlot::kLowPass].setCutoff(effectFrequency(in.p[4]), 1.0f);
    c.widenOffset = offsetSamples(in.p[5]);
}

void chorusDelay(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    ChorusEffect& c = slot.states.chorus;
    c.baseDelay = std::min(0.05f * rates.sampleRate * in.p[0] + 1.0f, kLongestChorusBase);
    setChorusSweep(c, in.p[1], in.p[2], in.p[3], rates);
    c.stageLength = syncedDelay(in.p[4], rates);
    c.stageFeedback = in.p[5];
    c.stageVolume = in.p[6];
}

void flanger(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    constexpr float kShortestBase = 44.0f;
    FlangerEffect& f = slot.states.flanger;
    f.baseDelay = std::min(0.05f * rates.sampleRate * in.s[0] + kShortestBase, kLongestChorusBase);
    f.width = 0.99f * in.p[1];
    f.increment = phaseIncrement(syncedLfoIncrement(in.p[2], rates));
    f.feedback = centredFeedback(in.p[3]);
    f.panDepth = 0.5f * in.p[4];
    setOnePoles(slot, in.p[5], in.p[6]);
}

void phaser(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    // Stages 2 .. 9; a chain has one section fewer than its stages.
    constexpr float kStageRange = 7.99f;
    constexpr float kFewestStages = 2.0f;
    constexpr float kCornerScale = 15.0f;
    PhaserEffect& ph = slot.states.phaser;
    ph.sections = static_cast<int>(kStageRange * in.p[0] + kFewestStages) - 1;
    ph.pitch = in.s[1];
    ph.feedback = kDenormalOffset - in.p[2];
    ph.width = 0.99f * in.p[3];
    ph.increment = phaseIncrement(syncedLfoIncrement(in.p[4], rates) * kSyncedLfoPer16);
    ph.spreadLength = samplesUpTo(offsetSamples(in.p[5]), ReverbEffect::kLongestRingDelay);
    ph.panDepth = 0.5f * in.p[6];
    ph.cornerScale = kCornerScale * rates.inverseSampleRate;
}

void wahDelay(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    WahDelayEffect& w = slot.states.wahDelay;
    w.low = in.p[0];
    w.high = in.p[1];
    w.increment = phaseIncrement(syncedLfoIncrement(in.p[2], rates) * kSyncedLfoPer16);
    w.resonance = in.p[3];
    w.delayLength = syncedDelay(in.p[4], rates);
    w.feedback = in.p[5];
    w.volume = in.p[6];
}

// Six voices, each shorter, shallower and slower than the one before by a
// factor "Ensemble" sets; three to the left, three to the right, two centred.
void ensemble(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    constexpr float kLongestDelay = 16383.0f;
    constexpr float kPanSide[EnsembleEffect::kVoices] = {1.0f, 0.0f, -1.0f, 1.0f, 0.0f, -1.0f};
    const float* p = in.p;
    EnsembleEffect& e = slot.states.ensemble;
    const float spacing = -2.0f * (1.0f - p[4]);
    const float longest = 0.05f * rates.sampleRate * p[0] + 1.0f;
    const float rate = kFreeLfoScale * freeLfoRate(p[2], rates);
    for (int i = 0; i < EnsembleEffect::kVoices; ++i) {
        EnsembleEffect::Voice& v = e.voices[i];
        const float step = spacing * static_cast<float>(i);
        const float delay = std::min(longest * std::exp2(step / 5.0f), kLongestDelay);
        v.increment = phaseIncrement(rate * std::exp2(step / 5.3f));
        const float w = 0.99f * p[1] * std::exp2(step / 8.3f);
        v.depth = delay * w;
        v.centre = delay * (1.0f - w);
        const float pan = 0.5f + 0.5f * p[5] * kPanSide[i];
        v.gainLeft = clamp01(2.0f - 2.0f * pan);
        v.gainRight = clamp01(2.0f * pan);
    }
    e.feedback = p[3];
}

// Indexed by type; "None" computes nothing.
constexpr CoefficientFormula kFormulas[type::kCount] = {
    nullptr,          monoDelay,         stereoDelay,      combFilter,        reverb,
    reverb,           chorus,            chorusDelay,      flanger,           phaser,
    wahDelay,         formulas::distort, formulas::lowFi,  formulas::ampSim,  formulas::waveshaper,
    formulas::widener, formulas::autoPan, formulas::gator, formulas::ringMod, formulas::filter,
    formulas::equalizer, formulas::compressor, formulas::noiseGate, ensemble, formulas::cabinet,
    formulas::multiDistort, formulas::autoWah,
};

// The mix moves to its new target in 16 equal steps, one per sample until the next update.
constexpr float kRampSteps = 16.0f;

void updateMix(SlotMix& mix, const SlotControls& controls)
{
    mix.panGainLeft = std::min(1.0f, 2.0f - 2.0f * controls.pan);
    mix.panGainRight = std::min(1.0f, 2.0f * controls.pan);
    mix.mixPosition = mix.mixTarget;
    mix.mixTarget = controls.mix;
    mix.mixStep = (mix.mixTarget - mix.mixPosition) / kRampSteps;
    mix.crossfadeAtRest = false;
}

bool smoothParameters(float* smoothed, const float* p)
{
    constexpr float kKeep = 0.99f;
    bool changed = false;
    for (int k = 0; k < kEffectParameterCount; ++k) {
        const float next = smoothed[k] * kKeep + p[k] * (1.0f - kKeep) + kDenormalOffset;
        changed = changed || next != smoothed[k];
        smoothed[k] = next;
    }
    return changed;
}

bool sameBits(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// An update with the last update's controls, after a smoothing at rest and a
// crossfade that has arrived, would write every value as it stands.
bool changesNothing(const SlotMix& mix, const SlotControls& controls)
{
    return mix.smoothingAtRest && sameBits(controls.pan, mix.lastPan) && sameBits(controls.mix, mix.mixTarget) &&
           sameBits(mix.mixPosition, mix.mixTarget) &&
           sameBits(mix.mixStep, (controls.mix - mix.mixTarget) / kRampSteps) &&
           std::memcmp(controls.parameters, mix.lastParameters, sizeof mix.lastParameters) == 0;
}

} // namespace

void setDelayLengths(DelayEffect& delay, float a, float b, float c, float sync, const EffectRates& rates)
{
    const float offset = 4.0f * std::exp2(8.0f * c);
    float left = 0.0f;
    float right = 0.0f;
    if (sync > 0.5f) {
        left = delayNoteLength(a) * rates.samplesPerBar + 1.0f;
        right = offset + delayNoteLength(b) * rates.samplesPerBar + 1.0f;
    } else {
        // 1 ms .. 4.096 s over twelve octaves.
        left = std::exp2(12.0f * a) / 1000.0f * rates.sampleRate + 1.0f;
        right = offset + std::exp2(12.0f * b) / 1000.0f * rates.sampleRate + 1.0f;
    }
    delay.lengthLeft = std::min(left, kLongestDelay);
    delay.lengthRight = std::min(right, kLongestDelay);
}

void updateMasterEffectCoefficients(MasterEffectSlot& slot, const SlotControls& controls, bool force,
                                    const EffectRates& rates, std::uint32_t sampleCounter)
{
    if (!isActiveType(slot.type))
        return;
    SlotMix& mix = slot.mix;
    if (!force && changesNothing(mix, controls))
        return;
    updateMix(mix, controls);
    const bool changed = smoothParameters(mix.smoothed, controls.parameters);
    mix.lastPan = controls.pan;
    std::copy(std::begin(controls.parameters), std::end(controls.parameters), std::begin(mix.lastParameters));
    mix.smoothingAtRest = !changed;
    if (!changed && !force)
        return;
    const EffectInputs in{controls.parameters, slot.mix.smoothed, sampleCounter};
    kFormulas[slot.type](slot, in, rates);
}

} // namespace effects
