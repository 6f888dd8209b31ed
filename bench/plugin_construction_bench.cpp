#include "plugin/aplugin.h"

#include <benchmark/benchmark.h>

#include <memory>

// Construction runs on the host's main thread while it loads a project.
static void BM_PluginConstruction(benchmark::State& state)
{
    for (auto _ : state) {
        std::unique_ptr<AudioPlugin> plugin(createEffectInstance(nullptr));
        benchmark::DoNotOptimize(plugin.get());
    }
    state.counters["object_MB"] = static_cast<double>(sizeof(APlugin)) / 1e6;
}
BENCHMARK(BM_PluginConstruction)->Unit(benchmark::kMillisecond);
