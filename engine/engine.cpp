#include "engine/engine.h"

#include "engine/engine_listener.h"

#include <cmath>

namespace {

constexpr std::int32_t kFirstPatternPad = 24;
constexpr int kMainVolumeParam = 2;
constexpr float kSilentVolume = 0.001f;

} // namespace

Engine::Engine() = default;

void Engine::attach(const float* parameterValues, EngineListener* engineListener)
{
    params = parameterValues;
    listener = engineListener;
}

void Engine::initEngine() {}

void Engine::setSampleRate(float rate)
{
    sampleRate = rate;
}

void Engine::resetAllVoices() {}

void Engine::triggerPad(std::int32_t pad, std::int32_t velocity, float notePitch, float notePan, float noteLevel)
{
    (void)notePitch;
    (void)notePan;
    (void)noteLevel;
    if (pad < 0 || pad >= kNumPads)
        return;
    const float f = static_cast<float>(velocity) / 127.0f;
    if (pad >= kFirstPatternPad)
        return;
    slotNotes[pad].pad = static_cast<std::uint32_t>(pad);
    slotNotes[pad].velocity = f;
}

void Engine::releasePad(std::int32_t pad, std::int32_t velocity)
{
    (void)velocity;
    if (pad < 0 || pad >= kNumPads)
        return;
}

void Engine::setModSource(std::int32_t source, float value)
{
    modSourceValues[source] = value;
}

void Engine::setModSourceBipolar(std::int32_t source, float value, float bipolarValue)
{
    (void)bipolarValue;
    modSourceValues[source] = value;
}

void Engine::setPadGate(std::int32_t pad, float gate)
{
    if (pad >= 0 && pad < kNumPads)
        padGate[pad] = gate;
}

void Engine::rotateEqualizerTaps()
{
    // The master equalizer keeps a three-sample history in a ring; these are
    // the ring positions of its newest, previous and oldest sample.
    static constexpr std::int32_t kNext[3] = {1, 2, 0};
    static constexpr std::int32_t kTap0[3] = {2, 1, 0};
    static constexpr std::int32_t kTap1[3] = {0, 2, 1};
    static constexpr std::int32_t kTap2[3] = {1, 0, 2};
    eqPhase = kNext[eqPhase];
    eqTap0 = kTap0[eqPhase];
    eqTap1 = kTap1[eqPhase];
    eqTap2 = kTap2[eqPhase];
}

void Engine::clearBuses()
{
    for (int b = 0; b < kNumOutputBuses; ++b) {
        busLeft[b] = 0.0f;
        busRight[b] = 0.0f;
    }
    fxOutLeft = 0.0f;
    fxOutRight = 0.0f;
}

void Engine::updateMasterEffectCoefficients(bool tempoChanged)
{
    (void)tempoChanged;
}

void Engine::killGlobalModEnvelopesWhenSilent() {}
void Engine::decodeEffectRouting() {}
void Engine::decodeModulationMatrix() {}
void Engine::updateSlotActivity() {}
void Engine::updateGlobalModulators() {}
void Engine::updateEasyLfo() {}

void Engine::updateMasterGain()
{
    // "Main Volume" spans -40 dB .. +10 dB, with the bottom of its travel silent.
    const float p = params[kMainVolumeParam];
    masterGain = p < kSilentVolume ? 0.0f : std::pow(10.0f, (50.0f * p - 40.0f) / 20.0f);
}

void Engine::syncToHost(const PlugTimeInfo* timeInfo)
{
    (void)timeInfo;
}

void Engine::updateVoiceLfos() {}
void Engine::renderDrumSlots() {}
void Engine::renderSampleSlots() {}
void Engine::tickPatternPlayers() {}
void Engine::processMasterEffects() {}

void Engine::mixOutput(float& left, float& right) const
{
    // Buses 1 to 4 are separate outputs that never reach the stereo pair.
    left = (busLeft[0] + busLeft[5] + busLeft[6] + busLeft[7] + fxOutLeft) * masterGain;
    right = (busRight[0] + busRight[5] + busRight[6] + busRight[7] + fxOutRight) * masterGain;
}
