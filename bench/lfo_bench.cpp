#include "engine/dsp/lfo.h"

#include <benchmark/benchmark.h>

// One iteration is one sample of a modulation LFO: a shaped output every call.
static void BM_LfoOutputPerSample(benchmark::State& state)
{
    dsp::Lfo lfo;
    lfo.init(44100.0f);
    lfo.setWave(static_cast<float>(state.range(0)) / 5.0f);
    lfo.setHumanize(0.3f);
    lfo.setRate(0.6f, 0.0f, 120.0f, 1.0f);
    for (auto _ : state) {
        lfo.output();
        benchmark::DoNotOptimize(lfo.bipolarOutput());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LfoOutputPerSample)->DenseRange(0, 5);

// The voice LFOs of idle slots only advance their phase.
static void BM_LfoAdvancePerSample(benchmark::State& state)
{
    dsp::Lfo lfo;
    lfo.init(44100.0f);
    lfo.setRate(0.6f, 0.0f, 120.0f, 1.0f);
    for (auto _ : state) {
        lfo.advance();
        benchmark::DoNotOptimize(lfo.phase());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LfoAdvancePerSample);
