#include "engine/engine.h"

#include "engine/distortion/voice_distortion.h"
#include "engine/effects/effect_coefficients.h"
#include "engine/effects/effect_types.h"
#include "engine/engine_listener.h"
#include "engine/tables/pink_noise.h"
#include "plugin/base/plug_types.h"
#include "plugin/parameters/pattern_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/mixer_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/voice_order.h"

#include <bit>
#include <cmath>

namespace {

namespace param = kravo::param;

constexpr float kSilentVolume = 0.001f;

// A cleared bus holds +0; a -0 would mix differently.
bool isPositiveZero(float x)
{
    return std::bit_cast<std::uint32_t>(x) == 0;
}

// Slot 0's two noise voices start far apart so that they never read the same
// stretch of noise; the other slots get random positions at their first note.
constexpr std::uint32_t kSlot0SecondNoisePosition = 123124;

} // namespace

// The shared tables are built here, on the constructing thread, so that the
// audio thread never meets their first use.
Engine::Engine() : sines(&tables::sineTables()), waves(&tables::waveTables())
{
    for (voices::SharedLfo& lfo : userLfos)
        lfo.bindClock(&lfoTick, &userLfosDue);
    for (voices::SharedLfo& lfo : layerLfos)
        lfo.bindClock(&lfoTick, &layerLfosDue);
    for (auto& lfos : sampleSlotLfos)
        for (voices::SharedLfo& lfo : lfos)
            lfo.bindClock(&lfoTick, &sampleSlotLfosDue);
    for (int voice = 0; voice < kVoicesPerSlot; ++voice)
        for (int slot = 0; slot < kNumSynthSlots; ++slot)
            voiceLayers[voice][slot].bindFilter(&layerFilters[voice][slot]);
    for (int v = 0; v < 2 * samples::SampleSlotVoice::kInstances; ++v)
        for (int layer = 0; layer < samples::kLayerCount; ++layer)
            sampleSlotVoices[v].bindFilter(layer, &sampleLayerFilters[v][layer]);
}

void Engine::attach(const float* parameterValues, EngineListener* engineListener,
                    const LayerSamples* layerSamplesOfSlots)
{
    params = parameterValues;
    listener = engineListener;
    layerSamples = layerSamplesOfSlots;
    bindVoiceContexts();
}

void Engine::initEngine()
{
    tables::PinkNoise generator;
    noise.fill(generator);
    for (auto& positions : noisePositions)
        positions[0] = positions[1] = 0;
    noisePositions[0][1] = kSlot0SecondNoisePosition;

    sampleCounter = 0;
    tempoSync.init(sampleRate);
    hostTimeSynced = false;
    tempo = tempoSync.tempo();
    for (voices::EasyControls& controls : easyControls)
        controls = voices::EasyControls{};

    modulation.init(sampleRate);
    for (int slot = 0; slot < kNumDrumSlots; ++slot)
        modulation.resetSlotDestinations(slot);
    modulation.resetGlobalDestinations();

    masterEffects.init(sampleRate);
    // "Offset" is the matrix's constant source.
    setModSource(modulation::source::kOffset, 1.0f);

    setupAllVoices(sampleRate);
    clearVoiceActiveFlags();
}

void Engine::setSampleRate(float rate)
{
    sampleRate = rate;
    bindVoiceContexts();
    tempoSync.setSampleRate(rate);
    hostTimeSynced = false;
    setupAllVoices(rate);
    modulation.init(rate);
    for (int slot = 0; slot < kNumMasterEffectSlots; ++slot)
        retypeMasterEffectSlot(slot, decodeMasterEffectType(slot));
}

void Engine::resetAllVoices()
{
    clearVoiceActiveFlags();
    for (int slot = 0; slot < kNumDrumSlots; ++slot) {
        modulation.resetSlotModulators(slot);
        modulation.resetSlotDestinations(slot);
    }
    modulation.resetGlobalModulators();
    // The next sync sees the host's transport as a fresh start.
    tempoSync.forgetTransport();
    hostTimeSynced = false;
    modulation.resetGlobalDestinations();
    for (int slot = 0; slot < kNumMasterEffectSlots; ++slot)
        retypeMasterEffectSlot(slot, decodeMasterEffectType(slot));
}

void Engine::setPadGate(std::int32_t pad, float gate)
{
    if (pad >= 0 && pad < kNumPads)
        padGate[pad] = gate;
}

void Engine::rotateEqualizerTaps()
{
    equalizerTaps.rotate();
}

void Engine::clearBuses()
{
    buses.clear();
    fxOutLeft = 0.0f;
    fxOutRight = 0.0f;
}

effects::EffectRates Engine::effectRates() const
{
    return {sampleRate, 1.0f / sampleRate, tempoSync.samplesPerBar(), tempo};
}

// Each control the slot reads is its parameter plus what the slot's two
// modulation rows (A and B) put into their global destination cells.
void Engine::updateMasterEffectSlot(int slot, bool force)
{
    // A slot without an effect has no coefficients.
    if (!effects::isActiveType(masterEffects.slot(slot).type))
        return;
    constexpr int kRowStride = 13;
    constexpr int kMixCell = 1;
    constexpr int kPanCell = 2;
    constexpr int kFirstParameterCell = 3;
    const float* mod = modulation.globalTable().value;
    const int rowA = modulation::globaldest::kEffectNone + kRowStride * slot;
    const int rowB = rowA + kRowStride * kNumMasterEffectSlots;
    const auto modulated = [&](int index, int cell) {
        return effects::clamp01(params[index] + mod[rowA + cell] + mod[rowB + cell]);
    };
    effects::SlotControls controls;
    controls.pan = modulated(param::effectSlotPan[slot], kPanCell);
    controls.mix = modulated(param::effectSlotMix[slot], kMixCell);
    for (int k = 0; k < effects::kEffectParameterCount; ++k)
        controls.parameters[k] = modulated(param::effectParameterIndex(slot, k), kFirstParameterCell + k);
    effects::updateMasterEffectCoefficients(masterEffects.slot(slot), controls, force, effectRates(), sampleCounter);
}

void Engine::updateMasterEffectCoefficients(bool tempoChanged)
{
    for (int slot = 0; slot < kNumMasterEffectSlots; ++slot)
        updateMasterEffectSlot(slot, tempoChanged);
}

std::int32_t Engine::decodeMasterEffectType(int slot) const
{
    return param::readChoice(params[param::effectType[slot]], param::choicescale::kEffectType);
}

void Engine::decodeEffectRouting()
{
    masterEffects.routing = param::readChoice(params[param::kEffectRouting], param::choicescale::kEffectRouting);
    for (int slot = 0; slot < kNumMasterEffectSlots; ++slot) {
        const std::int32_t type = decodeMasterEffectType(slot);
        if (type != masterEffects.slot(slot).type)
            retypeMasterEffectSlot(slot, type);
    }
}

// The setup clears the type's coefficients with its state, and a new rate
// changes them: the new ones must exist before the slot's next sample.
void Engine::retypeMasterEffectSlot(int slot, std::int32_t type)
{
    masterEffects.slot(slot).type = type;
    setupMasterEffectSlot(slot);
    updateMasterEffectSlot(slot, true);
}

void Engine::setupMasterEffectSlot(int slot)
{
    masterEffects.slot(slot).setup(sampleRate);
    // "Offset" is the matrix's constant source.
    setModSource(modulation::source::kOffset, 1.0f);
}

void Engine::updateGlobalModulators()
{
    modulation.updateGlobal(params, tempo, sampleCounter);
    const modulation::ModDestinationTable& global = modulation.globalTable();
    globalVolumeOffset = global.value[modulation::globaldest::kMainVolume];
    globalPanOffset = global.value[modulation::globaldest::kMainPan];
}

// These follow their parameters every sample; the powers are only worked out
// again when a value has changed, which is rare next to the sample rate.
void Engine::updateEasyLfo()
{
    const float amount = params[param::kEasyLfoAmount];
    const float speed = params[param::kEasyLfoSpeed];
    if (amount != lastEasyLfoAmountValue) {
        lastEasyLfoAmountValue = amount;
        easyLfoAmount = modulation::easyLfoAmount(amount);
    }
    if (speed != lastEasyLfoSpeedValue) {
        lastEasyLfoSpeedValue = speed;
        easyLfoSpeedFactor = std::exp2(10.0f * speed - 5.0f);
    }
}

void Engine::updateMasterGain()
{
    const float p = params[param::kMainVolume];
    if (p == lastMainVolumeValue)
        return;
    lastMainVolumeValue = p;
    // "Main Volume" spans -40 dB .. +10 dB, with the bottom of its travel silent.
    masterGain = p < kSilentVolume ? 0.0f : std::pow(10.0f, (50.0f * p - 40.0f) / 20.0f);
    // The effects' limiter works 20 dB below the output gain, with a little headroom.
    effectLimitLevel = p < kSilentVolume ? 0.0f : 1.2f * std::pow(10.0f, (50.0f * p - 60.0f) / 20.0f);
}

// The host's time information stays the same through a block, so after the
// block's first sync only a latch that has moved (the parameter, or a
// transport stop forgetting it) asks for another.
void Engine::syncToHost()
{
    // The latch is read as the players read their parameters: frozen while the patterns are locked.
    const bool latching = param::isSwitchOn(patternValues()[param::kPatternLatching]);
    if (!hostTimeSynced || latching != tempoSync.latchPatterns()) {
        tempo::HostTimeInfo host;
        if (hostTime) {
            host.flags = static_cast<std::uint32_t>(hostTime->flags);
            host.tempo = hostTime->tempo;
            host.ppqPos = hostTime->ppqPos;
        }
        const tempo::SyncEvents events = tempoSync.syncToHost(hostTime ? &host : nullptr, latching);
        hostTimeSynced = true;
        tempo = tempoSync.tempo();
        if (events.latchChanged)
            haltPatternPlayers(true);
        if (events.transportStopped)
            allVoicesOff();
    }
    if (waitingPatterns != 0)
        releaseWaitingPatternPlayers();
}

void Engine::updateVoiceLfos()
{
    ++lfoTick;
    // Each group is visited while one of its slots sounds or its LFOs still run, and at each catch-up.
    const bool catchUp = (lfoTick & kIdleLfoCatchUpMask) == 0;
    if (catchUp || ((activeSlots & kTomUserSlotMask) | runningUserLfos) != 0)
        updateUserLfos();
    if (catchUp || ((activeSlots & kSampleSlotMask) | runningSampleSlotLfos) != 0)
        updateSampleSlotLfos();
    if (catchUp || ((activeSlots & kSynthSlotMask) | runningLayerLfos) != 0)
        updateSynthSlotLfos();
}

namespace {

// Runs the LFOs of the slots that sound from this sample on and rests those of the slots that fell
// silent; bit s of the masks stands for lfos[s - first].
void startOrStopLfos(voices::SharedLfo* lfos, int first, std::uint32_t& running, std::uint32_t sounding)
{
    for (std::uint32_t changed = running ^ sounding; changed != 0; changed &= changed - 1) {
        const int slot = std::countr_zero(changed);
        voices::SharedLfo& lfo = lfos[slot - first];
        if (((sounding >> slot) & 1u) != 0)
            lfo.start();
        else
            lfo.stop();
    }
    running = sounding;
}

// Visits a group's running LFOs once its due tick has come: each due one takes its step, and the group's
// due tick becomes the earliest of them all again.
void visitDueLfos(voices::SharedLfo* lfos, int first, std::uint32_t running, std::uint32_t& groupDue,
                  std::uint32_t now, std::uint32_t farAhead)
{
    if (static_cast<std::int32_t>(now - groupDue) < 0)
        return;
    groupDue = now + farAhead;
    for (; running != 0; running &= running - 1)
        lfos[std::countr_zero(running) - first].visit();
}

void catchUpRestingLfos(voices::SharedLfo* lfos, int first, std::uint32_t resting)
{
    for (; resting != 0; resting &= resting - 1)
        lfos[std::countr_zero(resting) - first].catchUp();
}

} // namespace

// The filter LFO a synthesised slot's sample layers share runs while the slot sounds, however many of its
// voices do; its rate follows the slot's parameters at the slot's control rate.
void Engine::updateSynthSlotLfos()
{
    const std::uint32_t sounding = activeSlots & kSynthSlotMask;
    if (sounding != runningLayerLfos)
        startOrStopLfos(layerLfos, 0, runningLayerLfos, sounding);
    forEachSlot(sounding & slotsAtControlTick(), [this](int slot) {
        layerLfos[slot].setRate(voices::VoiceLayer::filterLfoRate(voiceContexts[0][slot]));
    });
    // Only steps that may start a cycle draw, so only those are taken at their samples, in slot order.
    visitDueLfos(layerLfos, 0, sounding, layerLfosDue, lfoTick, kFarAheadLfoDue);
    if ((lfoTick & kIdleLfoCatchUpMask) == 0)
        catchUpRestingLfos(layerLfos, 0, kSynthSlotMask & ~sounding);
}

// Each user's shared filter LFO runs at its rate, followed every sample, while the user's slot sounds in
// user mode.
void Engine::updateUserLfos()
{
    // The user kind's slots always, the Tom/User slots by their switch.
    std::uint32_t sounding = activeSlots & kUserKindSlotMask;
    forEachActiveSlot(kTomOrUserSlotMask, [this, &sounding](int slot) {
        if (isTomSlotOnUser(slot))
            sounding |= 1u << slot;
    });
    if (sounding != runningUserLfos)
        startOrStopLfos(userLfos, param::kFirstTomUserSlot, runningUserLfos, sounding);
    forEachSlot(sounding, [this](int slot) {
        userLfos[slot - param::kFirstTomUserSlot].setRate(drums::UserVoice::filterLfoRate(voiceContexts[0][slot]));
    });
    visitDueLfos(userLfos, param::kFirstTomUserSlot, sounding, userLfosDue, lfoTick, kFarAheadLfoDue);
    if ((lfoTick & kIdleLfoCatchUpMask) == 0)
        catchUpRestingLfos(userLfos, param::kFirstTomUserSlot, kTomUserSlotMask & ~sounding);
}

void Engine::updateEasyControls(int slot)
{
    easyPowers.update(params);
    easyControls[slot] = voices::computeEasyControls(params, slot, modulation.slotTable(slot), easyPowers);
}

void Engine::readEffectBypass(bool* bypassed) const
{
    for (int slot = 0; slot < kNumMasterEffectSlots; ++slot)
        bypassed[slot] = param::isAboveHalf(params[param::effectBypass[slot]]);
}

void Engine::processMasterEffects()
{
    bool bypassed[kNumMasterEffectSlots];
    readEffectBypass(bypassed);
    constexpr float kSixteenthsPerQuarter = 4.0f;
    const effects::EffectClock clock{sampleCounter,
                                     sines,
                                     effectLimitLevel,
                                     modWheel,
                                     tempoSync.hostPosition() / kSixteenthsPerQuarter,
                                     tempoSync.transportPlaying(),
                                     equalizerTaps};
    masterEffects.process(buses.left, buses.right, bypassed, clock);
    const effects::StereoPair result = masterEffects.result();
    fxOutLeft = result.left;
    fxOutRight = result.right;
}

void Engine::mixOutput(float& left, float& right) const
{
    // Buses 1 to 4 are separate outputs that never reach the stereo pair.
    const float* l = buses.left;
    const float* r = buses.right;
    left = (l[0] + l[5] + l[6] + l[7] + fxOutLeft) * masterGain;
    right = (r[0] + r[5] + r[6] + r[7] + fxOutRight) * masterGain;
}

bool Engine::isQuiet() const
{
    if (activeSlots != 0 || runningPatterns != 0 || !isPositiveZero(fxOutLeft) || !isPositiveZero(fxOutRight))
        return false;
    for (std::uint32_t b = 0; b < voices::OutputBuses::kCount; ++b)
        if (!isPositiveZero(buses.left[b]) || !isPositiveZero(buses.right[b]))
            return false;
    bool bypassed[kNumMasterEffectSlots];
    readEffectBypass(bypassed);
    return masterEffects.sleepsThroughSilence(bypassed) && modulation.globalStepsQuietly(params, tempo);
}

// The stages of a full sample that move nothing here are left out: the voices, players and effects, the
// bus clearing (the buses hold positive zeros) and the cached levels, whose parameters hold still between
// events. The host sync, once the block's first sample has synced, changes nothing after its first call.
void Engine::renderQuietRun(std::uint32_t firstCounter, int samples, float& left, float& right)
{
    // The taps come round every three rotations.
    for (int k = samples % 3; k > 0; --k)
        rotateEqualizerTaps();
    modulation.stepGlobalLfosQuietly(samples);
    // With no slot sounding the shared LFOs only step at their catch-up ticks: a run shorter than their
    // spacing meets at most one.
    const auto steps = static_cast<std::uint32_t>(samples);
    const std::uint32_t beforeCatchUp = kIdleLfoCatchUpMask - (lfoTick & kIdleLfoCatchUpMask);
    if (steps <= beforeCatchUp) {
        lfoTick += steps;
    } else {
        lfoTick += beforeCatchUp;
        updateVoiceLfos();
        lfoTick += steps - beforeCatchUp - 1;
    }
    sampleCounter = firstCounter + steps - 1;
    syncToHost();
    mixOutput(left, right);
}

void Engine::endQuietRun()
{
    modulation.endQuietGlobalSteps();
    const modulation::ModDestinationTable& global = modulation.globalTable();
    globalVolumeOffset = global.value[modulation::globaldest::kMainVolume];
    globalPanOffset = global.value[modulation::globaldest::kMainPan];
}
