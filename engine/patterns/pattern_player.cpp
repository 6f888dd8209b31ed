#include "engine/patterns/pattern_player.h"

#include "plugin/parameters/parameter_reading.h"

#include <cmath>

namespace patterns {

namespace param = kravo::param;

namespace {

constexpr float kSemitonesPerOctave = 12.0f;
// A track plays one of the drum pads 0..23, synthesised or sample slot.
constexpr int kTargetPads = 24;

} // namespace

void PatternPlayer::readSettings(const float* values, int pattern)
{
    startStep = static_cast<std::uint32_t>(
        param::readChoiceClamped(values[param::patternStartStep[pattern]], param::choicescale::kPatternStep, kStepCount));
    endStep = static_cast<std::uint32_t>(
        param::readChoiceClamped(values[param::patternEndStep[pattern]], param::choicescale::kPatternStep, kStepCount));
    // Swing lengthens the even steps and shortens the odd ones by the same time.
    const float swing = values[param::patternSwing[pattern]];
    swingFactor[0] = 1.0f + 0.5f * swing;
    swingFactor[1] = swingFactor[0] / (1.0f + swing);
    flamPoint = values[param::patternFlam[pattern]];
    for (int t = 0; t < kTrackCount; ++t) {
        trackPad[t] = trackTargetPad(values, pattern, t);
        armed[t] = 0;
    }
}

void PatternPlayer::readSteps(const float* values, int pattern)
{
    using param::StepAttribute;
    for (int t = 0; t < kTrackCount; ++t)
        for (int s = 0; s < kStepCount; ++s) {
            const auto at = [&](StepAttribute a) { return values[param::stepAttributeIndex(a, pattern, t, s)]; };
            stepOn[t][s] = param::readStepOn(at(StepAttribute::On));
            stepFlam[t][s] = param::readStepFlam(at(StepAttribute::Flam));
            stepPitch[t][s] = static_cast<float>(param::readStepPitch(at(StepAttribute::Pitch))) / kSemitonesPerOctave;
            stepVelocity[t][s] = param::readStepVelocity(at(StepAttribute::Velocity));
            stepPan[t][s] = param::readStepPanShift(at(StepAttribute::Pan));
            stepLength[t][s] = param::readStepLengthFactor(at(StepAttribute::Length));
            stepDelay[t][s] = param::readStepDelay(at(StepAttribute::Delay));
        }
    for (int s = 0; s < kStepCount; ++s)
        sequence[s] = param::readSequencerValue(values[param::sequencerValueIndex(pattern, s)]);
}

void PatternPlayer::advance()
{
    position += stepIncrement * swingFactor[swingPhase];
    if (flamPoint < position && flamState == 0)
        flamState = 1;
    if (position < 1.0f)
        return;
    ++step;
    swingPhase = 1 - swingPhase;
    position -= 1.0f;
    // Past the end step, or past the last step when the end lies behind the
    // step reached (the end below the start, or lowered while playing).
    if (step > endStep || step >= static_cast<std::uint32_t>(kStepCount))
        step = startStep;
    for (std::uint8_t& a : armed)
        a = 1;
}

std::uint32_t trackTargetPad(const float* values, int pattern, int track)
{
    return static_cast<std::uint32_t>(param::readChoiceClamped(
        values[param::trackTargetPadIndex(pattern, track)], param::choicescale::kTrackTargetPad, kTargetPads));
}

float stepsPerTick(float speedValue, float tempo, float sampleRate)
{
    // Steps per beat at "Speed" 1 are four: sixteenth notes.
    constexpr float kSpeeds[] = {0.25f, 1.0f / 3.0f, 0.5f, 2.0f / 3.0f, 1.0f, 1.5f, 2.0f, 3.0f, 4.0f};
    constexpr int kSpeedCount = sizeof kSpeeds / sizeof kSpeeds[0];
    constexpr float kSamplesPerTick = 16.0f;
    constexpr float kSixteenthsPerSecondPerBpm = 4.0f / 60.0f;
    const float speed = kSpeeds[param::readChoiceClamped(speedValue, param::choicescale::kPatternSpeed, kSpeedCount)];
    return kSamplesPerTick * speed * tempo * kSixteenthsPerSecondPerBpm / sampleRate;
}

float humanTempoFactor(float spread, float humanization)
{
    return std::exp2(spread * humanization * humanization);
}

} // namespace patterns
