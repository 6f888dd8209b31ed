#include "engine/voices/easy_controls.h"

#include "engine/modulation/mod_destinations.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/mixer_parameters.h"
#include "plugin/parameters/parameter_reading.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace voices {

namespace {

namespace param = kravo::param;
namespace easydest = modulation::easydest;

// -12..+12 semitones and -4..+4 octaves; the scales put value 1.0 on the top entry.
constexpr float kSemitoneScale = 24.99f;
constexpr float kSemitoneRange = 12.0f;
constexpr float kOctaveScale = 8.99f;
constexpr float kOctaveRange = 4.0f;

float signedSquare(float v)
{
    return v * std::fabs(v);
}

// Whole semitones plus whole octaves, in octaves.
float transposeOctaves(const float* p, int semiParam, int octaveParam)
{
    const int semi = static_cast<int>(p[semiParam] * kSemitoneScale - kSemitoneRange);
    const int octave = static_cast<int>(p[octaveParam] * kOctaveScale - kOctaveRange);
    return static_cast<float>(semi) / 12.0f + static_cast<float>(octave);
}

// Five octaves faster at 0, five slower at 1.
float speedFactor(float value)
{
    return std::exp2(5.0f - 10.0f * value);
}

} // namespace

void EasyPowers::update(const float* p)
{
    const float knobs[kKnobs] = {p[param::kEasySynthSemi],        p[param::kEasySynthOctave],
                                 p[param::kEasySampleSemi],       p[param::kEasySampleOctave],
                                 p[param::kEasySynthDecaySpeed],  p[param::kEasySampleDecaySpeed],
                                 p[param::kEasyPitchEnvSpeed],    p[param::kEasyLfoSpeed]};
    if (computed_ && std::equal(std::begin(knobs), std::end(knobs), knobs_))
        return;
    computed_ = true;
    std::copy(std::begin(knobs), std::end(knobs), knobs_);
    synthOctaves = transposeOctaves(p, param::kEasySynthSemi, param::kEasySynthOctave);
    synthPitchFactor = std::exp2(synthOctaves);
    sampleOctaves = transposeOctaves(p, param::kEasySampleSemi, param::kEasySampleOctave);
    samplePitchFactor = std::exp2(sampleOctaves);
    synthDecayFactor = speedFactor(p[param::kEasySynthDecaySpeed]);
    sampleDecayFactor = speedFactor(p[param::kEasySampleDecaySpeed]);
    pitchEnvSpeedFactor = speedFactor(p[param::kEasyPitchEnvSpeed]);
    lfoSpeedFactor = std::exp2(10.0f * p[param::kEasyLfoSpeed] - 5.0f);
}

EasyControls computeEasyControls(const float* p, int slot, const modulation::ModDestinationTable& table,
                                 const EasyPowers& powers)
{
    if (param::isAboveHalf(p[param::voiceEasyBypass[slot]]))
        return EasyControls{};
    const float* value = table.value;
    EasyControls c;
    c.synthPitchOctaves = powers.synthOctaves + value[easydest::kSynthPitch];
    c.synthPitchFactor = powers.synthPitchFactor * table.ratio[easydest::kSynthPitch];
    c.samplePitchOctaves = powers.sampleOctaves + value[easydest::kSamplePitch];
    c.samplePitchFactor = powers.samplePitchFactor * table.ratio[easydest::kSamplePitch];
    c.synthDecayFactor = powers.synthDecayFactor * value[easydest::kSynthDecay];
    c.sampleDecayFactor = powers.sampleDecayFactor * value[easydest::kSampleDecay];
    c.pitchEnvSpeedFactor = powers.pitchEnvSpeedFactor * value[easydest::kPitchEnv];
    c.filterFreqOffset = signedSquare(2.0f * p[param::kEasyFilterFreq] - 1.0f) + signedSquare(value[easydest::kFilterFreq]);
    c.filterQOffset = signedSquare(2.0f * p[param::kEasyFilterQ] - 1.0f) + signedSquare(value[easydest::kFilterQ]);
    c.lfoAmountOffset = signedSquare(2.0f * p[param::kEasyLfoAmount] - 1.0f) + signedSquare(value[easydest::kLfoAmount]);
    c.lfoSpeedFactor = powers.lfoSpeedFactor * value[easydest::kLfoSpeed];
    return c;
}

} // namespace voices
