#include "engine/effects/effect_types.h"
#include "engine/effects/master_effects.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr float kSampleRate = 44100.0f;

} // namespace

// A slot changing to the type in Arg(0) sets itself up on the audio thread and
// clears the memory that type uses; each call takes the next of the four
// slots, so the memory is as cold as the caches allow. The largest of these
// times is the worst stall a type change can cause.
static void BM_EffectSlotTypeChange(benchmark::State& state)
{
    const auto type = static_cast<std::int32_t>(state.range(0));
    auto effects = std::make_unique<effects::MasterEffects>();
    effects->init(kSampleRate);
    int slot = 0;
    for (auto _ : state) {
        effects->setType(slot, type, kSampleRate);
        benchmark::DoNotOptimize(effects->slot(slot).delayLines.left[0]);
        slot = (slot + 1) % effects::MasterEffects::kSlotCount;
    }
}
BENCHMARK(BM_EffectSlotTypeChange)
    ->Arg(effects::type::kNone)
    ->Arg(effects::type::kStereoDelay)
    ->Arg(effects::type::kCombFilter)
    ->Arg(effects::type::kReverb)
    ->Arg(effects::type::kHqReverb)
    ->Arg(effects::type::kChorusDelay)
    ->Arg(effects::type::kEnsemble)
    ->Unit(benchmark::kMicrosecond);

// The same with the caches emptied before each change (64 MB written in
// between, outside the timing): the stall when the slot's memory has not
// been touched for a while.
static void BM_EffectSlotTypeChangeCold(benchmark::State& state)
{
    constexpr std::size_t kEvictionBytes = 64u << 20;
    const auto type = static_cast<std::int32_t>(state.range(0));
    auto effects = std::make_unique<effects::MasterEffects>();
    effects->init(kSampleRate);
    std::vector<char> eviction(kEvictionBytes);
    char fill = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::fill(eviction.begin(), eviction.end(), ++fill);
        benchmark::ClobberMemory();
        state.ResumeTiming();
        effects->setType(0, type, kSampleRate);
        benchmark::DoNotOptimize(effects->slot(0).delayLines.left[0]);
    }
}
BENCHMARK(BM_EffectSlotTypeChangeCold)
    ->Arg(effects::type::kStereoDelay)
    ->Arg(effects::type::kHqReverb)
    ->Arg(effects::type::kChorusDelay)
    ->Unit(benchmark::kMicrosecond);
