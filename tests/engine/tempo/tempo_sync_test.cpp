#include "engine/tempo/tempo_sync.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <vector>

namespace {

using tempo::HostTimeInfo;
using tempo::TempoSync;

constexpr float kSampleRate = 44100.0f;
constexpr std::uint32_t kPlayingWithTempo = HostTimeInfo::kTransportPlaying | HostTimeInfo::kTempoValid;
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// Syncs to a playing host at ppq and returns the sync's events.
tempo::SyncEvents syncAt(TempoSync& sync, double ppq, bool latching = false)
{
    const HostTimeInfo info{kPlayingWithTempo, 120.0, ppq};
    return sync.syncToHost(&info, latching);
}

TEST(TempoSync, FollowsTheHostTempoWithinFiveToSixHundredSizesTheBarByItAndCountsSixteenths)
{
    TempoSync sync;
    sync.init(kSampleRate);
    EXPECT_TRUE(sync.tempo() == 120.0f && sync.samplesPerBar() == 88200.0f); // four beats of half a second
    const std::tuple<std::uint32_t, double, float> steps[] = {
        {kPlayingWithTempo, 90.0, 90.0f},   {kPlayingWithTempo, 2.0, 5.0f},    {kPlayingWithTempo, 900.0, 600.0f},
        {kPlayingWithTempo, 1e300, 600.0f}, {kPlayingWithTempo, kNan, 600.0f}, // not a number keeps the last
        {HostTimeInfo::kTransportPlaying, 90.0, 600.0f}, {kPlayingWithTempo, 120.0, 120.0f}}; // not flagged valid
    for (const auto& [flags, hostTempo, expected] : steps) {
        const HostTimeInfo info{flags, hostTempo, 0.0};
        sync.syncToHost(&info, false);
        EXPECT_EQ(sync.tempo(), expected) << hostTempo;
        EXPECT_FLOAT_EQ(sync.samplesPerBar(), 4.0f * 60.0f / expected * kSampleRate) << hostTempo;
    }
    sync.setSampleRate(48000.0f);
    EXPECT_EQ(sync.samplesPerBar(), 96000.0f);
    // The position counts sixteenths from the start. Before it the step wraps
    // like the host's count; positions past the step count read as the start.
    const std::tuple<double, std::uint32_t, float, bool> cases[] = {
        {1.1, 4u, 4.4f, false}, {1.25, 5u, 5.0f, true}, {-0.3, std::uint32_t(-1), 0.0f, true},
        {1e30, 0u, 0.0f, true}, {-1e30, 0u, 0.0f, true}, {kNan, 0u, 0.0f, true}};
    for (const auto& [ppq, step, position, onSixteenth] : cases) {
        syncAt(sync, ppq);
        EXPECT_EQ(std::tuple(sync.hostStep(), sync.hostPosition(), sync.onSixteenth()),
                  std::tuple(step, position, onSixteenth)) << ppq;
    }
}

TEST(TempoSync, ReportsTransportStartStopAndLatchChangesOnceAndTakesNoInformationAsStopped)
{
    TempoSync sync;
    sync.init(kSampleRate);
    const HostTimeInfo stopped{HostTimeInfo::kTempoValid, 120.0, 0.0};
    const auto fired = [](const auto& e) { return std::tuple(e.transportStarted, e.transportStopped, e.latchChanged); };
    EXPECT_EQ(fired(syncAt(sync, 0.0)), std::tuple(true, false, false));
    EXPECT_EQ(fired(syncAt(sync, 0.0)), std::tuple(false, false, false));
    EXPECT_EQ(fired(sync.syncToHost(&stopped, false)), std::tuple(false, true, false));
    EXPECT_FALSE(sync.syncToHost(&stopped, false).transportStopped);
    // A forgotten transport sees a fresh start.
    syncAt(sync, 0.0);
    sync.forgetTransport();
    EXPECT_TRUE(syncAt(sync, 0.0).transportStarted);
    EXPECT_TRUE(syncAt(sync, 0.0, true).latchChanged && sync.latchPatterns());
    EXPECT_FALSE(syncAt(sync, 0.0, true).latchChanged);
    EXPECT_TRUE(syncAt(sync, 0.0, false).latchChanged);
    // Missing time information means stopped at the start, with the last tempo.
    const HostTimeInfo playing{kPlayingWithTempo, 140.0, 3.3};
    sync.syncToHost(&playing, false);
    EXPECT_TRUE(sync.syncToHost(nullptr, false).transportStopped);
    EXPECT_TRUE(!sync.transportPlaying() && sync.hostStep() == 0u && sync.hostPosition() == 0.0f);
    EXPECT_EQ(sync.tempo(), 140.0f);
}

TEST(TempoSyncWaiting, APlayerIsReleasedOnlyOnTheFirstSyncOffTheSixteenthItSaw)
{
    // The player is released at the last position of each case and not before: at the next grid point, past it,
    // exactly on the grid without a step change, once the host moved on since the player's record, and at once
    // with "Sync" off.
    const std::tuple<std::uint32_t, std::vector<double>, bool> cases[] = {{4, {1.1, 1.15, 1.2, 1.24, 1.25}, true},
        {4, {1.1, 1.6}, true}, {5, {1.25}, true}, {0, {1.1}, true}, {4, {1.1}, false}};
    TempoSync sync;
    for (const auto& [startStep, positions, syncOn] : cases) {
        sync.init(kSampleRate);
        std::uint32_t lastHostStep = startStep;
        for (std::size_t i = 0; i < positions.size(); ++i) {
            syncAt(sync, positions[i]);
            EXPECT_EQ(sync.releasesWaitingPlayer(lastHostStep, syncOn), i + 1 == positions.size())
                << "from step " << startStep << " at " << positions[i];
        }
        EXPECT_EQ(lastHostStep, sync.hostStep());
    }
    // A stopped host has no grid to wait for, and leaves the player's record alone.
    const HostTimeInfo stopped{0, 120.0, 1.1};
    sync.syncToHost(&stopped, false);
    std::uint32_t lastHostStep = 4;
    EXPECT_TRUE(sync.releasesWaitingPlayer(lastHostStep, true) && lastHostStep == 4u);
}

} // namespace
