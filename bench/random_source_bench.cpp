#include "engine/dsp/random_source.h"

#include <benchmark/benchmark.h>

// Noise voices draw once per sample.
static void BM_RandomUnitPerDraw(benchmark::State& state)
{
    dsp::seedRandom(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(dsp::randomUnit());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RandomUnitPerDraw);
