#include "engine/engine.h"

#include "engine/dsp/dsp_constants.h"
#include "engine/dsp/envelope_generator.h"
#include "plugin/parameters/bass_drum_parameters.h"
#include "plugin/parameters/parameter_reading.h"

#include <cmath>

namespace {

namespace param = kravo::param;
using namespace voicetick;
namespace bd = kravo::param::bassdrum;

constexpr int kFirstSampleModel = 4;
constexpr int kModelCount = 28;
constexpr std::int32_t kWaveOfChoice[3] = {0, 3, 2}; // sine, triangle, square
constexpr float kAudibleLevel = 0.001f;
constexpr int kClickFilter = 0;
constexpr int kLowPass = 1;

bool isDropModel(int model)
{
    return model == 2 || model == 3;
}

} // namespace

void Engine::setupBassDrumVoice(int voice, int instance, float rate)
{
    BassDrumVoice& r = bassDrumVoices[instance + 2 * voice];
    r = BassDrumVoice{};
    r.distortion.init(rate, sineTable(), cosineTable());
    r.ampEnv.init(rate);
    r.ampEnv.setDecayTimeScale(1500.0f);
    r.ampEnv.setHoldTimeScale(1500.0f);
    r.pitchEnv.init(rate);
    r.pitchEnv.setTimeScale(250.0f);
    r.kravoEnv.init(rate);
    r.kravoEnv.setTimeScale(250.0f);
    for (dsp::DecayEnvelope* click : {&r.clickAmpEnv, &r.clickPitchEnv}) {
        click->init(rate);
        click->setTimeScale(10000.0f);
        click->setCurve(0.4f, 3.0f);
    }
}

void Engine::triggerBassDrum(int slot, float velocity, float notePitch, float notePan, float noteLevel)
{
    const int index = slot;
    auto p = [&](int j) { return params[bd::index(j, index)]; };

    prepareTrigger(slot, velocity, notePitch, notePan, noteLevel);
    const int v = nextVoice(slot, index);
    setupBassDrumVoice(v, index, sampleRate);
    BassDrumVoice& r = bassDrumVoices[index + 2 * v];

    openSynthNoteOn(r, velocity,
                    {bd::index(bd::kVelocityToVolume, index), bd::index(bd::kModel, index),
                     bd::index(bd::kAttack, index), bd::index(bd::kDistortionType, index), kModelCount});
    const int m = r.model;
    if (m >= kFirstSampleModel) {
        startFactorySample(v, slot, m - kFirstSampleModel);
        return;
    }

    r.wave = kWaveOfChoice[param::readChoiceClamped(p(bd::kOscWave), 2.99f, 3)];
    r.curveMode = p(bd::kOscFreqCurveMode) > 0.5f;
    if (!isDropModel(m)) {
        r.ampEnv.setCurve(0.5f - 0.5f * p(bd::kOscAmpDecayCurve), 2.0f);
        r.curveK = 0.5f * std::exp2(-7.0f * p(bd::kOscFreqCurve));
        r.curveE = std::exp2(-5.0f * p(bd::kOscFreqCurve));
    } else {
        r.ampEnv.setDecayTimeScale(2000.0f);
        r.ampEnv.setHold(0.0f, 0.0f, 1.0f);
        r.ampEnv.setCurveExponent(0.0f); // 2^0: a straight decay
        r.pitchEnv.setTimeScale(2000.0f);
        r.curveK = 0.5f * std::exp2(-7.0f * p(bd::kOscDecayCurve));
        r.curveE = std::exp2(-5.0f * p(bd::kOscDecayCurve));
    }
    r.ampEnv.trigger();
    r.pitchEnv.trigger();
    r.dropOctaves = 6.0f * p(bd::kOscFreqDrop);
    r.kravoCurveK = 0.5f * std::exp2(-7.0f * p(bd::kKravoCurve));
    r.dropModel = isDropModel(m);
    r.kravoEnv.trigger();
    r.clickAmpEnv.trigger();
    r.clickPitchEnv.trigger();

    r.clickDropOctaves = -4.0f * param::readBipolar(p(bd::kClickFreqDrop));
    r.clickOn = m == 1 || m == 3;
    r.stereoClick = false;
    const float offset = p(bd::kClickOffset);
    if (r.clickOn && offset > kAudibleLevel) {
        r.stereoClick = true;
        r.offsetUp = std::exp2(0.5f * offset);
        r.offsetDown = std::exp2(-0.5f * offset);
        r.spreadCross = 1.0f - p(bd::kClickSpread);
        r.spreadNorm = 1.0f / (2.0f - p(bd::kClickSpread));
    }

    // The click mix runs tone -> noise A -> noise B over the knob's travel.
    const float c = p(bd::kClickMix);
    if (c < 0.5f) {
        r.toneMix = 1.0f - 2.0f * c;
        r.noiseAMix = 2.0f * c;
        r.noiseBMix = 0.0f;
    } else {
        r.toneMix = 0.0f;
        r.noiseAMix = 2.0f - 2.0f * c;
        r.noiseBMix = 2.0f * c - 1.0f;
    }
    r.noiseAOn = r.noiseAMix > kAudibleLevel;
    r.noiseBOn = r.noiseBMix > kAudibleLevel;
    setModelFilterType(v, slot, kLowPass);
}

void Engine::renderBassDrum(int voice, int instance, int slot)
{
    BassDrumVoice& r = bassDrumVoices[instance + 2 * voice];
    auto p = [&](int j) { return params[bd::index(j, instance)]; };
    const SlotNoteState& note = slotNotes[slot];
    const voices::EasyControls& easy = easyControls[slot];
    const bool blockStart = (r.counter & kControlMask) == 0;

    if (blockStart)
        r.out = prepareVoiceOutput(slot, r.velocityFactor, r.distortion);
    if (r.model >= kFirstSampleModel) {
        r.playing = renderSampleLayer(voice, slot);
        return;
    }

    dsp::VoiceFilter& clickFilter = modelFilters[voice][slot][kClickFilter];
    if (blockStart) {
        const float pitchMod = modRatio(slot, modulation::voiceDestination(slot, modulation::voicedest::kPitch));
        const float decayGain =
            modValue(slot, modulation::voiceDestination(slot, modulation::voicedest::kEnvSpeed)) * note.noteLevel;
        r.phaseScale = note.phaseIncrement * easy.synthPitchFactor * pitchMod;
        if (r.clickOn) {
            r.clickPhaseScale = voices::freqFromValue(p(bd::kClickFreq)) * r.phaseScale;
            r.clickFilterFreq =
                voices::freqFromValue(p(bd::kClickFreq) + easy.filterFreqOffset +
                                      modValue(slot, modulation::voiceDestination(slot, modulation::voicedest::kNoiseFreq))) *
                pitchMod * easy.synthPitchFactor * note.pitchFactor;
        }
        if ((r.counter & kCoefficientMask) == 0) {
            for (dsp::DecayEnvelope* e : {&r.pitchEnv, &r.kravoEnv, &r.clickAmpEnv, &r.clickPitchEnv})
                e->setGain(decayGain);
            r.ampEnv.setGain(decayGain);
            if (r.dropModel) {
                r.ampEnv.setDecay(p(bd::kOscDecay), 0.0f, easy.synthDecayFactor);
                r.ampEnv.setHold(0.0f, 0.0f, easy.synthDecayFactor);
                r.pitchEnv.setDecay(p(bd::kOscDecay), 0.0f, easy.pitchEnvSpeedFactor);
            } else {
                r.ampEnv.setDecay(p(bd::kOscAmpDecay), 0.0f, easy.synthDecayFactor);
                r.ampEnv.setHold(p(bd::kOscAmpHold), 0.0f, easy.synthDecayFactor);
                r.pitchEnv.setDecay(p(bd::kOscFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
            }
            r.logStart = p(bd::kOscFreqStart) * dsp::kBdSweepStartRange;
            r.logEnd = p(bd::kOscFreqEnd) * dsp::kBdSweepEndRange;
            r.logSpan = r.logStart - r.logEnd;
            r.baseFreq = 10.0f * std::exp2(dsp::clamp01(p(bd::kOscBaseFreq)) * dsp::kBdBaseFreqRange);
            r.kravoEnv.setDecay(p(bd::kKravoDecay), 0.0f, easy.pitchEnvSpeedFactor);
            r.kravoOctaves = r.dropModel ? 6.0f * p(bd::kKravoAmount) : 0.0f;
            r.clickAmpEnv.setDecay(p(bd::kClickDecay), 0.0f, easy.synthDecayFactor);
            r.clickPitchEnv.setDecay(p(bd::kClickDecay), 0.0f, easy.pitchEnvSpeedFactor);
            r.clickGain = voices::dbGain(p(bd::kClickVolume), 60.0f, 60.0f);
            r.clickQ = modValue(slot, modulation::voiceDestination(slot, modulation::voicedest::kNoiseQ)) +
                       easy.filterQOffset + 0.1f;
        }
        r.pitchEnv.processLinear();
        r.ampEnv.process();
        if (r.dropModel)
            r.kravoEnv.processLinear();
        if (r.clickOn) {
            r.clickAmpEnv.processCurved();
            r.clickPitchEnv.processCurved();
        }
    }

    r.ampEnv.step();
    if (r.clickOn)
        r.clickAmpEnv.step();
    if (!r.ampEnv.isActive() && (!r.clickOn || !r.clickAmpEnv.isActive())) {
        r.playing = false;
        return;
    }

    const bool pitchUpdate = (r.counter & kPitchMask) == 0;
    if (pitchUpdate) {
        r.pitchEnv.step4();
        const float e = r.pitchEnv.level();
        const float c = r.curveMode ? voices::curvePower(e, r.curveE) : voices::curveRational(e, r.curveK);
        float frequency;
        float kravo = 1.0f;
        if (!r.dropModel) {
            // From 10 * 2000^Start Hz at the attack to 10 * 10^End Hz.
            frequency = 10.0f * std::exp2(r.logSpan * c + r.logEnd);
        } else {
            frequency = r.baseFreq * std::exp2(r.dropOctaves * c);
            kravo = std::exp2(r.kravoOctaves * voices::curveRational(r.kravoEnv.level(), r.kravoCurveK));
        }
        r.phaseInc = voices::phaseIncrement(r.phaseScale * frequency * kravo);
    }
    const float osc = readWaveOsc(r.phase, r.phaseInc, r.wave, r.ampEnv.output());

    float clickLeft = 0.0f;
    float clickRight = 0.0f;
    const float a = r.clickOn ? r.clickAmpEnv.output() : 0.0f;
    if (a > 0.0f) {
        if (pitchUpdate) {
            r.clickPitchEnv.step4();
            const float glide = std::exp2(r.clickDropOctaves * (1.0f - r.clickPitchEnv.output()));
            r.clickPhaseInc = voices::phaseIncrement(r.clickPhaseScale * glide);
            const float frequency = glide * r.clickFilterFreq;
            if (r.stereoClick)
                clickFilter.setParametersStereo(frequency * r.offsetUp, frequency * r.offsetDown, r.clickQ, 1.0f,
                                                1.0f);
            else
                clickFilter.setParameters(frequency, r.clickQ, 1.0f);
        }
        const float tone = readSineOsc(r.clickPhase, r.clickPhaseInc, r.toneMix);
        const float level = r.clickGain * a;
        if (!r.stereoClick) {
            const float noiseA = r.noiseAOn ? randomBipolar() : 0.0f;
            const float noiseB = r.noiseBOn ? readNoise(slot, voice) : 0.0f;
            clickLeft = (clickFilter.process(r.noiseAMix * noiseA + r.noiseBMix * noiseB) + tone) * level;
        } else {
            const float noiseA1 = randomBipolar();
            const float noiseA2 = randomBipolar();
            float noiseB1 = 0.0f;
            float noiseB2 = 0.0f;
            readNoiseStereo(slot, voice, noiseB1, noiseB2);
            float filteredLeft = r.noiseAMix * noiseA1 + r.noiseBMix * noiseB1;
            float filteredRight = r.noiseAMix * noiseA2 + r.noiseBMix * noiseB2;
            clickFilter.processStereo(filteredLeft, filteredRight);
            clickLeft = (filteredLeft + tone) * level;
            clickRight = (filteredRight + tone) * level;
        }
    }

    const float fade = r.nextFade();
    float left;
    float right;
    if (!r.stereoClick) {
        const float y = r.distortion.process(osc + clickLeft);
        left = r.out.left * y * fade;
        right = r.out.right * y * fade;
    } else {
        // Spread 0 gives both sides the sum of the two click channels, 1 swaps them.
        float yLeft = osc + (r.spreadCross * clickLeft + clickRight) * r.spreadNorm;
        float yRight = osc + (clickLeft + r.spreadCross * clickRight) * r.spreadNorm;
        r.distortion.processStereo(yLeft, yRight);
        left = r.out.left * yLeft * fade;
        right = r.out.right * yRight * fade;
    }
    ++r.counter;
    routeVoiceOutput(slot, left, right);
}
