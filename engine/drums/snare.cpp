#include "engine/engine.h"

#include "engine/dsp/dsp_constants.h"
#include "engine/dsp/envelope_generator.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/snare_parameters.h"

#include <cmath>

namespace {

namespace param = kravo::param;
using namespace voicetick;
namespace sn = kravo::param::snare;

constexpr int kFirstSnareSlot = 2;
constexpr int kFirstSampleModel = 2;
constexpr int kModelCount = 67;
constexpr int kFirstSnareSample = 24; // sample models play built-in samples 24..88
constexpr std::int32_t kWaveOfChoice[2] = {0, 3}; // sine, triangle
constexpr float kAudibleLevel = 0.001f;
constexpr float kToneHeadroom = 4.0f;
constexpr int kNoiseFilter = 0;

} // namespace

void Engine::setupSnareVoice(int voice, int instance, float rate)
{
    SnareVoice& r = snareVoices[instance + 2 * voice];
    r = SnareVoice{};
    r.distortion.init(rate, sineTable(), cosineTable());
    r.toneAmpEnv.init(rate);
    r.toneAmpEnv.setDecayTimeScale(1000.0f);
    r.toneAmpEnv.setHoldTimeScale(1000.0f);
    r.pitchEnv.init(rate);
    r.pitchEnv.setTimeScale(1000.0f);
    r.toneHighPass.init(rate);
    r.toneHighPass.setCutoff(voices::freqFromValue(1.0f), 1.0f);
    r.toneHighPass.reset();
    r.noiseFilterEnv.init(rate);
    r.noiseFilterEnv.setDecayTimeScale(2000.0f);
    r.noiseFilterEnv.setRiseTimeScale(2000.0f);
    r.noiseAmpEnv.init(rate);
    r.noiseAmpEnv.setDecayTimeScale(2000.0f);
    r.noiseAmpEnv.setAttackTimeScale(20.0f);
    r.noiseAmpEnv.setCurve(0.0f, 3.0f);
    for (dsp::DecayEnvelope* click : {&r.clickAmpEnv, &r.clickPitchEnv}) {
        click->init(rate);
        click->setTimeScale(1000.0f);
        click->setCurve(0.4f, 3.0f);
    }
}

void Engine::triggerSnare(int slot, float velocity, float notePitch, float notePan, float noteLevel)
{
    const int index = slot - kFirstSnareSlot;
    auto p = [&](int j) { return params[sn::index(j, index)]; };

    prepareTrigger(slot, velocity, notePitch, notePan, noteLevel);
    const int v = nextVoice(slot, index);
    setupSnareVoice(v, index, sampleRate);
    SnareVoice& r = snareVoices[index + 2 * v];

    openSynthNoteOn(r, velocity,
                    {sn::index(sn::kVelocityToVolume, index), sn::index(sn::kModel, index),
                     sn::index(sn::kAttack, index), sn::index(sn::kDistortionType, index), kModelCount});
    const int m = r.model;
    if (m >= kFirstSampleModel) {
        startFactorySample(v, slot, m - kFirstSampleModel + kFirstSnareSample);
        return;
    }

    const voices::EasyControls& easy = easyControls[slot];
    r.wave = kWaveOfChoice[param::readChoiceClamped(p(sn::kOscWave), 1.99f, 2)];
    r.toneAmpEnv.setDecay(p(sn::kOscAmpDecay), 0.0f, easy.synthDecayFactor);
    r.toneAmpEnv.setHold(p(sn::kOscAmpHold), 0.0f, 1.0f);
    r.toneAmpEnv.setCurve(0.5f - 0.5f * p(sn::kOscAmpDecayCurve), 2.0f);
    r.toneAmpEnv.trigger();
    r.pitchEnv.setDecay(p(sn::kOscFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
    r.pitchEnv.trigger();
    r.curveMode = p(sn::kOscFreqCurveMode) > 0.5f;
    r.curveK = 0.5f * std::exp2(-7.0f * p(sn::kOscFreqDecayCurve));
    r.curveE = std::exp2(-5.0f * p(sn::kOscFreqDecayCurve));

    r.toneHighPass.setCutoff(voices::freqFromValue(p(sn::kOscHpFilterFreq)), 1.0f);
    r.toneHighPass.reset();

    r.noiseAmpEnv.setAttack(p(sn::kNoiseAmpAttack), 0.0f, 1.0f);
    r.noiseAmpEnv.setDecay(p(sn::kNoiseAmpDecay), 0.0f, easy.synthDecayFactor);
    r.noiseAmpEnv.setCurve(p(sn::kNoiseFilterCurve), 3.0f);
    r.noiseAmpEnv.trigger();
    r.noiseFilterEnv.setDecay(p(sn::kNoiseFilterDecay), 0.0f, easy.pitchEnvSpeedFactor);
    r.noiseFilterEnv.setRise(p(sn::kNoiseFilterRise), 0.0f, easy.pitchEnvSpeedFactor);
    r.noiseFilterEnv.trigger();

    const float drop = p(sn::kNoiseFilterDrop);
    r.filterDrop = drop * drop;
    const float offset = p(sn::kNoiseFilterOffset);
    if (offset > kAudibleLevel) {
        r.stereoNoise = true;
        r.offsetUp = std::exp2(0.5f * offset);
        r.offsetDown = std::exp2(-0.5f * offset);
        r.spreadCross = 1.0f - p(sn::kNoiseFilterSpread);
        r.spreadNorm = 1.0f / (2.0f - p(sn::kNoiseFilterSpread));
    }

    r.velFilterOffset = param::readBipolar(p(sn::kNoiseFilterVelToFreq)) * velocity;
    setModelFilterType(v, slot,
                       param::readChoiceClamped(p(sn::kNoiseFilterType), param::choicescale::kVoiceFilterType, 7));
    r.clickOn = m == 1;
    r.clickAmpEnv.trigger();
    r.clickPitchEnv.trigger();
    r.clickVelocity = param::readBipolar(p(sn::kClickVelToFreq)) * velocity;
    r.clickFreq = voices::freqFromValue(r.clickVelocity + p(sn::kClickFreq));
}

void Engine::renderSnare(int voice, int instance, int slot)
{
    SnareVoice& r = snareVoices[instance + 2 * voice];
    auto p = [&](int j) { return params[sn::index(j, instance)]; };
    const SlotNoteState& note = slotNotes[slot];
    const voices::EasyControls& easy = easyControls[slot];
    const bool blockStart = (r.counter & kControlMask) == 0;

    if (blockStart)
        r.out = prepareVoiceOutput(slot, r.velocityFactor, r.distortion);
    if (r.model >= kFirstSampleModel) {
        r.playing = renderSampleLayer(voice, slot);
        return;
    }

    if (blockStart) {
        const float pitchMod = modRatio(slot, modulation::voiceDestination(slot, modulation::voicedest::kPitch));
        r.phaseScale = note.phaseIncrement * easy.synthPitchFactor * pitchMod;
        if (r.clickOn) {
            r.clickDropOctaves = -4.0f * dsp::clamp01(p(sn::kClickFreqDrop));
            r.clickPhaseScale = r.clickFreq * r.phaseScale;
        }
        r.filterPitch = pitchMod * easy.synthPitchFactor * note.pitchFactor;
        r.filterFreqValue = p(sn::kNoiseFilterFreq) + r.velFilterOffset + easy.filterFreqOffset +
                            modValue(slot, modulation::voiceDestination(slot, modulation::voicedest::kNoiseFreq));
        r.filterQValue = p(sn::kNoiseFilterQ) + easy.filterQOffset +
                         modValue(slot, modulation::voiceDestination(slot, modulation::voicedest::kNoiseQ));
        if ((r.counter & kCoefficientMask) == 0) {
            const float decayGain =
                modValue(slot, modulation::voiceDestination(slot, modulation::voicedest::kEnvSpeed)) * note.noteLevel;
            r.toneAmpEnv.setGain(decayGain);
            r.pitchEnv.setGain(decayGain);
            r.noiseAmpEnv.setGain(decayGain);
            r.noiseFilterEnv.setGain(decayGain);
            r.clickAmpEnv.setGain(decayGain);
            r.clickPitchEnv.setGain(decayGain);
            r.toneAmpEnv.setDecay(p(sn::kOscAmpDecay), 0.0f, easy.synthDecayFactor);
            r.toneAmpEnv.setHold(p(sn::kOscAmpHold), 0.0f, easy.synthDecayFactor);
            r.pitchEnv.setDecay(p(sn::kOscFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
            r.toneGain = voices::dbGain(p(sn::kOscVolume), 60.0f, 60.0f);
            r.baseFreq = 25.0f * std::exp2(p(sn::kOscBaseFreq) * dsp::kSnBaseFreqRange);
            r.dropOctaves = 6.0f * p(sn::kOscFreqDrop);
            r.toneHighPass.setCutoff(voices::freqFromValue(p(sn::kOscHpFilterFreq)), 1.0f);
            r.clickAmpEnv.setDecay(p(sn::kClickFreqDecay), 0.0f, easy.synthDecayFactor);
            r.clickGain = voices::dbGain(p(sn::kClickVolume), 60.0f, 60.0f);
            r.clickPitchEnv.setDecay(p(sn::kClickFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
            r.noiseAmpEnv.setAttack(p(sn::kNoiseAmpAttack), 0.0f, 1.0f);
            r.noiseAmpEnv.setDecay(p(sn::kNoiseAmpDecay), 0.0f, easy.synthDecayFactor);
            r.noiseGain = voices::dbGain(p(sn::kNoiseVolume), 60.0f, 60.0f);
            r.noiseFilterEnv.setDecay(p(sn::kNoiseFilterDecay), 0.0f, easy.pitchEnvSpeedFactor);
            r.noiseFilterEnv.setRise(p(sn::kNoiseFilterRise), 0.0f, easy.pitchEnvSpeedFactor);
        }
        r.toneAmpEnv.process();
        r.pitchEnv.processLinear();
        r.noiseAmpEnv.process();
        r.noiseFilterEnv.process();
        if (r.clickOn) {
            r.clickAmpEnv.processCurved();
            r.clickPitchEnv.processCurved();
        }
    }

    r.toneAmpEnv.step();
    r.noiseAmpEnv.step();
    if (r.clickOn)
        r.clickAmpEnv.step();
    if (!r.toneAmpEnv.isActive() && !r.noiseAmpEnv.isActive() && (!r.clickOn || !r.clickAmpEnv.isActive())) {
        r.playing = false;
        return;
    }

    const bool pitchUpdate = (r.counter & kPitchMask) == 0;
    if (pitchUpdate) {
        r.pitchEnv.step4();
        const float e = r.pitchEnv.level();
        const float c = r.curveMode ? voices::curvePower(e, r.curveE) : voices::curveRational(e, r.curveK);
        r.phaseInc = voices::phaseIncrement(r.baseFreq * std::exp2(r.dropOctaves * c) * r.phaseScale);
    }
    const float tone = r.toneHighPass.highPass(readWaveOsc(r.phase, r.phaseInc, r.wave, 1.0f)) *
                       r.toneAmpEnv.output() * r.toneGain * kToneHeadroom;

    float click = 0.0f;
    if (r.clickOn) {
        const float a = r.clickAmpEnv.output() * r.clickGain;
        if (a > 0.0f) {
            if (pitchUpdate && r.clickPitchEnv.isActive()) {
                r.clickPitchEnv.step4();
                r.clickPhaseInc = voices::phaseIncrement(
                    std::exp2(r.clickDropOctaves * (1.0f - r.clickPitchEnv.output())) * r.clickPhaseScale);
            }
            click = readSineOsc(r.clickPhase, r.clickPhaseInc, a);
        }
    }

    float noiseLeft = 0.0f;
    float noiseRight = 0.0f;
    const float n = r.noiseAmpEnv.output() * r.noiseGain;
    if (n > 0.0f) {
        dsp::VoiceFilter& filter = modelFilters[voice][slot][kNoiseFilter];
        if (pitchUpdate) {
            r.noiseFilterEnv.step4();
            const float frequency = voices::freqFromValue(r.filterFreqValue + r.noiseFilterEnv.output() * r.filterDrop);
            if (r.stereoNoise)
                filter.setParametersStereo(frequency * r.offsetUp, frequency * r.offsetDown, r.filterQValue,
                                           r.filterPitch, r.filterPitch);
            else
                filter.setParameters(frequency, r.filterQValue, r.filterPitch);
        }
        if (!r.stereoNoise) {
            noiseLeft = noiseRight = filter.process(randomBipolar()) * n;
        } else {
            float filteredLeft = randomBipolar();
            float filteredRight = randomBipolar();
            filter.processStereo(filteredLeft, filteredRight);
            noiseLeft = (filteredLeft + r.spreadCross * filteredRight) * n * r.spreadNorm;
            noiseRight = (filteredRight + r.spreadCross * filteredLeft) * n * r.spreadNorm;
        }
    }

    float yLeft = click + tone + noiseLeft;
    float yRight = noiseRight + tone + click;
    r.distortion.processStereo(yLeft, yRight);
    const float fade = r.nextFade();
    ++r.counter;
    routeVoiceOutput(slot, r.out.left * yLeft * fade, r.out.right * yRight * fade);
}
