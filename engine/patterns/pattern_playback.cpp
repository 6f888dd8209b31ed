#include "engine/engine.h"

#include "engine/dsp/random_source.h"
#include "plugin/parameters/parameter_reading.h"

#include <algorithm>
#include <bit>

// The engine's side of the pattern players: starting and stopping them, the
// tick that plays their steps, the host grid they wait for, and the pattern
// lock, which lets them play a frozen copy of the parameters.

namespace param = kravo::param;

namespace {

constexpr std::int32_t kFirstPatternPad = 24;
constexpr std::uint32_t kTickMask = 0xF;
constexpr std::uint32_t kRereadMask = 0xFF;
constexpr float kLargestVelocity = 127.0f;

// A fresh 2r - 1, r uniform in 0..1, for the humanised tempo.
float randomSpread() { return 2.0f * dsp::randomUnit() - 1.0f; }

} // namespace

void Engine::startPattern(int pattern)
{
    const float* values = patternValues();
    // The transport and position first, so that a stop the host reports now
    // turns the voices off before this pattern starts rather than after.
    syncToHost();
    patterns::PatternPlayer& p = patternPlayers[pattern];
    lastStartedPattern = static_cast<std::uint32_t>(pattern);
    p.running = 1;
    runningPatterns |= 1u << pattern;
    p.restart = 1;
    // A synced start waits for the next sixteenth of a playing host, unless it is on one now.
    p.waiting = param::isSwitchOn(values[param::kPatternSync]) && tempoSync.transportPlaying() &&
                !tempoSync.onSixteenth();
    waitingPatterns = (waitingPatterns & ~(1u << pattern)) | (std::uint32_t{p.waiting} << pattern);
    p.lastHostStep = tempoSync.hostStep();
    p.position = 0.0f;
    p.step = 0;
    p.swingPhase = 0;
    p.tickCounter = 0;
    p.flamState = 0;
    p.readSettings(values, pattern);
    p.readSteps(values, pattern);
    p.humanFactor = patterns::humanTempoFactor(0.5f * randomSpread(), values[param::patternHumanization[pattern]]);
    shownPatternSteps[pattern].store(0, std::memory_order_relaxed);
}

void Engine::stopPattern(int pattern)
{
    releasePad(kFirstPatternPad + pattern, 0);
    patternPlayers[pattern].position = 0.0f;
    patternPlayers[pattern].step = 0;
    shownPatternSteps[pattern].store(0, std::memory_order_relaxed);
}

void Engine::releasePattern(int pattern)
{
    if (tempoSync.latchPatterns())
        return;
    patterns::PatternPlayer& p = patternPlayers[pattern];
    p.running = 0;
    runningPatterns &= ~(1u << pattern);
    // Looping samples the pattern started would otherwise play on.
    for (std::uint32_t pad : p.trackPad)
        if (pad >= static_cast<std::uint32_t>(kNumSynthSlots))
            releasePad(static_cast<std::int32_t>(pad), 0);
}

void Engine::haltPatternPlayers(bool waitForGrid)
{
    for (patterns::PatternPlayer& p : patternPlayers) {
        p.running = 0;
        if (waitForGrid)
            p.waiting = 1;
    }
    runningPatterns = 0;
    if (waitForGrid)
        waitingPatterns = (1u << kNumPatterns) - 1;
}

void Engine::releaseWaitingPatternPlayers()
{
    const bool syncOn = param::isSwitchOn(params[param::kPatternSync]);
    forEachSlot(waitingPatterns, [&](int pattern) {
        patterns::PatternPlayer& p = patternPlayers[pattern];
        if (tempoSync.releasesWaitingPlayer(p.lastHostStep, syncOn)) {
            p.waiting = 0;
            waitingPatterns &= ~(1u << pattern);
        }
    });
}

void Engine::tickPatternPlayers()
{
    // A player's step may start or stop another: the set is read again after each tick, as a scan of the flags would.
    std::uint32_t pending = runningPatterns;
    while (pending != 0) {
        const int pattern = std::countr_zero(pending);
        tickPatternPlayer(pattern);
        pending = runningPatterns & (~std::uint32_t{1} << pattern);
    }
}

void Engine::tickPatternPlayer(int pattern)
{
    patterns::PatternPlayer& p = patternPlayers[pattern];
    if (p.waiting)
        return;
    if ((p.tickCounter & kTickMask) != 0) {
        ++p.tickCounter;
        return;
    }
    const float* values = patternValues();
    if ((p.tickCounter & kRereadMask) == 0)
        p.readSteps(values, pattern);
    p.stepIncrement =
        p.humanFactor * patterns::stepsPerTick(values[param::patternSpeed[pattern]], tempo, sampleRate);

    if (p.restart) {
        p.position = 0.0f;
        p.restart = 0;
        p.step = 0;
        p.swingPhase = 0;
        for (int t = 0; t < patterns::kTrackCount; ++t)
            patternRestarted[patterns::trackTargetPad(values, pattern, t)] = 1;
        p.smoothedValue = p.sequence[0];
        std::fill(std::begin(p.armed), std::end(p.armed), std::uint8_t{1});
    } else {
        p.advance();
    }
    shownPatternSteps[pattern].store(p.step, std::memory_order_relaxed);
    playPatternStep(pattern, values);

    const float stepped = std::clamp(p.sequence[p.step], -1.0f, 1.0f);
    setModSource(modulation::source::kGrooveStepped + static_cast<std::int32_t>(lastStartedPattern), stepped);
    constexpr float kKeep = 0.99f;
    p.smoothedValue = kKeep * p.smoothedValue + (1.0f - kKeep) * p.sequence[p.step] + 1e-15f;
    setModSource(modulation::source::kGrooveSmoothed + static_cast<std::int32_t>(lastStartedPattern),
                 std::clamp(p.smoothedValue, -1.0f, 1.0f));
    ++p.tickCounter;
}

// Each armed track fires once its step's delay is reached; a due flam then
// repeats the flam steps.
void Engine::playPatternStep(int pattern, const float* values)
{
    patterns::PatternPlayer& p = patternPlayers[pattern];
    const float humanization = values[param::patternHumanization[pattern]];
    const std::uint32_t s = p.step;
    for (int t = 0; t < patterns::kTrackCount; ++t) {
        if (p.armed[t] && p.stepDelay[t][s] <= p.position) {
            p.armed[t] = 0;
            p.flamState = 0;
            if (p.stepOn[t][s] && !isTrackMuted(values, pattern, t))
                triggerPad(static_cast<std::int32_t>(patterns::trackTargetPad(values, pattern, t)),
                           static_cast<std::int32_t>(std::min(p.stepVelocity[t][s], kLargestVelocity)),
                           p.stepPitch[t][s], p.stepPan[t][s], p.stepLength[t][s]);
        }
        p.humanFactor = patterns::humanTempoFactor(randomSpread(), humanization);
    }
    if (p.flamState != 1)
        return;
    p.flamState = 2;
    for (int t = 0; t < patterns::kTrackCount; ++t)
        if (p.stepFlam[t][s] && p.stepOn[t][s] && !isTrackMuted(values, pattern, t))
            triggerPad(static_cast<std::int32_t>(p.trackPad[t]),
                       static_cast<std::int32_t>(std::min(p.stepVelocity[t][s], kLargestVelocity)),
                       p.stepPitch[t][s], p.stepPan[t][s], p.stepLength[t][s]);
}

bool Engine::isTrackMuted(const float* values, int pattern, int track)
{
    return param::isSwitchOn(values[param::trackMuteIndex(pattern, track)]);
}
