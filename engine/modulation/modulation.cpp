#include "engine/modulation/modulation.h"

#include "plugin/parameters/mixer_parameters.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_reading.h"

#include <cmath>

namespace modulation {

namespace {

namespace param = kravo::param;

// The full rebuild of a table's 700 cells runs when the sample counter's low eight bits are zero.
constexpr std::uint32_t kRebuildMask = 0xFF;

enum LfoMode : int { kPoly, kFree, kMono };
constexpr float kLfoModeScale = 2.99f;

LfoMode lfoMode(const float* p, int l)
{
    return static_cast<LfoMode>(param::readChoice(p[param::lfoBase[l] + param::lfo::kMode], kLfoModeScale));
}

// "Easy LFO Speed" spans 2^-5 .. 2^5 around its centre.
float easyLfoSpeedFactor(const float* p)
{
    return std::exp2(10.0f * p[param::kEasyLfoSpeed] - 5.0f);
}

} // namespace

void Modulation::init(float sampleRate)
{
    auto initSet = [sampleRate](Modulators& set) {
        for (dsp::AhdEnvelope& envelope : set.envelopes)
            envelope.init(sampleRate);
        for (dsp::Lfo& lfo : set.lfos)
            lfo.init(sampleRate);
    };
    initSet(globalModulators_);
    for (Modulators& set : slotModulators_)
        initSet(set);
}

void Modulation::setSourceBipolar(std::int32_t source, float value, float bipolarValue)
{
    if (source < 0 || source >= kModSourceCount)
        return;
    const ModSourceValue v{value, bipolarValue};
    globalSources_.values[source] = v;
    for (ModSourceSet& set : slotSources_)
        set.values[source] = v;
}

void Modulation::setEnvelopeStages(dsp::AhdEnvelope& envelope, int e, const float* p) const
{
    const int base = param::envelopeBase[e];
    const float* g = globalTable_.value;
    const float speed = g[globaldest::kEnvSpeed[e]];
    envelope.setStages(p[base + param::envelope::kAttack], p[base + param::envelope::kHold],
                       p[base + param::envelope::kDecay], g[globaldest::kEnvAttack[e]], g[globaldest::kEnvHold[e]],
                       g[globaldest::kEnvDecay[e]], speed, speed, speed);
}

void Modulation::updateEnvelope(Modulators& set, ModSourceSet& sources, int e, const float* p)
{
    dsp::AhdEnvelope& envelope = set.envelopes[e];
    setEnvelopeStages(envelope, e, p);
    envelope.process();
    sources.values[source::kEnv1 + e] = {envelope.bipolarOutput(), envelope.output()};
}

void Modulation::updateLfo(Modulators& set, int l, const float* p, float tempo)
{
    const int base = param::lfoBase[l];
    dsp::Lfo& lfo = set.lfos[l];
    lfo.setWave(p[base + param::lfo::kWave]);
    lfo.setHumanize(p[base + param::lfo::kHumanize]);
    lfo.setSymmetry(p[base + param::lfo::kSymmetry]);
    lfo.setRate(p[base + param::lfo::kSpeed], p[base + param::lfo::kSync], tempo, lfoRateFactor(l, p));
    lfo.output();
}

float Modulation::lfoRateFactor(int l, const float* p) const
{
    return globalTable_.value[globaldest::kLfoSpeed[l]] * easyLfoSpeedFactor(p);
}

// The rate inputs are those of the last step; the parameters stay as they are between events.
bool Modulation::globalStepsQuietly(const float* p, float tempo) const
{
    if (matrix_.envRunning(0) || matrix_.envRunning(1))
        return false;
    for (int l = 0; l < 2; ++l) {
        if (!matrix_.lfoRunning(l))
            continue;
        const int base = param::lfoBase[l];
        if (matrix_.reachesGlobalCell(globaldest::kLfoSpeed[l]) ||
            !globalModulators_.lfos[l].keepsRate(p[base + param::lfo::kSpeed], p[base + param::lfo::kSync], tempo,
                                                 lfoRateFactor(l, p)))
            return false;
    }
    return true;
}

// Step by step and in the full pass's order, so that the LFOs' draws at their cycle starts come as they would.
void Modulation::stepGlobalLfosQuietly(int steps)
{
    dsp::Lfo& first = globalModulators_.lfos[0];
    dsp::Lfo& second = globalModulators_.lfos[1];
    if (matrix_.lfoRunning(0) && matrix_.lfoRunning(1)) {
        for (int k = 0; k < steps; ++k) {
            first.output();
            second.output();
        }
    } else if (matrix_.lfoRunning(0)) {
        for (int k = 0; k < steps; ++k)
            first.output();
    } else if (matrix_.lfoRunning(1)) {
        for (int k = 0; k < steps; ++k)
            second.output();
    }
}

void Modulation::endQuietGlobalSteps()
{
    for (int l = 0; l < 2; ++l)
        if (matrix_.lfoRunning(l))
            writeLfoSource(globalSources_, l, globalModulators_.lfos[l]);
    matrix_.applyGlobal(globalTable_, globalSources_);
}

void Modulation::writeLfoSource(ModSourceSet& sources, int l, const dsp::Lfo& lfo)
{
    sources.values[source::kLfo1 + l] = {lfo.unipolarOutput(), lfo.bipolarOutput()};
}

void Modulation::updateGlobal(const float* p, float tempo, std::uint32_t sampleCounter)
{
    for (int e = 0; e < 2; ++e)
        if (matrix_.envRunning(e))
            updateEnvelope(globalModulators_, globalSources_, e, p);
    for (int l = 0; l < 2; ++l) {
        if (matrix_.lfoRunning(l)) {
            updateLfo(globalModulators_, l, p, tempo);
            writeLfoSource(globalSources_, l, globalModulators_.lfos[l]);
        }
    }
    if ((sampleCounter & kRebuildMask) == 0)
        globalTable_.resetToBase();
    matrix_.applyGlobal(globalTable_, globalSources_);
}

void Modulation::updateSlot(int slot, const float* p, float tempo, std::uint32_t sampleCounter)
{
    Modulators& set = slotModulators_[slot];
    ModSourceSet& sources = slotSources_[slot];
    for (int e = 0; e < 2; ++e)
        if (matrix_.envRunning(e))
            updateEnvelope(set, sources, e, p);
    for (int l = 0; l < 2; ++l) {
        if (matrix_.lfoRunning(l)) {
            updateLfo(set, l, p, tempo);
            // "Free" and "Mono" share the global LFO; the slot's own still runs on.
            const dsp::Lfo& heard = lfoMode(p, l) == kPoly ? set.lfos[l] : globalModulators_.lfos[l];
            writeLfoSource(sources, l, heard);
        }
    }
    ModDestinationTable& table = slotTables_[slot];
    if ((sampleCounter & kRebuildMask) == 0)
        table.resetToBase();
    matrix_.applySlot(table, sources);
}

void Modulation::startSlotModulators(int slot, const float* p)
{
    Modulators& set = slotModulators_[slot];
    for (int l = 0; l < 2; ++l) {
        const LfoMode mode = lfoMode(p, l);
        if (mode == kPoly)
            set.lfos[l].resetPhase();
        else if (mode == kMono)
            globalModulators_.lfos[l].resetPhase();
    }
    for (int e = 0; e < 2; ++e) {
        setEnvelopeStages(set.envelopes[e], e, p);
        setEnvelopeStages(globalModulators_.envelopes[e], e, p);
        set.envelopes[e].trigger();
        globalModulators_.envelopes[e].retrigger();
    }
}

void Modulation::resetSet(Modulators& set)
{
    for (dsp::AhdEnvelope& envelope : set.envelopes)
        envelope.reset();
    for (dsp::Lfo& lfo : set.lfos)
        lfo.resetPhase();
}

void Modulation::killGlobalEnvelopes()
{
    for (dsp::AhdEnvelope& envelope : globalModulators_.envelopes)
        envelope.kill();
}

} // namespace modulation
