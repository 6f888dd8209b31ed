#include "engine/filters/fx_filter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

// Per-sample cost of each effect filter type, with the coefficient update every
// 16 samples as the master effects run it. Reported per sample.
static void BM_FxFilter(benchmark::State& state)
{
    constexpr int kBlock = 16;
    dsp::FxFilter filter;
    filter.init(44100.0f);
    filter.setType(static_cast<std::uint32_t>(state.range(0)));
    filter.setResonance(0.6f);
    filter.setDrive(0.3f, 0.0f);
    std::vector<float> input(4096);
    for (std::size_t i = 0; i < input.size(); ++i)
        input[i] = 0.8f * std::sin(0.05f * float(i));
    float block[kBlock];
    std::size_t position = 0;
    float frequency = 0.3f;
    for (auto _ : state) {
        frequency = frequency < 0.9f ? frequency + 0.0001f : 0.3f;
        filter.setFrequency(frequency);
        filter.updateCoefficients(true);
        for (int i = 0; i < kBlock; ++i)
            block[i] = input[(position + i) & 4095];
        position += kBlock;
        filter.process(block, kBlock);
        benchmark::DoNotOptimize(block);
    }
    state.SetItemsProcessed(state.iterations() * kBlock);
    state.counters["ns/sample"] = benchmark::Counter(double(state.iterations() * kBlock),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FxFilter)->DenseRange(0, 14);
