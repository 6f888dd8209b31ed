#include "plugin/aplugin.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kBlock = 512;
constexpr double kSampleRate = 44100.0;

// One block's events of a dense sixteenth-note groove: a few notes every block.
struct GrooveBlock {
    GrooveBlock()
    {
        const std::uint8_t notes[] = {36, 38, 42, 46};
        for (int i = 0; i < 4; ++i) {
            PlugMidiEvent& e = records[i];
            e = {};
            e.type = kPlugEventTypeMidi;
            e.byteSize = sizeof(PlugMidiEvent);
            e.deltaFrames = i * 120;
            e.midiData[0] = 0x99;
            e.midiData[1] = notes[i];
            e.midiData[2] = 100;
        }
        auto* list = reinterpret_cast<PlugEvents*>(memory);
        list->numEvents = 4;
        PlugEvent** pointers = list->events;
        for (int i = 0; i < 4; ++i)
            pointers[i] = reinterpret_cast<PlugEvent*>(&records[i]);
    }
    PlugEvents* list() { return reinterpret_cast<PlugEvents*>(memory); }

    PlugMidiEvent records[4];
    alignas(PlugEvents) unsigned char memory[sizeof(PlugEvents) + 4 * sizeof(PlugEvent*)];
};

} // namespace

// The whole audio path, events included; "realtime_factor" is seconds of audio rendered per second.
static void BM_PluginRenderBlock(benchmark::State& state)
{
    std::unique_ptr<APlugin> plugin(static_cast<APlugin*>(createEffectInstance(nullptr)));
    plugin->setSampleRate(static_cast<float>(kSampleRate));
    for (int note : {36, 38, 42, 46})
        plugin->getNoteMap().set(note, note - 36);
    GrooveBlock groove;
    std::vector<float> left(kBlock);
    std::vector<float> right(kBlock);
    float* outputs[2] = {left.data(), right.data()};
    for (auto _ : state) {
        plugin->processEvents(groove.list());
        plugin->processReplacing(nullptr, outputs, kBlock);
        benchmark::DoNotOptimize(left.data());
    }
    state.SetItemsProcessed(state.iterations() * kBlock);
    state.counters["realtime_factor"] =
        benchmark::Counter(static_cast<double>(kBlock) / kSampleRate, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PluginRenderBlock);

// Construction runs on the host's main thread while it loads a project.
static void BM_PluginConstruction(benchmark::State& state)
{
    for (auto _ : state) {
        std::unique_ptr<AudioPlugin> plugin(createEffectInstance(nullptr));
        benchmark::DoNotOptimize(plugin.get());
    }
}
BENCHMARK(BM_PluginConstruction)->Unit(benchmark::kMillisecond);
