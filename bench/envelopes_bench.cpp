#include "engine/dsp/ad_envelope.h"
#include "engine/dsp/ahd_envelope.h"
#include "engine/dsp/decay_envelope.h"
#include "engine/dsp/decay_rise_envelope.h"
#include "engine/dsp/hold_decay_envelope.h"

#include <benchmark/benchmark.h>

#include <cstdint>

// One iteration is one sample as a voice runs it: rates and process on the
// first sample of each 16-sample block, a step on every sample. The envelope
// is retriggered when it ends so the measurement stays in the running stages.
template <class Envelope, class Setup, class Process>
static void runEnvelope(benchmark::State& state, Setup setup, Process process)
{
    Envelope env;
    env.init(44100.0f);
    env.trigger();
    std::uint32_t counter = 0;
    for (auto _ : state) {
        if ((counter & 15) == 0) {
            setup(env);
            process(env);
            if (!env.isActive())
                env.trigger();
        }
        env.step();
        benchmark::DoNotOptimize(env.level());
        ++counter;
    }
    state.SetItemsProcessed(state.iterations());
}

static void BM_AdEnvelopePerSample(benchmark::State& state)
{
    runEnvelope<dsp::AdEnvelope>(
        state,
        [](dsp::AdEnvelope& e) {
            e.setAttack(0.2f, 0.0f, 1.0f);
            e.setDecay(0.4f, 0.0f, 1.0f);
        },
        [](dsp::AdEnvelope& e) { e.process(); });
}
BENCHMARK(BM_AdEnvelopePerSample);

static void BM_AhdEnvelopePerSample(benchmark::State& state)
{
    runEnvelope<dsp::AhdEnvelope>(
        state,
        [](dsp::AhdEnvelope& e) {
            e.setAttackCurve(0.3f, 2.0f);
            e.setStages(0.2f, 0.2f, 0.4f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f);
        },
        [](dsp::AhdEnvelope& e) { e.process(); });
}
BENCHMARK(BM_AhdEnvelopePerSample);

static void BM_DecayRiseEnvelopePerSample(benchmark::State& state)
{
    runEnvelope<dsp::DecayRiseEnvelope>(
        state,
        [](dsp::DecayRiseEnvelope& e) {
            e.setDecay(0.4f, 0.0f, 1.0f);
            e.setRise(0.4f, 0.0f, 1.0f);
        },
        [](dsp::DecayRiseEnvelope& e) { e.process(); });
}
BENCHMARK(BM_DecayRiseEnvelopePerSample);

static void BM_DecayEnvelopeCurvedPerSample(benchmark::State& state)
{
    runEnvelope<dsp::DecayEnvelope>(
        state, [](dsp::DecayEnvelope& e) { e.setDecay(0.4f, 0.0f, 1.0f); },
        [](dsp::DecayEnvelope& e) { e.processCurved(); });
}
BENCHMARK(BM_DecayEnvelopeCurvedPerSample);

static void BM_HoldDecayEnvelopePerSample(benchmark::State& state)
{
    runEnvelope<dsp::HoldDecayEnvelope>(
        state,
        [](dsp::HoldDecayEnvelope& e) {
            e.setHold(0.2f, 0.0f, 1.0f);
            e.setDecay(0.4f, 0.0f, 1.0f);
        },
        [](dsp::HoldDecayEnvelope& e) { e.process(); });
}
BENCHMARK(BM_HoldDecayEnvelopePerSample);
