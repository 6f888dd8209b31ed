#include "engine/tempo/tempo_sync.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace {

constexpr double kPpqPerSample = 128.0 / 60.0 / 44100.0;

tempo::HostTimeInfo playingHost()
{
    return {tempo::HostTimeInfo::kTransportPlaying | tempo::HostTimeInfo::kTempoValid, 128.0, 0.0};
}

} // namespace

// One iteration is one sample of the sync step with the host playing and moving.
static void BM_TempoSyncPerSample(benchmark::State& state)
{
    tempo::TempoSync sync;
    sync.init(44100.0f);
    tempo::HostTimeInfo info = playingHost();
    for (auto _ : state) {
        info.ppqPos += kPpqPerSample;
        benchmark::DoNotOptimize(sync.syncToHost(&info, false));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TempoSyncPerSample);

// The worst case: all eight pattern players wait for the grid at once.
static void BM_TempoSyncWithEightWaitingPlayersPerSample(benchmark::State& state)
{
    tempo::TempoSync sync;
    sync.init(44100.0f);
    tempo::HostTimeInfo info = playingHost();
    std::array<std::uint32_t, 8> lastHostStep{};
    for (auto _ : state) {
        info.ppqPos += kPpqPerSample;
        benchmark::DoNotOptimize(sync.syncToHost(&info, false));
        for (std::uint32_t& last : lastHostStep)
            benchmark::DoNotOptimize(sync.releasesWaitingPlayer(last, true));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TempoSyncWithEightWaitingPlayersPerSample);
