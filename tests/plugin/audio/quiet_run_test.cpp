#include "plugin/aplugin.h"

#include "platform/clock.h"
#include "plugin/base/plug_event_list.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

// While nothing can sound, the samples between control ticks take a short path. It must sound like the
// full path and leave the engine as the full path leaves it, through runs into and out of silence.
namespace {

using namespace kravo::param;

struct TimedMessage { int frame; std::uint8_t status, d1, d2; };

constexpr int kBlock = 100;
constexpr int kFxSend = 1;
// Pad 0 on the dry output hits, and again after a run of silence; pad 1, sent to the first effect slot,
// wakes it, and it falls asleep again some 14 s later. The mod wheel moves in the middle of quiet runs.
constexpr TimedMessage kMessages[] = {
    {0, 0x99, 0, 100},      {150011, 0xB0, 1, 90},  {200101, 0x99, 0, 127},  {330007, 0x99, 1, 110},
    {340001, 0x89, 1, 0},   {1000003, 0xB0, 1, 10}, {1010005, 0x99, 0, 90}};
constexpr int kFrames = 1130100; // the last block ends inside a quiet run

struct Render {
    std::vector<float> out;
    std::vector<float> globalCells;
    std::vector<float> sourceValues;
    std::vector<float> layerLfoPhases;
    bool quietAtTheEnd = false;
};

// Both global LFOs run fast, so that they start cycles (and draw their random values) within quiet runs:
// the first moves the main pan through the global pass, the second the first pad's pitch.
void runGlobalLfos(APlugin& plugin)
{
    const auto destination = [](int cell) { return (cell + 0.5f) / choicescale::kModDestination; };
    const int first = lfoBase[0];
    const int second = lfoBase[1];
    plugin.setParameter(first + lfo::kDestination, destination(modulation::globaldest::kMainPan));
    plugin.setParameter(second + lfo::kDestination,
                        destination(modulation::voiceDestination(0, modulation::voicedest::kPitch)));
    for (const auto& [index, value] : {std::pair{first + lfo::kAmount, 0.9f}, {first + lfo::kSpeed, 0.8f},
                                       {first + lfo::kHumanize, 0.5f}, {second + lfo::kAmount, 0.7f},
                                       {second + lfo::kSpeed, 0.9f}, {second + lfo::kWave, 0.95f}})
        plugin.setParameter(index, value);
}

// Factory program 0 and its effect slots, with both global LFOs running.
Render render(bool quietRuns)
{
    platform::ManualClock clock(5151); // the same random seed for both runs
    platform::setClock(&clock);
    std::unique_ptr<APlugin> plugin(static_cast<APlugin*>(createEffectInstance(nullptr)));
    platform::setClock(nullptr);
    plugin->setQuietRuns(quietRuns);
    runGlobalLfos(*plugin);
    plugin->setParameter(voiceOutput[0], 0.5f / choicescale::kOutput);
    plugin->setParameter(voiceOutput[1], (kFxSend + 0.5f) / choicescale::kOutput);
    PlugEventList events;
    std::vector<float> left(kBlock), right(kBlock);
    float* outputs[2] = {left.data(), right.data()};
    Render r;
    for (int start = 0; start < kFrames; start += kBlock) {
        events.clear();
        for (const TimedMessage& m : kMessages)
            if (m.frame >= start && m.frame < start + kBlock)
                events.add(m.frame - start, m.status, m.d1, m.d2);
        if (events.count() > 0)
            plugin->processEvents(events.list());
        plugin->processReplacing(nullptr, outputs, kBlock);
        for (int i = 0; i < kBlock; ++i)
            r.out.insert(r.out.end(), {left[static_cast<std::size_t>(i)], right[static_cast<std::size_t>(i)]});
    }
    const Engine& engine = plugin->getEngine();
    const modulation::Modulation& mod = engine.getModulation();
    r.globalCells.assign(mod.globalTable().value, mod.globalTable().value + modulation::kModDestinationCount);
    for (const modulation::ModSourceValue& v : mod.globalSources().values)
        r.sourceValues.insert(r.sourceValues.end(), {v.unipolar, v.bipolar});
    for (int slot = 0; slot < kNumSynthSlots; ++slot)
        r.layerLfoPhases.push_back(engine.getLayerLfo(slot).phase());
    r.quietAtTheEnd = engine.isQuiet();
    EXPECT_TRUE(mod.matrix().lfoRunning(0) && mod.matrix().lfoRunning(1));
    return r;
}

bool sameBits(const std::vector<float>& a, const std::vector<float>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

TEST(QuietRun, SoundsAndLeavesTheEngineAsTheFullPath)
{
    const Render full = render(false);
    const Render quiet = render(true);
    ASSERT_GT(*std::max_element(full.out.begin(), full.out.end()), 0.05f);
    EXPECT_TRUE(quiet.quietAtTheEnd);
    EXPECT_TRUE(sameBits(quiet.out, full.out));
    for (std::size_t i = 0; i < full.out.size(); ++i)
        if (std::memcmp(&quiet.out[i], &full.out[i], sizeof(float)) != 0) {
            ADD_FAILURE() << "first difference at frame " << i / 2;
            break;
        }
    EXPECT_TRUE(sameBits(quiet.globalCells, full.globalCells));
    EXPECT_TRUE(sameBits(quiet.sourceValues, full.sourceValues));
    EXPECT_TRUE(sameBits(quiet.layerLfoPhases, full.layerLfoPhases));
}

} // namespace
