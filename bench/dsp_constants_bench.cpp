#include "engine/dsp/dsp_constants.h"

#include <benchmark/benchmark.h>

#include <cmath>

// The cost every exponential parameter mapping pays: one multiply and one power of two.
static void BM_ExponentialMapping(benchmark::State& state)
{
    float v = 0.37f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(25.0f * std::exp2(v * dsp::kSnBaseFreqRange));
        v = v < 1.0f ? v + 1e-6f : 0.0f;
    }
}
BENCHMARK(BM_ExponentialMapping);
