#include "bench/note_schedule.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "tests/support/sample_files.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kBlock = 512;
constexpr double kSampleRate = 44100.0;
constexpr double kTempo = 120.0;
constexpr std::uint8_t kKick1 = 36;
constexpr std::uint8_t kKick2 = 35;
constexpr std::uint8_t kSnare1 = 38;
constexpr std::uint8_t kSnare2 = 40;
// Notes from here on play pads 0.. in order (the full-kit case).
constexpr std::uint8_t kFirstPadNote = 72;

// Renders the pattern through the plug-in boundary; "realtime_factor" is
// seconds of audio per second of CPU time.
void renderPattern(benchmark::State& state, const std::vector<NoteSchedule::Hit>& loop,
                   const std::function<void(APlugin&)>& prepare = nullptr)
{
    std::unique_ptr<APlugin> plugin(static_cast<APlugin*>(createEffectInstance(nullptr)));
    plugin->setSampleRate(static_cast<float>(kSampleRate));
    if (prepare)
        prepare(*plugin);
    for (std::uint8_t note : {kKick1, kKick2, kSnare1, kSnare2})
        plugin->getNoteMap().set(note, note == kKick1 ? 0 : note == kKick2 ? 1 : note == kSnare1 ? 2 : 3);
    for (std::uint8_t pad = 0; pad < 16; ++pad)
        plugin->getNoteMap().set(kFirstPadNote + pad, pad);
    NoteSchedule schedule(loop, 4.0, kTempo, kSampleRate, kBlock);
    std::vector<float> left(kBlock);
    std::vector<float> right(kBlock);
    float* outputs[2] = {left.data(), right.data()};
    std::size_t block = 0;
    for (auto _ : state) {
        plugin->processEvents(schedule.block(block++));
        plugin->processReplacing(nullptr, outputs, kBlock);
        benchmark::DoNotOptimize(left.data());
    }
    state.counters["realtime_factor"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kBlock / kSampleRate, benchmark::Counter::kIsRate);
}

} // namespace

static void BM_BassDrumEveryBeat(benchmark::State& state)
{
    renderPattern(state, {{0.0, kKick1}, {1.0, kKick1}, {2.0, kKick1}, {3.0, kKick1}});
}
BENCHMARK(BM_BassDrumEveryBeat)->Unit(benchmark::kMicrosecond);

// All four bass drum and snare slots on every sixteenth: both voices of every
// slot overlap, one fading while the next note starts.
static void BM_FourDrumSlotsEverySixteenth(benchmark::State& state)
{
    std::vector<NoteSchedule::Hit> loop;
    for (int step = 0; step < 16; ++step)
        for (std::uint8_t note : {kKick1, kKick2, kSnare1, kSnare2})
            loop.push_back({step * 0.25, note});
    renderPattern(state, loop);
}
BENCHMARK(BM_FourDrumSlotsEverySixteenth)->Unit(benchmark::kMicrosecond);

// Every synthesised slot (0..15) retriggered on every sixteenth: the full kit.
static void BM_FullKitEverySixteenth(benchmark::State& state)
{
    std::vector<NoteSchedule::Hit> loop;
    for (int step = 0; step < 16; ++step)
        for (std::uint8_t pad = 0; pad < 16; ++pad)
            loop.push_back({step * 0.25, static_cast<std::uint8_t>(kFirstPadNote + pad)});
    renderPattern(state, loop);
}
BENCHMARK(BM_FullKitEverySixteenth)->Unit(benchmark::kMicrosecond);

// The full kit, its slots sent in turn to the four master effect slots,
// which run the types in Args half wet, every effect parameter at its middle.
static void BM_FullKitThroughFourEffects(benchmark::State& state)
{
    std::vector<NoteSchedule::Hit> loop;
    for (int step = 0; step < 16; ++step)
        for (std::uint8_t pad = 0; pad < 16; ++pad)
            loop.push_back({step * 0.25, static_cast<std::uint8_t>(kFirstPadNote + pad)});
    std::array<float, kravo::param::kEffectSlotCount> typeValues{};
    for (int fx = 0; fx < kravo::param::kEffectSlotCount; ++fx)
        typeValues[fx] = (static_cast<float>(state.range(fx)) + 0.5f) / 49.99f;
    renderPattern(state, loop, [typeValues](APlugin& plugin) {
        for (int slot = 0; slot < 16; ++slot)
            plugin.setParameter(kravo::param::voiceOutput[slot], (1.5f + static_cast<float>(slot % 4)) / 24.99f);
        for (int fx = 0; fx < kravo::param::kEffectSlotCount; ++fx) {
            plugin.setParameter(kravo::param::effectType[fx], typeValues[fx]);
            plugin.setParameter(kravo::param::effectSlotMix[fx], 0.5f);
            for (int k = 0; k < kravo::param::kEffectParameterCount; ++k)
                plugin.setParameter(kravo::param::effectParameterIndex(fx, k), 0.5f);
        }
    });
}
// Four "HQ Reverb"s; then "Amp Sim", "Cabinet", "Ensemble" and "Compressor", the heaviest of the rest.
BENCHMARK(BM_FullKitThroughFourEffects)->Args({5, 5, 5, 5})->Args({13, 24, 23, 21})->Unit(benchmark::kMicrosecond);

// All eight sample slots on every sixteenth, each mixing two layers of a
// one-second stereo sample at 48 kHz through a low-pass filter its LFO moves:
// the heaviest way to play them.
static void BM_EightSampleSlotsEverySixteenth(benchmark::State& state)
{
    namespace param = kravo::param;
    constexpr std::uint8_t kFirstSampleNote = 16;
    std::vector<NoteSchedule::Hit> loop;
    for (int step = 0; step < 16; ++step)
        for (std::uint8_t s = 0; s < param::kSampleSlotCount; ++s)
            loop.push_back({step * 0.25, static_cast<std::uint8_t>(kFirstSampleNote + s)});
    std::vector<std::int16_t> frames;
    for (int i = 0; i < 2 * 48000; ++i)
        frames.push_back(static_cast<std::int16_t>(12000.0 * std::sin(0.01 * i)));
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "kravo-bench-sample.wav";
    kravo::test::writeFile(path.string(), kravo::test::wavBytes(frames, 2, 48000));
    renderPattern(state, loop, [&path](APlugin& plugin) {
        for (int s = 0; s < param::kSampleSlotCount; ++s) {
            plugin.setParameter(param::sampleSlotLayerMode[s], 4.5f / 9.99f);
            for (const param::SampleLayer layer : {param::kLayerA, param::kLayerB}) {
                auto buffer = std::make_unique<SampleBuffer>();
                buffer->reset();
                if (!buffer->setPath(path.string().c_str()) || !buffer->readWavFile())
                    return;
                plugin.getLayerSamples().replace(layer + 2 * s, std::move(buffer));
                const param::SampleLayerLayout& at = param::sampleLayerLayouts[layer];
                plugin.setParameter(at.on + s, 1.0f);
                plugin.setParameter(at.volume + s, 1.0f);
                plugin.setParameter(at.filterLfoAmount + s, 0.5f);
                plugin.setParameter(param::soundBlockIndex(layer, param::soundblock::kFilterType, s), 1.5f / 6.99f);
            }
        }
    });
    std::filesystem::remove(path);
}
BENCHMARK(BM_EightSampleSlotsEverySixteenth)->Unit(benchmark::kMicrosecond);
