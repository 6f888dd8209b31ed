#include "engine/dsp/one_pole_filter.h"

#include <benchmark/benchmark.h>

// One iteration is one sample; the cutoff is set each sample as owners do,
// which costs only a comparison while it does not change.
static void BM_OnePoleHighPassPerSample(benchmark::State& state)
{
    dsp::OnePoleFilter filter;
    filter.init(44100.0f);
    float x = 0.25f;
    for (auto _ : state) {
        filter.setCutoff(300.0f, 1.0f);
        x = -x;
        benchmark::DoNotOptimize(filter.highPass(x));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OnePoleHighPassPerSample);

static void BM_OnePoleLowPassStereoPerSample(benchmark::State& state)
{
    dsp::OnePoleFilter filter;
    filter.init(44100.0f);
    filter.setCutoff(3000.0f, 1.0f);
    float x = 0.25f;
    for (auto _ : state) {
        x = -x;
        float left = x;
        float right = -x;
        filter.lowPassStereo(left, right);
        benchmark::DoNotOptimize(left);
        benchmark::DoNotOptimize(right);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OnePoleLowPassStereoPerSample);
