#pragma once

#include "engine/drums/bass_drum_voice.h"
#include "engine/drums/snare_voice.h"
#include "engine/effects/master_effect_slot.h"
#include "engine/filters/voice_filter.h"
#include "engine/modulation/modulation.h"
#include "engine/tables/noise_table.h"
#include "engine/tempo/tempo_sync.h"
#include "engine/tables/sine_tables.h"
#include "engine/tables/wave_tables.h"
#include "engine/voices/easy_controls.h"
#include "engine/voices/oscillator_reads.h"
#include "engine/voices/output_buses.h"
#include "engine/voices/slot_note_state.h"
#include "engine/voices/voice_curves.h"
#include "engine/voices/voice_output.h"

#include <cstdint>
#include <limits>

class EngineListener;
struct PlugTimeInfo;

namespace dsp {
class VoiceDistortion;
}

constexpr int kNumPads = 32;
constexpr int kNoPad = 32;
constexpr int kNumDrumSlots = 24;
constexpr int kNumSynthSlots = 16;
constexpr int kNumMasterEffectSlots = 4;

// The sound engine: voices, modulators, pattern players and master effects,
// all fixed arrays, reading the live parameter values of the plug-in object.
// The plug-in's block loop drives it stage by stage, one sample at a time.
// It holds megabytes of tables, so it only lives inside a heap object.
class Engine {
public:
    Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void attach(const float* parameterValues, EngineListener* engineListener);
    // Builds the tables and puts every modulator and effect slot into its start state.
    void initEngine();
    void setSampleRate(float rate);
    void resetAllVoices();

    // Notes and controllers from the MIDI dispatch, the editor and the pattern players.
    void triggerPad(std::int32_t pad, std::int32_t velocity, float notePitch, float notePan, float noteLevel);
    void releasePad(std::int32_t pad, std::int32_t velocity);
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
    void syncToHost(const PlugTimeInfo* timeInfo);
    void updateVoiceLfos();
    void renderDrumSlots();
    void renderSampleSlots();
    void tickPatternPlayers();
    void processMasterEffects();
    void mixOutput(float& left, float& right) const;

    // Control-rate work of one slot: its easy controls and its modulators.
    void updateEasyControls(int slot);
    void updateSlotModulators(int slot) { modulation.updateSlot(slot, params, tempo, sampleCounter); }
    void resetSlotModDestinations(int slot) { modulation.resetSlotDestinations(slot); }
    void resetGlobalModDestinations() { modulation.resetGlobalDestinations(); }
    void setupMasterEffectSlot(int slot);

    // What the voice renderers read and call.
    const voices::EasyControls& getEasyControls(int slot) const { return easyControls[slot]; }
    float modValue(int slot, int destination) const { return modulation.slotTable(slot).value[destination]; }
    float modRatio(int slot, int destination) const { return modulation.slotTable(slot).ratio[destination]; }
    float globalModValue(int destination) const { return modulation.globalTable().value[destination]; }
    // Gains and distortion amounts of a voice of the slot; also prepares its distortion stage.
    voices::VoiceOutputLevels prepareVoiceOutput(int slot, float velocityFactor, dsp::VoiceDistortion& distortion) const;
    // Adds a voice's sample to its slot's output bus; a bus above 7 is silent.
    void routeVoiceOutput(int slot, float left, float right);
    voices::FadeIn fadeInRate(int parameterIndex) const { return voices::fadeInRate(params[parameterIndex], sampleRate); }
    voices::FadeIn fadeInRateScaled(int parameterIndex, float k) const
    {
        return voices::fadeInRateScaled(params[parameterIndex], sampleRate, k);
    }
    float randomBipolar() { return voices::randomBipolar(randomSeed); }
    float readWaveOsc(std::uint32_t& phase, std::uint32_t increment, int table, float amplitude) const
    {
        return voices::readWaveOsc(phase, increment, waves->bank1(table), amplitude);
    }
    float readWaveOscOffset(std::uint32_t& phase, std::uint32_t increment, std::uint32_t offset, int table,
                            float amplitude) const
    {
        return voices::readWaveOscOffset(phase, increment, offset, waves->bank1(table), amplitude);
    }
    float readWaveOscBank2(std::uint32_t& phase, std::uint32_t increment, int table, float amplitude) const
    {
        return voices::readWaveOsc(phase, increment, waves->bank2(table), amplitude);
    }
    float readSineOsc(std::uint32_t& phase, std::uint32_t increment, float amplitude) const
    {
        return voices::readWaveOsc(phase, increment, waves->sineOscillator(), amplitude);
    }
    float readSineOscOffset(std::uint32_t& phase, std::uint32_t increment, std::uint32_t offset, float amplitude) const
    {
        return voices::readWaveOscOffset(phase, increment, offset, waves->sineOscillator(), amplitude);
    }
    float readNoise(int slot, int voice) { return voices::readNoise(noise, noisePositions[slot][voice]); }
    void readNoiseStereo(int slot, int voice, float& left, float& right)
    {
        voices::readNoiseStereo(noise, noisePositions[slot][voice], left, right);
    }
    const float* sineTable() const { return sines->sine; }
    const float* cosineTable() const { return sines->cosine; }
    const float* unipolarSineTable() const { return sines->unipolarSine; }
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
    const effects::MasterEffectSlot& getMasterEffectSlot(int slot) const { return fxSlots[slot]; }
    std::int32_t getMasterEffectType(int slot) const { return fxSlots[slot].type; }
    std::int32_t getEffectRouting() const { return fxPath; }
    const voices::OutputBuses& getBuses() const { return buses; }
    float getPadGate(std::int32_t pad) const { return padGate[pad]; }
    float getModWheel() const { return modWheel; }
    const SlotNoteState& getSlotNoteState(std::int32_t slot) const { return slotNotes[slot]; }

    // Voice records, for the renderers' tests.
    const BassDrumVoice& getBassDrumVoice(int voice, int instance) const { return bassDrumVoices[instance + 2 * voice]; }
    const SnareVoice& getSnareVoice(int voice, int instance) const { return snareVoices[instance + 2 * voice]; }

private:
    static constexpr int kVoicesPerSlot = 2;
    static constexpr float kNotYetRead = std::numeric_limits<float>::quiet_NaN();

    // Triggering: the steps every kind's note-on shares.
    void prepareTrigger(int slot, float velocity, float notePitch, float notePan, float noteLevel);
    int nextVoice(int slot, int index);
    void resetVoice(int voice, int slot, int index);
    void allNotesOff(int slot);
    void clearVoiceActiveFlags();
    bool isSlotSounding(int slot) const;
    void setModelFilterType(int voice, int slot, int type);
    // The opening every synthesised note-on shares once its voice is set up.
    void openSynthNoteOn(SynthVoice& r, float velocity, const SynthVoiceParameters& kind);

    // Per-kind voice set-up for a sample rate, note-on and one sample of one voice.
    void setupAllVoices(float rate);
    void setupBassDrumVoice(int voice, int instance, float rate);
    void setupSnareVoice(int voice, int instance, float rate);
    void setupModelFilters(int voice, int slot, float rate);
    void triggerBassDrum(int slot, float velocity, float notePitch, float notePan, float noteLevel);
    void triggerSnare(int slot, float velocity, float notePitch, float notePan, float noteLevel);
    void renderBassDrum(int voice, int instance, int slot);
    void renderSnare(int voice, int instance, int slot);

    // The built-in sample a synthesised voice plays for its sample models.
    void startFactorySample(int voice, int slot, int sample);
    bool renderSampleLayer(int voice, int slot);

    void renderSlotControls(int slot);
    std::int32_t decodeMasterEffectType(int slot) const;

    const float* params = nullptr;
    EngineListener* listener = nullptr;
    // Agrees with the plug-in object's start rate, so a host running at that
    // rate (which the plug-in then does not pass on) is still served correctly.
    float sampleRate = 44100.0f;
    std::uint32_t sampleCounter = 0;

    SlotNoteState slotNotes[kNumDrumSlots];
    BassDrumVoice bassDrumVoices[4];
    SnareVoice snareVoices[4];
    // Two per voice of each synthesised slot: the click or noise filter and the tone filter.
    dsp::VoiceFilter modelFilters[kVoicesPerSlot][kNumSynthSlots][2];
    float padGate[kNumPads] = {};
    float modWheel = 0.0f;

    modulation::Modulation modulation;
    voices::EasyControls easyControls[kNumDrumSlots];
    float globalVolumeOffset = 0.0f;
    float globalPanOffset = 0.0f;
    float easyLfoAmount = 0.0f;
    float easyLfoSpeedFactor = 1.0f;
    // The parameter values the cached powers were worked out from (NaN: none yet).
    float lastEasyLfoAmountValue = kNotYetRead;
    float lastEasyLfoSpeedValue = kNotYetRead;
    float lastMainVolumeValue = kNotYetRead;

    const tables::SineTables* sines;
    const tables::WaveTables* waves;
    tables::NoiseTable noise;
    std::uint32_t noisePositions[kNumDrumSlots][2] = {};
    std::uint32_t randomSeed = 1;

    effects::MasterEffectSlot fxSlots[kNumMasterEffectSlots];
    std::int32_t fxPath = 0;

    tempo::TempoSync tempoSync;
    float tempo = 120.0f;
    float masterGain = 0.0f;
    voices::OutputBuses buses;
    float fxOutLeft = 0.0f;
    float fxOutRight = 0.0f;
    std::int32_t eqPhase = 0;
    std::int32_t eqTap0 = 0;
    std::int32_t eqTap1 = 0;
    std::int32_t eqTap2 = 0;
};
