#include "engine/engine.h"

#include "engine/dsp/random_source.h"
#include "engine/engine_listener.h"
#include "engine/voices/pad_table.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"

#include <cmath>
#include <type_traits>

namespace {

namespace param = kravo::param;
using voices::PadKind;

constexpr float kPhaseFullScale = 8388607.0f; // the oscillators' 23-bit phase
constexpr std::uint32_t kNoiseStride = 32;    // noise positions land on whole 32-frame steps

} // namespace

void Engine::triggerPad(std::int32_t pad, std::int32_t velocity, float notePitch, float notePan, float noteLevel)
{
    if (pad < 0 || pad >= kNumPads)
        return;
    const float f = static_cast<float>(velocity) / 127.0f;
    const PadKind kind = voices::kKindOfPad[static_cast<std::size_t>(pad)];
    if (kind == PadKind::Pattern) {
        startPattern(voices::kIndexInKindOfPad[static_cast<std::size_t>(pad)]);
        return;
    }
    slotNotes[pad].pad = static_cast<std::uint32_t>(pad);
    switch (kind) {
    case PadKind::BassDrum: triggerSynthVoice(bassDrumVoices, pad, f, notePitch, notePan, noteLevel); break;
    case PadKind::Snare: triggerSynthVoice(snareVoices, pad, f, notePitch, notePan, noteLevel); break;
    case PadKind::Clap: triggerSynthVoice(clapVoices, pad, f, notePitch, notePan, noteLevel); break;
    case PadKind::ClosedHat: triggerSynthVoice(closedHatVoices, pad, f, notePitch, notePan, noteLevel); break;
    case PadKind::OpenHat: triggerSynthVoice(openHatVoices, pad, f, notePitch, notePan, noteLevel); break;
    case PadKind::TomOrUser:
        if (isUserSlot(pad))
            triggerSynthVoice(userVoices, pad, f, notePitch, notePan, noteLevel);
        else
            triggerSynthVoice(tomVoices, pad, f, notePitch, notePan, noteLevel);
        break;
    case PadKind::User: triggerSynthVoice(userVoices, pad, f, notePitch, notePan, noteLevel); break;
    case PadKind::SampleSlot: triggerSampleSlot(pad, f, notePitch, notePan, noteLevel); break;
    default: break;
    }
}

void Engine::releasePad(std::int32_t pad, std::int32_t velocity)
{
    // Synthesised drums always play out their envelopes; sample slots release their looping layers.
    (void)velocity;
    if (pad < 0 || pad >= kNumPads)
        return;
    const int index = voices::kIndexInKindOfPad[static_cast<std::size_t>(pad)];
    switch (voices::kKindOfPad[static_cast<std::size_t>(pad)]) {
    case PadKind::SampleSlot: releaseSlot(index); break;
    case PadKind::Pattern: releasePattern(index); break;
    default: break;
    }
}

void Engine::prepareTrigger(int slot, float velocity, float notePitch, float notePan, float noteLevel)
{
    SlotNoteState& note = slotNotes[slot];
    note.notePitch = notePitch;
    note.pitchFactor = std::exp2(notePitch);
    note.notePan = notePan;
    note.noteLevel = noteLevel;
    note.velocity = velocity;
    note.phaseIncrement = note.pitchFactor * kPhaseFullScale * kPhaseScale / sampleRate;
    note.output = static_cast<std::uint32_t>(
        param::readChoice(params[param::voiceOutput[static_cast<std::size_t>(slot)]], param::choicescale::kOutput));
    note.chokeGroup = static_cast<std::uint32_t>(param::readChoice(
        params[param::voiceChokeGroup[static_cast<std::size_t>(slot)]], param::choicescale::kChokeGroup));
    note.active = 1;
    activeSlots |= 1u << slot;
    restartSlotControlTicks(slot);

    modulation.startSlotModulators(slot, params);
    updateEasyControls(slot);
    resetSlotModDestinations(slot);

    // A slot silences every other slot whose latest note shares its non-zero choke group.
    if (note.chokeGroup != 0)
        for (int t = 0; t < kNumDrumSlots; ++t)
            if (t != slot && slotNotes[t].chokeGroup == note.chokeGroup)
                allNotesOff(t);

    noisePositions[slot][0] = dsp::randomBits() * kNoiseStride;
    noisePositions[slot][1] = dsp::randomBits() * kNoiseStride;
}

// The voice that played last fades fast while the new note starts on the other one.
int Engine::nextVoice(int slot, int index)
{
    SlotNoteState& note = slotNotes[slot];
    resetVoice(static_cast<int>(note.lastVoice), slot, index);
    note.lastVoice = 1 - note.lastVoice;
    return static_cast<int>(note.lastVoice);
}

template <typename Visit>
void Engine::visitKindVoices(int slot, int mode, Visit visit)
{
    switch (voices::kKindOfPad[static_cast<std::size_t>(slot)]) {
    case PadKind::BassDrum: visit(bassDrumVoices); break;
    case PadKind::Snare: visit(snareVoices); break;
    case PadKind::Clap: visit(clapVoices); break;
    case PadKind::ClosedHat: visit(closedHatVoices); break;
    case PadKind::OpenHat: visit(openHatVoices); break;
    case PadKind::TomOrUser:
        if (mode == 1)
            visit(userVoices);
        else
            visit(tomVoices);
        break;
    case PadKind::User: visit(userVoices); break;
    default: break;
    }
}

// The addresses a voice reads stay put, so each voice's context is bound once
// (again when the sample rate changes) rather than built for every sample.
void Engine::bindVoiceContexts()
{
    for (int voice = 0; voice < kVoicesPerSlot; ++voice) {
        for (int slot = 0; slot < kNumDrumSlots; ++slot) {
            voices::VoiceContext& c = voiceContexts[voice][slot];
            c.params = params;
            c.slot = slot;
            c.instance = voices::kIndexInKindOfPad[static_cast<std::size_t>(slot)];
            c.sampleRate = sampleRate;
            c.mod = &modulation.slotTable(slot);
            c.easy = &easyControls[slot];
            c.note = &slotNotes[slot];
            c.globalVolumeOffset = &globalVolumeOffset;
            c.globalPanOffset = &globalPanOffset;
            c.tempo = &tempo;
            c.waves = waves;
            c.sineTable = sines->sine;
            c.cosineTable = sines->cosine;
            c.noise = &noise;
            c.noisePosition = &noisePositions[slot][voice];
            c.randomSeed = &randomSeed;
            // Only the synthesised voices have model filters and only the user slots a shared LFO.
            c.modelFilters = slot < kNumSynthSlots ? modelFilters[voice][slot] : nullptr;
            c.userLfo = slot >= param::kFirstTomUserSlot && slot < kNumSynthSlots ? &userLfos[c.instance] : nullptr;
            c.buses = &buses;
        }
    }
    for (int slot = 0; slot < kNumSynthSlots; ++slot)
        for (int mode = 0; mode < 2; ++mode)
            visitKindVoices(slot, mode, [&](auto* kindVoices) { bindSlotVoices(kindVoices, slot, mode); });
}

// The new note starts on the slot's other voice from a fresh set-up; a sample
// model hands it to the voice's sample layer.
template <typename Voice>
void Engine::triggerSynthVoice(Voice* kindVoices, int slot, float velocity, float notePitch, float notePan,
                               float noteLevel)
{
    const int index = voices::kIndexInKindOfPad[static_cast<std::size_t>(slot)];
    prepareTrigger(slot, velocity, notePitch, notePan, noteLevel);
    const int v = nextVoice(slot, index);
    Voice& r = kindVoices[index + Voice::kInstances * v];
    r.setup(sampleRate, sines->sine, sines->cosine);
    const voices::VoiceContext& c = voiceContexts[v][slot];
    r.open(c, velocity, Voice::parameters(index));
    if (r.model >= Voice::kFirstSampleModel)
        startFactorySample(v, slot, Voice::sampleOfModel(r.model));
    else
        r.noteOn(c);
}

// Out of line, so that the sample loop around it keeps its registers for the sample layers.
[[gnu::noinline]] void Engine::renderSynthesisedVoice(int voice, int slot, int mode)
{
    visitKindVoices(slot, mode, [&](auto* kindVoices) {
        using Voice = std::remove_pointer_t<decltype(kindVoices)>;
        const int index = voices::kIndexInKindOfPad[static_cast<std::size_t>(slot)];
        kindVoices[index + Voice::kInstances * voice].render(voiceContexts[voice][slot]);
    });
}

template <typename Voice>
void Engine::bindSlotVoices(Voice* kindVoices, int slot, int mode)
{
    const int index = voices::kIndexInKindOfPad[static_cast<std::size_t>(slot)];
    for (int voice = 0; voice < kVoicesPerSlot; ++voice)
        slotVoices[mode][voice][slot] = &kindVoices[index + Voice::kInstances * voice];
    firstSampleModel[mode][slot] = Voice::kFirstSampleModel;
}

void Engine::resetVoice(int voice, int slot, int index)
{
    if (slot < kNumSynthSlots)
        voiceLayers[voice][slot].kill();
    switch (voices::kKindOfPad[static_cast<std::size_t>(slot)]) {
    case PadKind::BassDrum: bassDrumVoices[index + drums::BassDrumVoice::kInstances * voice].kill(); break;
    case PadKind::Snare: snareVoices[index + drums::SnareVoice::kInstances * voice].kill(); break;
    case PadKind::Clap: clapVoices[index + drums::ClapVoice::kInstances * voice].kill(); break;
    case PadKind::ClosedHat: closedHatVoices[index + drums::ClosedHatVoice::kInstances * voice].kill(); break;
    case PadKind::OpenHat: openHatVoices[index + drums::OpenHatVoice::kInstances * voice].kill(); break;
    case PadKind::TomOrUser:
        // Tom mode or not, both the tom voice and the user voice fade.
        tomVoices[index + drums::TomVoice::kInstances * voice].kill();
        userVoices[index + drums::UserVoice::kInstances * voice].kill();
        break;
    case PadKind::User: userVoices[index + drums::UserVoice::kInstances * voice].kill(); break;
    case PadKind::SampleSlot: sampleSlotVoices[index + samples::SampleSlotVoice::kInstances * voice].kill(); break;
    default: break;
    }
}

void Engine::allNotesOff(int slot)
{
    const int index = voices::kIndexInKindOfPad[static_cast<std::size_t>(slot)];
    resetVoice(0, slot, index);
    resetVoice(1, slot, index);
}

void Engine::allVoicesOff()
{
    haltPatternPlayers(false);
    tempoSync.forgetLatch();
    for (int slot = 0; slot < kNumDrumSlots; ++slot) {
        allNotesOff(slot);
        modulation.resetSlotModulators(slot);
        modulation.resetSlotDestinations(slot);
    }
    modulation.resetGlobalModulators();
    modulation.resetGlobalDestinations();
}

void Engine::clearVoiceActiveFlags()
{
    for (drums::BassDrumVoice& r : bassDrumVoices)
        r.stop();
    for (drums::SnareVoice& r : snareVoices)
        r.stop();
    for (drums::ClapVoice& r : clapVoices)
        r.stop();
    for (drums::TomVoice& r : tomVoices)
        r.stop();
    for (drums::ClosedHatVoice& r : closedHatVoices)
        r.stop();
    for (drums::OpenHatVoice& r : openHatVoices)
        r.stop();
    for (drums::UserVoice& r : userVoices)
        r.stop();
    for (samples::SampleSlotVoice& r : sampleSlotVoices)
        r.stop();
    haltPatternPlayers(true);
    for (int slot = 0; slot < kNumDrumSlots; ++slot) {
        slotNotes[slot].lastVoice = 0;
        slotNotes[slot].alternate = 0;
        patternRestarted[slot] = 0;
        padGate[slot] = 0.0f;
        if (listener)
            listener->showVoiceActivity(slot, false);
    }
}

bool Engine::isSlotSounding(int slot) const
{
    const int index = voices::kIndexInKindOfPad[static_cast<std::size_t>(slot)];
    switch (voices::kKindOfPad[static_cast<std::size_t>(slot)]) {
    case PadKind::BassDrum: return getBassDrumVoice(0, index).playing || getBassDrumVoice(1, index).playing;
    case PadKind::Snare: return getSnareVoice(0, index).playing || getSnareVoice(1, index).playing;
    case PadKind::Clap: return getClapVoice(0, index).playing || getClapVoice(1, index).playing;
    case PadKind::ClosedHat: return getClosedHatVoice(0, index).playing || getClosedHatVoice(1, index).playing;
    case PadKind::OpenHat: return getOpenHatVoice(0, index).playing || getOpenHatVoice(1, index).playing;
    case PadKind::TomOrUser:
        if (isUserSlot(slot))
            return isUserSounding(slot);
        return getTomVoice(0, index).playing || getTomVoice(1, index).playing;
    case PadKind::User: return isUserSounding(slot);
    case PadKind::SampleSlot: return getSampleSlotVoice(0, index).playing || getSampleSlotVoice(1, index).playing;
    default: return false;
    }
}

bool Engine::isUserSounding(int slot) const
{
    const int index = voices::kIndexInKindOfPad[static_cast<std::size_t>(slot)];
    return getUserVoice(0, index).playing || getUserVoice(1, index).playing;
}

bool Engine::isAnyVoiceActive() const
{
    for (int slot = 0; slot < kNumDrumSlots; ++slot)
        if (isSlotSounding(slot))
            return true;
    return false;
}

void Engine::killGlobalModEnvelopesWhenSilent()
{
    if (!isAnyVoiceActive())
        modulation.killGlobalEnvelopes();
}

void Engine::updateSlotActivity()
{
    for (int slot = 0; slot < kNumDrumSlots; ++slot)
        if (slotNotes[slot].active && !isSlotSounding(slot)) {
            slotNotes[slot].active = 0;
            activeSlots &= ~(1u << slot);
        }
}

void Engine::setupModelFilters(int voice, int slot, float rate)
{
    for (dsp::VoiceFilter& filter : modelFilters[voice][slot]) {
        filter.init(rate);
        filter.reset();
    }
}

void Engine::setupAllVoices(float rate)
{
    for (drums::BassDrumVoice& r : bassDrumVoices)
        r.setup(rate, sines->sine, sines->cosine);
    for (drums::SnareVoice& r : snareVoices)
        r.setup(rate, sines->sine, sines->cosine);
    for (drums::ClapVoice& r : clapVoices)
        r.setup(rate, sines->sine, sines->cosine);
    for (drums::TomVoice& r : tomVoices)
        r.setup(rate, sines->sine, sines->cosine);
    for (drums::ClosedHatVoice& r : closedHatVoices)
        r.setup(rate, sines->sine, sines->cosine);
    for (drums::OpenHatVoice& r : openHatVoices)
        r.setup(rate, sines->sine, sines->cosine);
    for (drums::UserVoice& r : userVoices)
        r.setup(rate, sines->sine, sines->cosine);
    for (samples::SampleSlotVoice& r : sampleSlotVoices)
        r.setup(rate, sines->sine, sines->cosine);
    for (voices::SharedLfo& lfo : userLfos)
        lfo.init(rate);
    for (auto& lfos : sampleSlotLfos)
        for (voices::SharedLfo& lfo : lfos)
            lfo.init(rate);
    for (int voice = 0; voice < kVoicesPerSlot; ++voice)
        for (int slot = 0; slot < kNumSynthSlots; ++slot)
            setupModelFilters(voice, slot, rate);
    for (int voice = 0; voice < kVoicesPerSlot; ++voice)
        for (voices::VoiceLayer& layer : voiceLayers[voice])
            layer.setup(rate);
    for (voices::SharedLfo& lfo : layerLfos)
        lfo.init(rate);
    runningUserLfos = 0;
    runningLayerLfos = 0;
    runningSampleSlotLfos = 0;
    layerLfosDue = userLfosDue = sampleSlotLfosDue = lfoTick;
}

// Slot by slot, and each slot's voices in order, as the buses' sums depend on the order.
void Engine::renderActiveDrumSlots()
{
    const samples::FactorySamples* const samples = factorySamples;
    const std::uint32_t blockLeft = samplesLeftInBlock();
    const std::uint32_t atControlTick = slotsAtControlTick();
    forEachActiveSlot(kSynthSlotMask, [this, samples, blockLeft, atControlTick](int slot) {
        renderSlotControls(slot, atControlTick);
        const int mode =
            voices::kKindOfPad[static_cast<std::size_t>(slot)] == PadKind::TomOrUser && isTomSlotOnUser(slot) ? 1 : 0;
        for (int voice = 0; voice < kVoicesPerSlot; ++voice) {
            voices::SynthVoice& r = *slotVoices[mode][voice][slot];
            if (!r.playing)
                continue;
            r.updateOutput(voiceContexts[voice][slot]);
            if (r.model >= firstSampleModel[mode][slot])
                r.playing = samples != nullptr && voiceLayers[voice][slot].render(voiceContexts[voice][slot], r,
                                                                                  *samples, layerLfos[slot], blockLeft);
            else
                renderSynthesisedVoice(voice, slot, mode);
        }
    });
}

namespace {

// The built-in sample of a kind's model m; models below the kind's samples are
// synthesised. A value past the list plays, and is shown as, the last model.
template <typename Voice>
int factorySampleOfModel(const float* params, int instance)
{
    const int m = param::readChoiceClamped(params[Voice::parameters(instance).model], param::choicescale::kDrumModel,
                                           Voice::kModelCount);
    if (m < Voice::kFirstSampleModel)
        return Engine::kNoFactorySample;
    return Voice::sampleOfModel(m);
}

} // namespace

int Engine::slotOfModelParameter(int index) const
{
    for (int slot = 0; slot < kNumSynthSlots; ++slot) {
        const int i = voices::kIndexInKindOfPad[static_cast<std::size_t>(slot)];
        int model = -1;
        switch (voices::kKindOfPad[static_cast<std::size_t>(slot)]) {
        case PadKind::BassDrum: model = drums::BassDrumVoice::parameters(i).model; break;
        case PadKind::Snare: model = drums::SnareVoice::parameters(i).model; break;
        case PadKind::Clap: model = drums::ClapVoice::parameters(i).model; break;
        case PadKind::ClosedHat: model = drums::ClosedHatVoice::parameters(i).model; break;
        case PadKind::OpenHat: model = drums::OpenHatVoice::parameters(i).model; break;
        case PadKind::TomOrUser:
            // Both of the slot's models count: its mode decides which one plays.
            if (drums::UserVoice::parameters(i).model == index)
                return slot;
            model = drums::TomVoice::parameters(i).model;
            break;
        case PadKind::User: model = drums::UserVoice::parameters(i).model; break;
        default: break;
        }
        if (model == index)
            return slot;
    }
    return kNoSlot;
}

int Engine::factorySampleOfSlot(int slot) const
{
    if (slot < 0 || slot >= kNumSynthSlots)
        return kNoFactorySample;
    const int index = voices::kIndexInKindOfPad[static_cast<std::size_t>(slot)];
    switch (voices::kKindOfPad[static_cast<std::size_t>(slot)]) {
    case PadKind::BassDrum: return factorySampleOfModel<drums::BassDrumVoice>(params, index);
    case PadKind::Snare: return factorySampleOfModel<drums::SnareVoice>(params, index);
    case PadKind::Clap: return factorySampleOfModel<drums::ClapVoice>(params, index);
    case PadKind::ClosedHat: return factorySampleOfModel<drums::ClosedHatVoice>(params, index);
    case PadKind::OpenHat: return factorySampleOfModel<drums::OpenHatVoice>(params, index);
    case PadKind::TomOrUser:
        if (isUserSlot(slot))
            return factorySampleOfModel<drums::UserVoice>(params, index);
        return factorySampleOfModel<drums::TomVoice>(params, index);
    case PadKind::User: return factorySampleOfModel<drums::UserVoice>(params, index);
    default: return kNoFactorySample;
    }
}
