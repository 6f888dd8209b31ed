#include "engine/engine.h"

#include "engine/dsp/random_source.h"
#include "engine/engine_listener.h"
#include "engine/voices/pad_table.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"

#include <cmath>

namespace {

namespace param = kravo::param;
using voices::PadKind;

constexpr float kPhaseFullScale = 8388607.0f; // the oscillators' 23-bit phase
constexpr std::uint32_t kNoiseStride = 32;    // noise positions land on whole 32-frame steps
constexpr int kFirstSnareSlot = 2;

} // namespace

void Engine::triggerPad(std::int32_t pad, std::int32_t velocity, float notePitch, float notePan, float noteLevel)
{
    if (pad < 0 || pad >= kNumPads)
        return;
    const float f = static_cast<float>(velocity) / 127.0f;
    const PadKind kind = voices::kKindOfPad[static_cast<std::size_t>(pad)];
    if (kind == PadKind::Pattern)
        return; // the pattern players start their patterns
    slotNotes[pad].pad = static_cast<std::uint32_t>(pad);
    switch (kind) {
    case PadKind::BassDrum: triggerBassDrum(pad, f, notePitch, notePan, noteLevel); break;
    case PadKind::Snare: triggerSnare(pad, f, notePitch, notePan, noteLevel); break;
    default: break; // the other kinds' voices play once they are built
    }
}

void Engine::releasePad(std::int32_t pad, std::int32_t velocity)
{
    // Synthesised drums always play out their envelopes; sample slots release
    // their looping layers and pattern pads stop their pattern, once those exist.
    (void)pad;
    (void)velocity;
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
    note.controlCounter = 0;

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

void Engine::openSynthNoteOn(SynthVoice& r, float velocity, const SynthVoiceParameters& kind)
{
    const float s = params[kind.velocityToVolume];
    r.velocity = velocity;
    r.playing = true;
    r.velocityFactor = (1.0f - s) + s * velocity;
    // A model value past the kind's list plays its last model.
    r.model = param::readChoiceClamped(params[kind.model], param::choicescale::kDrumModel, kind.modelCount);
    const voices::FadeIn fadeIn = fadeInRate(kind.attack);
    r.fade = fadeIn.start;
    r.fadeInc = fadeIn.increment;
    r.distortion.start(static_cast<std::uint32_t>(
        param::readChoice(params[kind.distortionType], param::choicescale::kDistortionType)));
}

void Engine::resetVoice(int voice, int slot, int index)
{
    switch (voices::kKindOfPad[static_cast<std::size_t>(slot)]) {
    case PadKind::BassDrum: {
        BassDrumVoice& r = bassDrumVoices[index + 2 * voice];
        r.ampEnv.kill();
        r.clickAmpEnv.kill();
        break;
    }
    case PadKind::Snare: {
        // The noise fades too: left to run out, it would still be sounding when
        // the note after next set this voice up again, and stop with a click.
        SnareVoice& r = snareVoices[index + 2 * voice];
        r.toneAmpEnv.kill();
        r.clickAmpEnv.kill();
        r.noiseAmpEnv.kill();
        break;
    }
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
    for (BassDrumVoice& r : bassDrumVoices)
        r.playing = false;
    for (SnareVoice& r : snareVoices)
        r.playing = false;
    for (int slot = 0; slot < kNumDrumSlots; ++slot) {
        slotNotes[slot].lastVoice = 0;
        slotNotes[slot].alternate = 0;
        padGate[slot] = 0.0f;
        if (listener)
            listener->showVoiceActivity(slot, false);
    }
}

bool Engine::isSlotSounding(int slot) const
{
    switch (voices::kKindOfPad[static_cast<std::size_t>(slot)]) {
    case PadKind::BassDrum: return bassDrumVoices[slot].playing || bassDrumVoices[slot + 2].playing;
    case PadKind::Snare: {
        const int index = slot - kFirstSnareSlot;
        return snareVoices[index].playing || snareVoices[index + 2].playing;
    }
    default: return false;
    }
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
        if (slotNotes[slot].active && !isSlotSounding(slot))
            slotNotes[slot].active = 0;
}

void Engine::setModelFilterType(int voice, int slot, int type)
{
    modelFilters[voice][slot][0].setType(static_cast<std::uint32_t>(type));
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
    for (int voice = 0; voice < kVoicesPerSlot; ++voice) {
        for (int instance = 0; instance < 2; ++instance) {
            setupBassDrumVoice(voice, instance, rate);
            setupSnareVoice(voice, instance, rate);
        }
        for (int slot = 0; slot < kNumSynthSlots; ++slot)
            setupModelFilters(voice, slot, rate);
    }
}

void Engine::renderDrumSlots()
{
    for (int slot = 0; slot < kNumSynthSlots; ++slot) {
        if (!slotNotes[slot].active)
            continue;
        renderSlotControls(slot);
        const int index = voices::kIndexInKindOfPad[static_cast<std::size_t>(slot)];
        switch (voices::kKindOfPad[static_cast<std::size_t>(slot)]) {
        case PadKind::BassDrum:
            for (int voice = 0; voice < kVoicesPerSlot; ++voice)
                if (bassDrumVoices[index + 2 * voice].playing)
                    renderBassDrum(voice, index, slot);
            break;
        case PadKind::Snare:
            for (int voice = 0; voice < kVoicesPerSlot; ++voice)
                if (snareVoices[index + 2 * voice].playing)
                    renderSnare(voice, index, slot);
            break;
        default: break;
        }
    }
}
