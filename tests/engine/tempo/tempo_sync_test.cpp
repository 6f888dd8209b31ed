#include "engine/tempo/tempo_sync.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using tempo::HostTimeInfo;
using tempo::TempoSync;

constexpr float kSampleRate = 44100.0f;
constexpr std::uint32_t kPlayingWithTempo = HostTimeInfo::kTransportPlaying | HostTimeInfo::kTempoValid;

HostTimeInfo playingAt(double ppq, double bpm = 120.0)
{
    return HostTimeInfo{kPlayingWithTempo, bpm, ppq};
}

TempoSync freshSync()
{
    TempoSync sync;
    sync.init(kSampleRate);
    return sync;
}

TEST(TempoSync, StartsAtOneHundredTwentyBeatsPerMinute)
{
    const TempoSync sync = freshSync();
    EXPECT_EQ(sync.tempo(), 120.0f);
    EXPECT_EQ(sync.samplesPerBar(), 88200.0f);
    EXPECT_FALSE(sync.transportPlaying());
}

TEST(TempoSync, BarOfFourBeatsAtOneHundredTwentyIsEightyEightThousandTwoHundredSamples)
{
    TempoSync sync = freshSync();
    const HostTimeInfo info = playingAt(0.0, 90.0);
    sync.syncToHost(&info, false);
    const HostTimeInfo back = playingAt(0.0, 120.0);
    sync.syncToHost(&back, false);
    EXPECT_EQ(sync.samplesPerBar(), 88200.0f);
}

TEST(TempoSync, HostTempoIsClampedToFiveToSixHundred)
{
    TempoSync sync = freshSync();
    HostTimeInfo info = playingAt(0.0, 2.0);
    sync.syncToHost(&info, false);
    EXPECT_EQ(sync.tempo(), 5.0f);
    EXPECT_EQ(sync.samplesPerBar(), kSampleRate * 240.0f / 5.0f);
    info.tempo = 900.0;
    sync.syncToHost(&info, false);
    EXPECT_EQ(sync.tempo(), 600.0f);
    EXPECT_EQ(sync.samplesPerBar(), 17640.0f);
    info.tempo = 1e300;
    sync.syncToHost(&info, false);
    EXPECT_EQ(sync.tempo(), 600.0f);
}

TEST(TempoSync, TempoWithoutItsValidFlagIsIgnored)
{
    TempoSync sync = freshSync();
    const HostTimeInfo info{HostTimeInfo::kTransportPlaying, 90.0, 0.0};
    sync.syncToHost(&info, false);
    EXPECT_EQ(sync.tempo(), 120.0f);
}

TEST(TempoSync, TempoThatIsNotANumberKeepsTheLastOne)
{
    TempoSync sync = freshSync();
    const HostTimeInfo ninety = playingAt(0.0, 90.0);
    sync.syncToHost(&ninety, false);
    const HostTimeInfo broken = playingAt(0.0, std::numeric_limits<double>::quiet_NaN());
    sync.syncToHost(&broken, false);
    EXPECT_EQ(sync.tempo(), 90.0f);
}

TEST(TempoSync, SampleRateChangeRecomputesTheBar)
{
    TempoSync sync = freshSync();
    sync.setSampleRate(48000.0f);
    EXPECT_EQ(sync.samplesPerBar(), 96000.0f);
    EXPECT_EQ(sync.tempo(), 120.0f);
}

TEST(TempoSync, PositionIsCountedInSixteenths)
{
    TempoSync sync = freshSync();
    const HostTimeInfo info = playingAt(1.1);
    sync.syncToHost(&info, false);
    EXPECT_EQ(sync.hostStep(), 4u);
    EXPECT_FLOAT_EQ(sync.hostPosition(), 4.4f);
    EXPECT_FALSE(sync.onSixteenth());
}

TEST(TempoSync, PositionBeforeTheStartReadsAsZero)
{
    TempoSync sync = freshSync();
    const HostTimeInfo info = playingAt(-0.3);
    sync.syncToHost(&info, false);
    EXPECT_EQ(sync.hostPosition(), 0.0f);
    EXPECT_TRUE(sync.onSixteenth());
}

TEST(TempoSync, UnrepresentablePositionsReadAsTheStart)
{
    TempoSync sync = freshSync();
    for (double ppq : {1e30, -1e30, std::numeric_limits<double>::quiet_NaN()}) {
        const HostTimeInfo info = playingAt(ppq);
        sync.syncToHost(&info, false);
        EXPECT_EQ(sync.hostStep(), 0u) << ppq;
        EXPECT_EQ(sync.hostPosition(), 0.0f) << ppq;
    }
}

TEST(TempoSync, ReportsTransportStartAndStopOnce)
{
    TempoSync sync = freshSync();
    const HostTimeInfo playing = playingAt(0.0);
    const HostTimeInfo stopped{HostTimeInfo::kTempoValid, 120.0, 0.0};

    EXPECT_TRUE(sync.syncToHost(&playing, false).transportStarted);
    const tempo::SyncEvents still = sync.syncToHost(&playing, false);
    EXPECT_FALSE(still.transportStarted);
    EXPECT_FALSE(still.transportStopped);

    const tempo::SyncEvents stop = sync.syncToHost(&stopped, false);
    EXPECT_TRUE(stop.transportStopped);
    EXPECT_FALSE(stop.transportStarted);
    EXPECT_FALSE(sync.syncToHost(&stopped, false).transportStopped);
}

TEST(TempoSync, ForgottenTransportSeesAFreshStart)
{
    TempoSync sync = freshSync();
    const HostTimeInfo playing = playingAt(0.0);
    sync.syncToHost(&playing, false);
    sync.forgetTransport();
    EXPECT_TRUE(sync.syncToHost(&playing, false).transportStarted);
}

TEST(TempoSync, MissingTimeInformationMeansStoppedAtTheStartWithTheLastTempo)
{
    TempoSync sync = freshSync();
    const HostTimeInfo playing = playingAt(3.3, 140.0);
    sync.syncToHost(&playing, false);

    const tempo::SyncEvents events = sync.syncToHost(nullptr, false);
    EXPECT_TRUE(events.transportStopped);
    EXPECT_FALSE(sync.transportPlaying());
    EXPECT_EQ(sync.tempo(), 140.0f);
    EXPECT_EQ(sync.hostStep(), 0u);
    EXPECT_EQ(sync.hostPosition(), 0.0f);
}

TEST(TempoSync, ChangingTheLatchSwitchIsReportedOnce)
{
    TempoSync sync = freshSync();
    const HostTimeInfo info = playingAt(0.0);
    EXPECT_FALSE(sync.syncToHost(&info, false).latchChanged);
    EXPECT_TRUE(sync.syncToHost(&info, true).latchChanged);
    EXPECT_TRUE(sync.latchPatterns());
    EXPECT_FALSE(sync.syncToHost(&info, true).latchChanged);
    EXPECT_TRUE(sync.syncToHost(&info, false).latchChanged);
}

// A pattern started at ppq 1.1 with "Sync" on: it records the host step it
// started on and waits.
struct WaitingPlayer {
    std::uint32_t lastHostStep = 4;
    bool waiting = true;

    void sync(TempoSync& sync, double ppq, bool syncOn = true)
    {
        const HostTimeInfo info = playingAt(ppq);
        sync.syncToHost(&info, false);
        if (waiting)
            waiting = !sync.releasesWaitingPlayer(lastHostStep, syncOn);
    }
};

TEST(TempoSyncWaiting, WaitsForTheNextSixteenth)
{
    TempoSync sync = freshSync();
    WaitingPlayer player;
    for (double ppq = 1.1; ppq < 1.249; ppq += 0.01) {
        player.sync(sync, ppq);
        ASSERT_TRUE(player.waiting) << ppq;
    }
    player.sync(sync, 1.25);
    EXPECT_FALSE(player.waiting);
}

TEST(TempoSyncWaiting, AnyChangeOfTheSixteenthReleases)
{
    TempoSync sync = freshSync();
    WaitingPlayer player;
    player.sync(sync, 1.1);
    ASSERT_TRUE(player.waiting);
    player.sync(sync, 1.6); // jumped past the grid point to sixteenth 6
    EXPECT_FALSE(player.waiting);
}

TEST(TempoSyncWaiting, LandingExactlyOnTheGridReleasesEvenWithoutAStepChange)
{
    TempoSync sync = freshSync();
    WaitingPlayer player;
    player.lastHostStep = 5;
    player.sync(sync, 1.25);
    EXPECT_FALSE(player.waiting);
}

TEST(TempoSyncWaiting, TheWaitingPlayerFollowsTheHostStep)
{
    TempoSync sync = freshSync();
    WaitingPlayer player;
    player.lastHostStep = 0;
    player.sync(sync, 1.1);
    EXPECT_FALSE(player.waiting);
    EXPECT_EQ(player.lastHostStep, 4u);
}

TEST(TempoSyncWaiting, WithSyncOffAPlayerNeverWaits)
{
    TempoSync sync = freshSync();
    WaitingPlayer player;
    player.sync(sync, 1.1, false);
    EXPECT_FALSE(player.waiting);
}

TEST(TempoSyncWaiting, AStoppedHostReleasesWaitingPlayers)
{
    TempoSync sync = freshSync();
    const HostTimeInfo stopped{0, 120.0, 1.1};
    sync.syncToHost(&stopped, false);
    std::uint32_t lastHostStep = 4;
    EXPECT_TRUE(sync.releasesWaitingPlayer(lastHostStep, true));
    EXPECT_EQ(lastHostStep, 4u);
}

} // namespace
