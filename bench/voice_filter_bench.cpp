#include "engine/filters/voice_filter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

// Per-sample cost of each voice filter type, stereo, as the renderers run it:
// parameters at control rate (every 4 samples), the kernel per sample.
static void BM_VoiceFilterStereo(benchmark::State& state)
{
    constexpr int kControlPeriod = 4;
    dsp::VoiceFilter filter;
    filter.init(44100.0f);
    filter.setType(static_cast<std::uint32_t>(state.range(0)));
    std::vector<float> input(4096);
    for (std::size_t i = 0; i < input.size(); ++i)
        input[i] = 0.8f * std::sin(0.05f * float(i));
    std::size_t position = 0;
    float cutoff = 200.0f;
    for (auto _ : state) {
        cutoff = cutoff < 8000.0f ? cutoff * 1.001f : 200.0f;
        filter.setParametersStereo(cutoff, cutoff * 1.1f, 0.7f, 1.0f, 1.0f);
        for (int i = 0; i < kControlPeriod; ++i) {
            float left = input[(position + i) & 4095];
            float right = -left;
            filter.processStereo(left, right);
            benchmark::DoNotOptimize(left);
            benchmark::DoNotOptimize(right);
        }
        position += kControlPeriod;
    }
    state.counters["ns/sample"] = benchmark::Counter(double(state.iterations() * kControlPeriod),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_VoiceFilterStereo)->DenseRange(0, 6);

// The same in blocks of 16 samples of one mono voice.
static void BM_VoiceFilterMonoBlock(benchmark::State& state)
{
    constexpr int kBlock = 16;
    dsp::VoiceFilter filter;
    filter.init(44100.0f);
    filter.setType(static_cast<std::uint32_t>(state.range(0)));
    filter.setParameters(1200.0f, 0.7f, 1.0f);
    float block[kBlock];
    for (int i = 0; i < kBlock; ++i)
        block[i] = 0.8f * std::sin(0.05f * float(i));
    for (auto _ : state) {
        filter.process(block, kBlock);
        benchmark::DoNotOptimize(block);
    }
    state.counters["ns/sample"] = benchmark::Counter(double(state.iterations() * kBlock),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_VoiceFilterMonoBlock)->DenseRange(0, 6);
