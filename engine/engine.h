#pragma once

#include "engine/drums/bass_drum_voice.h"
#include "engine/drums/clap_voice.h"
#include "engine/drums/hi_hat_voice.h"
#include "engine/drums/snare_voice.h"
#include "engine/drums/tom_voice.h"
#include "engine/drums/user_voice.h"
#include "engine/effects/effect_rates.h"
#include "engine/effects/master_effects.h"
#include "engine/filters/voice_filter.h"
#include "engine/modulation/modulation.h"
#include "engine/patterns/pattern_player.h"
#include "engine/samples/sample_slot_voice.h"
#include "engine/tables/noise_table.h"
#include "engine/tables/sine_tables.h"
#include "engine/tables/wave_tables.h"
#include "engine/tempo/tempo_sync.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "engine/voices/easy_controls.h"
#include "engine/voices/oscillator_reads.h"
#include "engine/voices/output_buses.h"
#include "engine/voices/pad_table.h"
#include "engine/voices/shared_lfo.h"
#include "engine/voices/slot_note_state.h"
#include "engine/voices/voice_curves.h"
#include "engine/voices/voice_context.h"
#include "engine/voices/voice_layer.h"
#include "engine/voices/voice_output.h"

#include <atomic>
#include <bit>
#include <cstdint>
#include <limits>

class EngineListener;
class LayerSamples;
struct PlugTimeInfo;
namespace samples {
class FactorySamples;
}

constexpr int kNumPads = 32;
constexpr int kNoPad = 32;
constexpr int kNumDrumSlots = 24;
constexpr int kNumSynthSlots = 16;
constexpr int kNumMasterEffectSlots = 4;
constexpr int kNumPatterns = 8;

// The sound engine: voices, modulators, pattern players and master effects,
// all fixed arrays, reading the live parameter values of the plug-in object.
// The plug-in's block loop drives it stage by stage, one sample at a time.
// It holds megabytes of tables, so it only lives inside a heap object.
class Engine {
public:
    Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // The layer samples are the sample slots' user samples, read through
    // their audio-thread side only; without them the sample slots stay silent.
    void attach(const float* parameterValues, EngineListener* engineListener,
                const LayerSamples* layerSamples = nullptr);
    // The synthesised slots' copies of the built-in samples; without them the sample models stay silent.
    void attachFactorySamples(const samples::FactorySamples* buffers) { factorySamples = buffers; }
    static constexpr int kNoFactorySample = -1;
    // The built-in sample the slot's current model names: kNoFactorySample for a
    // synthesised model or a slot that is not synthesised. A model past the kind's
    // list names the last model's sample, as the voice plays the last model.
    int factorySampleOfSlot(int slot) const;
    static constexpr int kNoSlot = -1;
    // The synthesised slot whose Model (for a Tom/User slot, either of its two) the parameter is.
    int slotOfModelParameter(int index) const;
    const samples::LayerState& getVoiceLayer(int voice, int slot) const { return voiceLayers[voice][slot].state(); }

    // Builds the tables and puts every modulator and effect slot into its start state.
    void initEngine();
    void setSampleRate(float rate);
    void resetAllVoices();

    // Notes and controllers from the MIDI dispatch, the editor and the pattern players.
    void triggerPad(std::int32_t pad, std::int32_t velocity, float notePitch, float notePan, float noteLevel);
    void releasePad(std::int32_t pad, std::int32_t velocity);

    // Pattern players: a pattern pad's note-on starts its pattern (or
    // restarts it), its note-off stops it unless "Latching" is on.
    void startPattern(int pattern);
    // Releases the pattern's pad and rewinds it to its first step.
    void stopPattern(int pattern);
    std::uint32_t getPatternStep(int pattern) const { return shownPatternSteps[pattern].load(std::memory_order_relaxed); }
    const patterns::PatternPlayer& getPatternPlayer(int pattern) const { return patternPlayers[pattern]; }
    // While locked the players read a frozen copy of all parameters, which the
    // owner keeps unchanged until it unlocks.
    void lockPatterns(const float* frozenValues) { patternLockValues = frozenValues; }
    void unlockPatterns() { patternLockValues = nullptr; }
    // What the pattern code reads a parameter from: the copy while locked, else the program.
    const float* patternValues() const { return patternLockValues ? patternLockValues : params; }
    // Every voice stops at once (transport stop): notes off, modulators back to rest.
    void allVoicesOff();
    bool isAnyVoiceActive() const;
    void setModSource(std::int32_t source, float value) { modulation.setSource(source, value); }
    void setModSourceBipolar(std::int32_t source, float value, float bipolarValue)
    {
        modulation.setSourceBipolar(source, value, bipolarValue);
    }
    void setPadGate(std::int32_t pad, float gate);
    void setModWheel(float value) { modWheel = value; }

    // Stages of one rendered sample, in the order the block loop runs them.
    void setSampleCounter(std::uint32_t counter) { sampleCounter = counter; }
    // The sample counter of the block's last sample: no voice works out samples past it.
    void setBlockEnd(std::uint32_t lastCounter) { blockEndCounter = lastCounter; }
    std::uint32_t samplesLeftInBlock() const
    {
        const auto beforeEnd = static_cast<std::int32_t>(blockEndCounter - sampleCounter);
        return beforeEnd < 0 ? 1 : static_cast<std::uint32_t>(beforeEnd) + 1;
    }
    void rotateEqualizerTaps();
    void clearBuses();
    void updateMasterEffectCoefficients(bool tempoChanged);
    void killGlobalModEnvelopesWhenSilent();
    void decodeEffectRouting();
    void decodeModulationMatrix() { modulation.decodeMatrix(params); }
    void updateSlotActivity();
    void updateGlobalModulators();
    void updateEasyLfo();
    void updateMasterGain();
    // The host's time information of the block (may be null), read by every sync.
    void setHostTime(const PlugTimeInfo* timeInfo)
    {
        hostTime = timeInfo;
        hostTimeSynced = false;
    }
    void syncToHost();
    void updateVoiceLfos();
    void renderDrumSlots()
    {
        if ((activeSlots & kSynthSlotMask) != 0)
            renderActiveDrumSlots();
    }
    void renderSampleSlots()
    {
        if ((activeSlots & kSampleSlotMask) != 0)
            renderActiveSampleSlots();
    }
    void tickPatternPlayers();
    void processMasterEffects();
    void mixOutput(float& left, float& right) const;

    // Nothing can sound before the next event or control tick: no voice or pattern player runs, the
    // buses are silent, every effect slot sleeps and the global modulators step quietly. The samples
    // between control ticks of such a run take the quiet path, which moves the state that moves every
    // sample (and mixes the same silence); ending the run writes what its steps left unwritten.
    bool isQuiet() const;
    // `samples` quiet samples, the first one counted `firstCounter`; left and right get the silence they mix.
    void renderQuietRun(std::uint32_t firstCounter, int samples, float& left, float& right);
    void endQuietRun();

    // Control-rate work of one slot: its easy controls and its modulators.
    void updateEasyControls(int slot);
    void updateSlotModulators(int slot) { modulation.updateSlot(slot, params, tempo, sampleCounter); }
    void resetSlotModDestinations(int slot) { modulation.resetSlotDestinations(slot); }
    void resetGlobalModDestinations() { modulation.resetGlobalDestinations(); }
    void setupMasterEffectSlot(int slot);

    // What a voice of the slot sees of the engine.
    const voices::VoiceContext& voiceContext(int slot, int voice) const { return voiceContexts[voice][slot]; }
    // Oscillator steps are quarter samples: four table reads per output sample.
    static constexpr float kPhaseScale = 0.25f;

    float getSampleRate() const { return sampleRate; }
    float getTempo() const { return tempo; }
    float getEasyLfoAmount() const { return easyLfoAmount; }
    float getEasyLfoSpeedFactor() const { return easyLfoSpeedFactor; }
    float getGlobalVolumeOffset() const { return globalVolumeOffset; }
    float getGlobalPanOffset() const { return globalPanOffset; }
    const modulation::Modulation& getModulation() const { return modulation; }
    const tables::NoiseTable& getNoiseTable() const { return noise; }
    const effects::MasterEffectSlot& getMasterEffectSlot(int slot) const { return masterEffects.slot(slot); }
    std::int32_t getMasterEffectType(int slot) const { return masterEffects.slot(slot).type; }
    std::int32_t getEffectRouting() const { return masterEffects.routing; }
    float getMasterGain() const { return masterGain; }
    const voices::OutputBuses& getBuses() const { return buses; }
    float getPadGate(std::int32_t pad) const { return padGate[pad]; }
    float getModWheel() const { return modWheel; }
    const SlotNoteState& getSlotNoteState(std::int32_t slot) const { return slotNotes[slot]; }

    // Voice records, for the renderers' tests.
    // The filter LFO a synthesised slot's sample layers share, with the steps it owes taken.
    dsp::Lfo getLayerLfo(int slot) const { return layerLfos[slot].peek(); }
    const drums::BassDrumVoice& getBassDrumVoice(int voice, int instance) const
    {
        return bassDrumVoices[instance + drums::BassDrumVoice::kInstances * voice];
    }
    const drums::SnareVoice& getSnareVoice(int voice, int instance) const
    {
        return snareVoices[instance + drums::SnareVoice::kInstances * voice];
    }
    const drums::ClapVoice& getClapVoice(int voice, int instance) const
    {
        return clapVoices[instance + drums::ClapVoice::kInstances * voice];
    }
    const drums::TomVoice& getTomVoice(int voice, int instance) const
    {
        return tomVoices[instance + drums::TomVoice::kInstances * voice];
    }
    const drums::ClosedHatVoice& getClosedHatVoice(int voice, int instance) const
    {
        return closedHatVoices[instance + drums::ClosedHatVoice::kInstances * voice];
    }
    const drums::OpenHatVoice& getOpenHatVoice(int voice, int instance) const
    {
        return openHatVoices[instance + drums::OpenHatVoice::kInstances * voice];
    }
    const drums::UserVoice& getUserVoice(int voice, int instance) const
    {
        return userVoices[instance + drums::UserVoice::kInstances * voice];
    }
    const samples::SampleSlotVoice& getSampleSlotVoice(int voice, int instance) const
    {
        return sampleSlotVoices[instance + samples::SampleSlotVoice::kInstances * voice];
    }

private:
    static constexpr int kVoicesPerSlot = 2;
    static constexpr float kNotYetRead = std::numeric_limits<float>::quiet_NaN();
    // A run costs by the binades its phase passes, not by its steps: rare catch-ups cost next to nothing.
    static constexpr std::uint32_t kIdleLfoCatchUpMask = 0xFFF;
    // A group's due tick while none of its LFOs may be due sooner.
    static constexpr std::uint32_t kFarAheadLfoDue = 1u << 30;
    static constexpr std::uint32_t kSlotControlMask = 0xF;
    static constexpr std::uint32_t kSynthSlotMask = 0xFFFF;
    static constexpr std::uint32_t kSampleSlotMask = 0xFF0000;
    static constexpr std::uint32_t kTomOrUserSlotMask = voices::padsOfKind(voices::PadKind::TomOrUser);
    static constexpr std::uint32_t kUserKindSlotMask = voices::padsOfKind(voices::PadKind::User);
    // The slots that can play the user kind, each with a shared user filter LFO.
    static constexpr std::uint32_t kTomUserSlotMask = kTomOrUserSlotMask | kUserKindSlotMask;
    // userLfos are indexed from the first Tom/User slot on, six of them.
    static_assert(kTomUserSlotMask == 0x3Fu << kravo::param::kFirstTomUserSlot);

    // Triggering: the steps every kind's note-on shares.
    void prepareTrigger(int slot, float velocity, float notePitch, float notePan, float noteLevel);
    int nextVoice(int slot, int index);
    void resetVoice(int voice, int slot, int index);
    void allNotesOff(int slot);
    void clearVoiceActiveFlags();
    bool isSlotSounding(int slot) const;
    // A Tom/User slot (10..12) whose switch is on User. Inline: the sample loop asks for every sounding one.
    bool isTomSlotOnUser(int slot) const
    {
        namespace param = kravo::param;
        const auto tomUser = static_cast<std::size_t>(slot - param::kFirstTomUserSlot);
        return param::isSwitchOn(params[param::tomUserSwitch[tomUser]]);
    }
    // Slots 13..15, and the Tom/User slots whose switch is on User.
    bool isUserSlot(int slot) const
    {
        const voices::PadKind kind = voices::kKindOfPad[static_cast<std::size_t>(slot)];
        return kind == voices::PadKind::User || (kind == voices::PadKind::TomOrUser && isTomSlotOnUser(slot));
    }
    bool isUserSounding(int slot) const;

    // Each synthesised kind's voices: set up for a sample rate, started by a
    // note and rendered one sample at a time, all through a voice context.
    template <typename Voice>
    void triggerSynthVoice(Voice* kindVoices, int slot, float velocity, float notePitch, float notePan,
                           float noteLevel);
    // Calls visit with the voice records of a synthesised slot's kind, in its tom mode (0) or user mode (1).
    template <typename Visit>
    void visitKindVoices(int slot, int mode, Visit visit);
    void renderSynthesisedVoice(int voice, int slot, int mode);
    template <typename Voice>
    void bindSlotVoices(Voice* kindVoices, int slot, int mode);
    void bindVoiceContexts();
    void setupAllVoices(float rate);
    void setupModelFilters(int voice, int slot, float rate);

    // The built-in sample a synthesised voice plays for its sample models.
    void startFactorySample(int voice, int slot, int sample);

    // The sample slots: note-on, note-off of their looping layers, and what their voices play from.
    void triggerSampleSlot(int slot, float velocity, float notePitch, float notePan, float noteLevel);
    void releaseSlot(int sampleSlot);
    samples::SlotSources sampleSlotSources(int sampleSlot);
    bool isAnySampleLayerEnabled(int sampleSlot) const;
    void updateSampleSlotLfos();

    // The per-slot control rate counts from the slot's note: its first sample and every 16th after.
    // A sounding slot renders once at each step of the LFO clock, so its ticks fall at the clock
    // values of one remainder, and the slots at their ticks are looked up rather than counted slot by slot.
    std::uint32_t slotsAtControlTick() const { return slotsByControlPhase[lfoTick & kSlotControlMask]; }
    // At a note: the slot's ticks fall from the next step of the clock on.
    void restartSlotControlTicks(int slot)
    {
        for (std::uint32_t& slots : slotsByControlPhase)
            slots &= ~(1u << slot);
        slotsByControlPhase[(lfoTick + 1) & kSlotControlMask] |= 1u << slot;
    }
    // Inline, so that a slot between its control ticks costs its callers only a bit test.
    void renderSlotControls(int slot, std::uint32_t atControlTick)
    {
        if (((atControlTick >> slot) & 1u) != 0) {
            updateEasyControls(slot);
            updateSlotModulators(slot);
        }
    }
    // Calls visit(slot) for each slot whose bit is set, lowest first.
    template <typename Visit>
    static void forEachSlot(std::uint32_t slots, Visit visit)
    {
        for (; slots != 0; slots &= slots - 1)
            visit(std::countr_zero(slots));
    }
    template <typename Visit>
    void forEachActiveSlot(std::uint32_t slotMask, Visit visit) const
    {
        forEachSlot(activeSlots & slotMask, visit);
    }
    void updateUserLfos();
    void updateSynthSlotLfos();
    void tickPatternPlayer(int pattern);
    void playPatternStep(int pattern, const float* values);
    void releasePattern(int pattern);
    void haltPatternPlayers(bool waitForGrid);
    void releaseWaitingPatternPlayers();
    void renderActiveDrumSlots();
    void renderActiveSampleSlots();
    static bool isTrackMuted(const float* values, int pattern, int track);
    std::int32_t decodeMasterEffectType(int slot) const;
    void updateMasterEffectSlot(int slot, bool force);
    void retypeMasterEffectSlot(int slot, std::int32_t type);
    effects::EffectRates effectRates() const;
    void readEffectBypass(bool* bypassed) const;

    const float* params = nullptr;
    EngineListener* listener = nullptr;
    // Agrees with the plug-in object's start rate, so a host running at that
    // rate (which the plug-in then does not pass on) is still served correctly.
    float sampleRate = 44100.0f;
    std::uint32_t sampleCounter = 0;

    SlotNoteState slotNotes[kNumDrumSlots];
    // Bit s is set while slot s is active, so the sample loop visits only the sounding slots.
    std::uint32_t activeSlots = 0;
    // Until a block sets it, each sample is its block's last.
    std::uint32_t blockEndCounter = 0;
    drums::BassDrumVoice bassDrumVoices[2 * drums::BassDrumVoice::kInstances];
    drums::SnareVoice snareVoices[2 * drums::SnareVoice::kInstances];
    drums::ClapVoice clapVoices[2 * drums::ClapVoice::kInstances];
    drums::TomVoice tomVoices[2 * drums::TomVoice::kInstances];
    drums::ClosedHatVoice closedHatVoices[2 * drums::ClosedHatVoice::kInstances];
    drums::OpenHatVoice openHatVoices[2 * drums::OpenHatVoice::kInstances];
    drums::UserVoice userVoices[2 * drums::UserVoice::kInstances];
    // The filter LFO each user's voices share when "Filter LFO Mode" is off.
    voices::SharedLfo userLfos[drums::UserVoice::kInstances];
    // Two per voice of each synthesised slot: the click or noise filter and the tone filter.
    dsp::VoiceFilter modelFilters[kVoicesPerSlot][kNumSynthSlots][2];
    // The filters of the drum pads' sample layers and of the sample slots' layers, bound to them once.
    dsp::VoiceFilter layerFilters[kVoicesPerSlot][kNumSynthSlots];
    dsp::VoiceFilter sampleLayerFilters[2 * samples::SampleSlotVoice::kInstances][samples::kLayerCount];
    samples::SampleSlotVoice sampleSlotVoices[2 * samples::SampleSlotVoice::kInstances];
    // The filter LFO of each sample slot's layer that its voices share when "LFO Mode" is off.
    voices::SharedLfo sampleSlotLfos[samples::SampleSlotVoice::kInstances][samples::kLayerCount];
    const LayerSamples* layerSamples = nullptr;
    // The sample layer of each synthesised voice, and the filter LFO a slot's two layers share.
    voices::VoiceLayer voiceLayers[kVoicesPerSlot][kNumSynthSlots];
    voices::SharedLfo layerLfos[kNumSynthSlots];
    // The clock the shared LFOs step on, once a sample. A resting LFO (its
    // slot silent) takes the steps it owes every 4096 samples, or at once
    // when its slot sounds again.
    std::uint32_t lfoTick = 0;
    // Bit s of entry p: slot s has its control ticks where the clock's low bits are p.
    std::uint32_t slotsByControlPhase[kSlotControlMask + 1] = {};
    // The slots whose shared LFOs run: see voices::SharedLfo.
    std::uint32_t runningLayerLfos = 0;
    std::uint32_t runningSampleSlotLfos = 0;
    std::uint32_t runningUserLfos = 0;
    // Each group's due tick: see voices::SharedLfo.
    std::uint32_t layerLfosDue = 0;
    std::uint32_t userLfosDue = 0;
    std::uint32_t sampleSlotLfosDue = 0;
    const samples::FactorySamples* factorySamples = nullptr;
    voices::VoiceContext voiceContexts[kVoicesPerSlot][kNumDrumSlots];
    // The records the two voices of each synthesised slot play on, and the kind's first sample model, in
    // the slot's tom mode [0] and user mode [1] (one kind in both for the other slots): the sample loop
    // reaches a voice without asking its kind, and the kind only for a synthesised model.
    voices::SynthVoice* slotVoices[2][kVoicesPerSlot][kNumSynthSlots] = {};
    std::int32_t firstSampleModel[2][kNumSynthSlots] = {};
    float padGate[kNumPads] = {};
    float modWheel = 0.0f;

    modulation::Modulation modulation;
    voices::EasyControls easyControls[kNumDrumSlots];
    voices::EasyPowers easyPowers;
    float easyLfoAmount = 0.0f;
    float easyLfoSpeedFactor = 1.0f;
    // The parameter values the cached powers were worked out from (NaN: none yet).
    float lastEasyLfoAmountValue = kNotYetRead;
    float lastEasyLfoSpeedValue = kNotYetRead;
    float lastMainVolumeValue = kNotYetRead;
    // Copied every sample as one 8-byte pair: on a 4-byte boundary the store could straddle a
    // cache line or a page, which stalls the sample loop far beyond the copy's own cost.
    alignas(8) float globalVolumeOffset = 0.0f;
    float globalPanOffset = 0.0f;

    const tables::SineTables* sines;
    const tables::WaveTables* waves;
    tables::NoiseTable noise;
    std::uint32_t noisePositions[kNumDrumSlots][2] = {};
    std::uint32_t randomSeed = 1;

    effects::MasterEffects masterEffects;
    // The effects' reference level, which follows "Main Volume".
    float effectLimitLevel = 0.0f;

    tempo::TempoSync tempoSync;
    const PlugTimeInfo* hostTime = nullptr;
    // The block's time information has been synced and nothing has moved the
    // tempo sync since: syncing again with the same latch would change nothing.
    bool hostTimeSynced = false;
    patterns::PatternPlayer patternPlayers[kNumPatterns];
    // The step each player shows the editor, which reads it from its own thread.
    std::atomic<std::uint32_t> shownPatternSteps[kNumPatterns] = {};
    std::uint32_t lastStartedPattern = 0;
    // Bit k is set while player k runs, so the sample loop visits only the running players.
    std::uint32_t runningPatterns = 0;
    // Bit k is set while player k waits for the host's grid (a player starts out waiting).
    std::uint32_t waitingPatterns = (1u << kNumPatterns) - 1;
    const float* patternLockValues = nullptr;
    // Set for a pattern track's pad when its pattern restarts; the sample slots read it.
    std::uint8_t patternRestarted[kNumDrumSlots] = {};
    float tempo = 120.0f;
    float masterGain = 0.0f;
    voices::OutputBuses buses;
    float fxOutLeft = 0.0f;
    float fxOutRight = 0.0f;
    effects::EqualizerTaps equalizerTaps;
};
