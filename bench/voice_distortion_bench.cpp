#include "engine/distortion/voice_distortion.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

struct Tables {
    std::vector<float> sine = std::vector<float>(65536);
    std::vector<float> cosine = std::vector<float>(65536);
    Tables()
    {
        for (int i = 0; i < 65536; ++i) {
            sine[i] = std::sin(6.283185f * float(i) / 65536.0f);
            cosine[i] = std::cos(6.283185f * float(i) / 65536.0f);
        }
    }
};

} // namespace

// Per-sample cost of each distortion kind, stereo, one sample at a time as a
// renderer calls it, with the constants prepared every 16 samples.
static void BM_VoiceDistortionStereo(benchmark::State& state)
{
    constexpr int kControlPeriod = 16;
    static const Tables tables;
    dsp::VoiceDistortion stage;
    stage.init(44100.0f, tables.sine.data(), tables.cosine.data());
    stage.start(static_cast<std::uint32_t>(state.range(0)));
    std::vector<float> input(4096);
    for (std::size_t i = 0; i < input.size(); ++i)
        input[i] = 0.9f * std::sin(0.05f * float(i));
    std::size_t position = 0;
    float amount = 0.2f;
    for (auto _ : state) {
        amount = amount < 0.8f ? amount + 0.001f : 0.2f;
        stage.prepare(amount, 0.7f);
        for (int i = 0; i < kControlPeriod; ++i) {
            float left = input[(position + i) & 4095];
            float right = -left;
            stage.processStereo(left, right);
            benchmark::DoNotOptimize(left);
            benchmark::DoNotOptimize(right);
        }
        position += kControlPeriod;
    }
    state.counters["ns/sample"] = benchmark::Counter(double(state.iterations() * kControlPeriod),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_VoiceDistortionStereo)->DenseRange(0, 19);

// The block form on one mono voice, 16 samples per call.
static void BM_VoiceDistortionMonoBlock(benchmark::State& state)
{
    constexpr int kBlock = 16;
    static const Tables tables;
    dsp::VoiceDistortion stage;
    stage.init(44100.0f, tables.sine.data(), tables.cosine.data());
    stage.start(static_cast<std::uint32_t>(state.range(0)));
    stage.prepare(0.5f, 0.7f);
    float block[kBlock];
    for (int i = 0; i < kBlock; ++i)
        block[i] = 0.9f * std::sin(0.4f * float(i));
    for (auto _ : state) {
        stage.process(block, kBlock);
        benchmark::DoNotOptimize(block);
    }
    state.counters["ns/sample"] = benchmark::Counter(double(state.iterations() * kBlock),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_VoiceDistortionMonoBlock)->DenseRange(0, 19);
