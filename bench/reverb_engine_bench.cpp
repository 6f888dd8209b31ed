#include "engine/effects/reverb_engine.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

// Eight engines side by side, as four "HQ Reverb" slots run them, each taking every sample of a noise
// input in turn: the cost per output sample of the whole set, caches shared as in the plug-in.
static void BM_EightReverbEngines(benchmark::State& state)
{
    constexpr int kEngines = 8;
    constexpr int kFrames = 4096;
    auto engines = std::make_unique<effects::ReverbEngine[]>(kEngines);
    for (int e = 0; e < kEngines; ++e) {
        engines[e].init();
        engines[e].setSampleRate(44100.0f);
        engines[e].setRoomSize(0.8f);
        engines[e].setDamping(0.4f);
        engines[e].setLengthFactors(1.0f, 1.001f);
        engines[e].setLengthScale(1.0f + 0.1f * static_cast<float>(e % 2));
        engines[e].setPreDelay(7);
    }
    std::uint32_t seed = 1;
    float sum = 0.0f;
    for (auto _ : state) {
        for (int i = 0; i < kFrames; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const float x = static_cast<float>(static_cast<std::int32_t>(seed)) * 4.6566e-10f;
            for (int e = 0; e < kEngines; ++e) {
                float l = 0.0f;
                float r = 0.0f;
                engines[e].process(x, -x, l, r);
                sum += l + r;
            }
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * kFrames);
}
BENCHMARK(BM_EightReverbEngines)->Unit(benchmark::kMicrosecond);
