#pragma once

#include "engine/voices/slot_note_state.h"

#include <cstdint>

class EngineListener;
struct PlugTimeInfo;

constexpr int kNumPads = 32;
constexpr int kNoPad = 32;
constexpr int kNumDrumSlots = 24;
constexpr int kNumOutputBuses = 8;
constexpr int kNumModSources = 44;

// The sound engine: voices, modulators, pattern players and master effects,
// all fixed arrays, reading the live parameter values of the plug-in object.
// The plug-in's block loop drives it stage by stage, one sample at a time.
class Engine {
public:
    Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void attach(const float* parameterValues, EngineListener* engineListener);
    void initEngine();
    void setSampleRate(float rate);
    void resetAllVoices();

    // Notes and controllers from the MIDI dispatch, the editor and the pattern players.
    void triggerPad(std::int32_t pad, std::int32_t velocity, float notePitch, float notePan, float noteLevel);
    void releasePad(std::int32_t pad, std::int32_t velocity);
    void setModSource(std::int32_t source, float value);
    void setModSourceBipolar(std::int32_t source, float value, float bipolarValue);
    void setPadGate(std::int32_t pad, float gate);
    void setModWheel(float value) { modWheel = value; }

    // Stages of one rendered sample, in the order the block loop runs them.
    void rotateEqualizerTaps();
    void clearBuses();
    void updateMasterEffectCoefficients(bool tempoChanged);
    void killGlobalModEnvelopesWhenSilent();
    void decodeEffectRouting();
    void decodeModulationMatrix();
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

    float getTempo() const { return tempo; }
    float getModSource(std::int32_t source) const { return modSourceValues[source]; }
    float getPadGate(std::int32_t pad) const { return padGate[pad]; }
    float getModWheel() const { return modWheel; }
    const SlotNoteState& getSlotNoteState(std::int32_t slot) const { return slotNotes[slot]; }

private:
    const float* params = nullptr;
    EngineListener* listener = nullptr;
    float sampleRate = 44100.0f;

    SlotNoteState slotNotes[kNumDrumSlots];
    float padGate[kNumPads] = {};
    float modSourceValues[kNumModSources] = {};
    float modWheel = 0.0f;

    float tempo = 120.0f;
    float masterGain = 0.0f;
    float busLeft[kNumOutputBuses] = {};
    float busRight[kNumOutputBuses] = {};
    float fxOutLeft = 0.0f;
    float fxOutRight = 0.0f;
    std::int32_t eqPhase = 0;
    std::int32_t eqTap0 = 0;
    std::int32_t eqTap1 = 0;
    std::int32_t eqTap2 = 0;
};
