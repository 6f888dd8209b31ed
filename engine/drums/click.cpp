#include "engine/drums/click.h"

#include "engine/drums/pitch_curve.h"
#include "engine/voices/voice_curves.h"

namespace drums {

namespace {

// The click's decay curve, exponent 2^(3 - 6 x 0.4) = 2^0.6.
constexpr float kCurve = 0.4f;
constexpr float kCurveRange = 3.0f;
constexpr float kAudibleMix = 0.001f;
// "Click Volume" spans -60 dB .. 0 dB.
constexpr float kVolumeRangeDb = 60.0f;
// The filter's resonance never reaches zero.
constexpr float kLowestQ = 0.1f;

} // namespace

void Click::setup(float sampleRate, float timeScaleMs)
{
    *this = Click{};
    for (dsp::DecayEnvelope* envelope : {&ampEnv_, &pitchEnv_}) {
        envelope->init(sampleRate);
        envelope->setTimeScale(timeScaleMs);
        envelope->setCurve(kCurve, kCurveRange);
    }
}

void Click::start(bool on, float mix, float offset, float spread, float dropOctaves)
{
    ampEnv_.trigger();
    pitchEnv_.trigger();
    on_ = on;
    dropOctaves_ = dropOctaves;
    if (on)
        channel_.start(offset, spread);
    if (mix < 0.5f) {
        toneMix_ = 1.0f - 2.0f * mix;
        noiseAMix_ = 2.0f * mix;
        noiseBMix_ = 0.0f;
    } else {
        toneMix_ = 0.0f;
        noiseAMix_ = 2.0f - 2.0f * mix;
        noiseBMix_ = 2.0f * mix - 1.0f;
    }
    noiseAOn_ = noiseAMix_ > kAudibleMix;
    noiseBOn_ = noiseBMix_ > kAudibleMix;
}

void Click::setTimes(float decay, float decayGain, float decayFactor, float pitchSpeedFactor, float volume, float q)
{
    ampEnv_.setGain(decayGain);
    pitchEnv_.setGain(decayGain);
    ampEnv_.setDecay(decay, 0.0f, decayFactor);
    pitchEnv_.setDecay(decay, 0.0f, pitchSpeedFactor);
    gain_ = voices::dbGain(volume, kVolumeRangeDb, kVolumeRangeDb);
    q_ = q + kLowestQ;
}

void Click::render(const voices::VoiceContext& c, dsp::VoiceFilter& filter, bool pitchTick, float& left, float& right)
{
    const float a = on_ ? ampEnv_.output() : 0.0f;
    if (!(a > 0.0f))
        return;
    if (pitchTick) {
        pitchEnv_.step4();
        const float glide = glideFactor(dropOctaves_, pitchEnv_.output());
        phaseInc_ = voices::phaseIncrement(phaseScale_ * glide);
        channel_.tune(filter, glide * filterFrequency_, q_, 1.0f);
    }
    const float tone = c.readSine(phase_, phaseInc_, toneMix_);
    const float level = gain_ * a;
    if (!channel_.stereo) {
        const float noiseA = noiseAOn_ ? c.randomBipolar() : 0.0f;
        const float noiseB = noiseBOn_ ? c.readNoise() : 0.0f;
        left = (filter.process(noiseAMix_ * noiseA + noiseBMix_ * noiseB) + tone) * level;
        return;
    }
    const float noiseA1 = c.randomBipolar();
    const float noiseA2 = c.randomBipolar();
    float noiseB1 = 0.0f;
    float noiseB2 = 0.0f;
    c.readNoiseStereo(noiseB1, noiseB2);
    float filteredLeft = noiseAMix_ * noiseA1 + noiseBMix_ * noiseB1;
    float filteredRight = noiseAMix_ * noiseA2 + noiseBMix_ * noiseB2;
    filter.processStereo(filteredLeft, filteredRight);
    left = (filteredLeft + tone) * level;
    right = (filteredRight + tone) * level;
}

} // namespace drums
