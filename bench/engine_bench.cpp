#include "engine/engine.h"

#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_index_table.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

// The host builds instances on its main thread: constructing an engine and
// building its tables (the 2^21-value pink noise table above all) must stay
// far below 200 ms.
static void BM_EngineConstructAndInit(benchmark::State& state)
{
    std::vector<float> params(kravo::param::kParameterCount, 0.0f);
    for (auto _ : state) {
        auto engine = std::make_unique<Engine>();
        engine->attach(params.data(), nullptr);
        engine->initEngine();
        benchmark::DoNotOptimize(engine->getNoiseTable().left[12345]);
    }
}
BENCHMARK(BM_EngineConstructAndInit)->Unit(benchmark::kMillisecond);

// One iteration is one sample of the modulation work with all 20 rows in use:
// the global pass every sample, one slot pass every 16, a decode every 64.
static void BM_ModulationPerSample(benchmark::State& state)
{
    namespace param = kravo::param;
    std::vector<float> params(param::kParameterCount, 0.5f);
    for (int n = 0; n < param::kModRowCount; ++n) {
        params[param::modRowSource[n]] = (23.5f + static_cast<float>(n % 4)) / 199.99f;
        params[param::modRowDestination[n]] = (26.5f + static_cast<float>(n)) / 699.99f;
    }
    auto engine = std::make_unique<Engine>();
    engine->attach(params.data(), nullptr);
    engine->initEngine();
    std::uint32_t counter = 1;
    for (auto _ : state) {
        engine->setSampleCounter(counter);
        if ((counter & 0x3F) == 0)
            engine->decodeModulationMatrix();
        engine->updateGlobalModulators();
        if ((counter & 0xF) == 0) {
            engine->updateEasyControls(0);
            engine->updateSlotModulators(0);
        }
        ++counter;
    }
    benchmark::DoNotOptimize(engine->getModulation().slotTable(0).value[26]);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ModulationPerSample);
