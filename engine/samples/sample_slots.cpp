#include "engine/engine.h"

#include "engine/voices/pad_table.h"
#include "engine/voices/synth_voice.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "plugin/samples/layer_samples.h"

#include <bit>

namespace {

namespace param = kravo::param;
using samples::SampleSlotVoice;

// The layer samples are numbered layer + 2 x sample slot.
int layerSampleIndex(int sampleSlot, int layer)
{
    return layer + samples::kLayerCount * sampleSlot;
}

} // namespace

// The slot's layers take turns from note to note; a pattern that restarts
// puts the turn back to its start for the slots it plays.
void Engine::triggerSampleSlot(int slot, float velocity, float notePitch, float notePan, float noteLevel)
{
    const int index = voices::kIndexInKindOfPad[static_cast<std::size_t>(slot)];
    prepareTrigger(slot, velocity, notePitch, notePan, noteLevel);
    SlotNoteState& note = slotNotes[slot];
    note.alternate = 1 - note.alternate;
    if (patternRestarted[slot] == 1)
        note.alternate = 0;
    patternRestarted[slot] = 0;
    const int v = nextVoice(slot, index);
    SampleSlotVoice& r = sampleSlotVoices[index + SampleSlotVoice::kInstances * v];
    r.setup(sampleRate, sines->sine, sines->cosine);
    r.noteOn(voiceContexts[v][slot], sampleSlotSources(index), velocity, note.alternate);
}

void Engine::releaseSlot(int sampleSlot)
{
    for (int voice = 0; voice < kVoicesPerSlot; ++voice)
        sampleSlotVoices[sampleSlot + SampleSlotVoice::kInstances * voice].releaseLoopingLayers();
}

samples::SlotSources Engine::sampleSlotSources(int sampleSlot)
{
    samples::SlotSources sources;
    if (layerSamples != nullptr)
        for (int layer = 0; layer < samples::kLayerCount; ++layer)
            sources.buffers[layer] = &layerSamples->audioBuffer(layerSampleIndex(sampleSlot, layer));
    sources.sharedLfos = sampleSlotLfos[sampleSlot];
    return sources;
}

bool Engine::isAnySampleLayerEnabled(int sampleSlot) const
{
    for (const param::SampleLayerLayout& layout : param::sampleLayerLayouts)
        if (param::isSwitchOn(params[layout.on + sampleSlot]))
            return true;
    return false;
}

// Each sample slot's shared layer LFOs run at their rate while the slot
// sounds and only move their phase on otherwise. The rate follows the slot's
// modulation, which moves at the slot's control rate, so it is set only then.
void Engine::updateSampleSlotLfos()
{
    const std::uint32_t sounding = activeSlots & kSampleSlotMask;
    for (std::uint32_t changed = sounding ^ runningSampleSlotLfos; changed != 0; changed &= changed - 1) {
        const int slot = std::countr_zero(changed);
        for (voices::SharedLfo& lfo : sampleSlotLfos[slot - param::kFirstSampleSlot]) {
            if (((sounding >> slot) & 1u) != 0)
                lfo.start();
            else
                lfo.stop();
        }
    }
    runningSampleSlotLfos = sounding;
    forEachSlot(sounding & slotsAtControlTick(), [this](int slot) {
        for (int layer = 0; layer < samples::kLayerCount; ++layer)
            sampleSlotLfos[slot - param::kFirstSampleSlot][layer].setRate(
                SampleSlotVoice::filterLfoRate(voiceContexts[0][slot], layer));
    });
    // Only steps that may start a cycle draw, so only those are taken at their samples, in slot order.
    if (static_cast<std::int32_t>(lfoTick - sampleSlotLfosDue) >= 0) {
        sampleSlotLfosDue = lfoTick + kFarAheadLfoDue;
        forEachSlot(sounding, [this](int slot) {
            for (voices::SharedLfo& lfo : sampleSlotLfos[slot - param::kFirstSampleSlot])
                lfo.visit();
        });
    }
    if ((lfoTick & kIdleLfoCatchUpMask) == 0)
        forEachSlot(kSampleSlotMask & ~sounding, [this](int slot) {
            for (voices::SharedLfo& lfo : sampleSlotLfos[slot - param::kFirstSampleSlot])
                lfo.catchUp();
        });
}

// The control rate of every sounding slot first, then the slots' voices.
void Engine::renderActiveSampleSlots()
{
    const std::uint32_t atControlTick = slotsAtControlTick();
    forEachActiveSlot(kSampleSlotMask, [this, atControlTick](int slot) { renderSlotControls(slot, atControlTick); });
    const std::uint32_t blockLeft = samplesLeftInBlock();
    forEachActiveSlot(kSampleSlotMask, [this, blockLeft](int slot) {
        const int sampleSlot = slot - param::kFirstSampleSlot;
        const bool enabled = isAnySampleLayerEnabled(sampleSlot);
        // The buffers are looked up only for a voice that starts a run at this sample.
        samples::SlotSources sources;
        bool sourcesTaken = false;
        for (int voice = 0; voice < kVoicesPerSlot; ++voice) {
            SampleSlotVoice& r = sampleSlotVoices[sampleSlot + SampleSlotVoice::kInstances * voice];
            if (!r.playing)
                continue;
            if (r.startsRun() && !sourcesTaken) {
                sources = sampleSlotSources(sampleSlot);
                sourcesTaken = true;
            }
            r.render(voiceContexts[voice][slot], sources, enabled, blockLeft);
        }
    });
}
