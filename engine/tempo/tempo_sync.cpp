#include "engine/tempo/tempo_sync.h"

#include <cmath>

namespace tempo {

namespace {

// Beats per bar times seconds per minute.
constexpr float kBeatSecondsPerBar = 4.0f * 60.0f;

// How close to a whole sixteenth counts as on it.
constexpr float kGridTolerance = 0.001f;

// Step counts are 32-bit; a position beyond them (or NaN) counts as the start.
constexpr double kStepLimit = 2147483648.0;

} // namespace

void TempoSync::init(float sampleRate)
{
    *this = TempoSync{};
    setSampleRate(sampleRate);
}

void TempoSync::setSampleRate(float sampleRate)
{
    sampleRate_ = sampleRate;
    samplesPerBar_ = sampleRate_ * kBeatSecondsPerBar / tempo_;
}

void TempoSync::setTempo(double hostTempo)
{
    // Clamped before narrowing so that no host value is out of float range.
    float bpm = kMinTempo;
    if (hostTempo > kMaxTempo)
        bpm = kMaxTempo;
    else if (hostTempo > kMinTempo)
        bpm = static_cast<float>(hostTempo);
    if (bpm == tempo_)
        return;
    tempo_ = bpm;
    samplesPerBar_ = sampleRate_ * kBeatSecondsPerBar / tempo_;
}

SyncEvents TempoSync::syncToHost(const HostTimeInfo* timeInfo, bool latching)
{
    static constexpr HostTimeInfo kStoppedAtStart{0, 0.0, 0.0};
    const HostTimeInfo& info = timeInfo ? *timeInfo : kStoppedAtStart;
    SyncEvents events;

    // A tempo that is not a number keeps the last one.
    if ((info.flags & HostTimeInfo::kTempoValid) && !std::isnan(info.tempo))
        setTempo(info.tempo);

    events.latchChanged = latching != latchPatterns_;
    latchPatterns_ = latching;

    double sixteenths = info.ppqPos * 4.0;
    if (!(sixteenths > -kStepLimit && sixteenths < kStepLimit))
        sixteenths = 0.0;
    // Truncated toward zero; before the start the step wraps like the host's count.
    hostStep_ = static_cast<std::uint32_t>(static_cast<std::int32_t>(sixteenths));
    hostPosition_ = sixteenths > 0.0 ? static_cast<float>(sixteenths) : 0.0f;

    const bool wasPlaying = transportPlaying_;
    transportPlaying_ = (info.flags & HostTimeInfo::kTransportPlaying) != 0;
    events.transportStopped = wasPlaying && !transportPlaying_;
    events.transportStarted = !wasPlaying && transportPlaying_;
    return events;
}

bool TempoSync::onSixteenth() const
{
    return hostPosition_ - std::floor(hostPosition_) < kGridTolerance;
}

bool TempoSync::releasesWaitingPlayer(std::uint32_t& lastHostStep, bool syncOn) const
{
    // A stopped host has no grid to wait for.
    bool release = true;
    if (transportPlaying_) {
        release = hostStep_ != lastHostStep || onSixteenth();
        lastHostStep = hostStep_;
    }
    return release || !syncOn;
}

} // namespace tempo
