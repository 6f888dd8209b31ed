#include "plugin/aplugin.h"

#include "platform/clock.h"
#include "platform/windows_paths.h"
#include "plugin/base/plug_event_list.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/pattern_parameters.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "tests/support/sample_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

using namespace kravo::param;

struct TimedMessage { int frame; std::uint8_t status, d1, d2; };

// Notes 0..15 play the sixteen synthesised pads, 16 the first sample slot and 24 the first pattern.
// Every pad sounds once at an odd frame, with notes on the same frame and close together.
constexpr TimedMessage kGroove[] = {
    {0, 0x99, 0, 100},      {1, 0x99, 1, 90},       {1, 0x99, 24, 100},    {777, 0x99, 2, 127},
    {1500, 0x99, 16, 120},  {2001, 0x99, 3, 110},   {4095, 0x99, 4, 64},   {4096, 0x99, 5, 64},
    {4096, 0x89, 0, 0},     {6000, 0x99, 6, 100},   {7777, 0x99, 7, 100},  {9001, 0x99, 8, 120},
    {11025, 0x99, 9, 100},  {13000, 0x99, 10, 90},  {15003, 0x99, 11, 80}, {17000, 0x99, 12, 127},
    {19999, 0x99, 13, 100}, {22050, 0x99, 14, 127}, {22050, 0x99, 15, 30}, {22051, 0xB0, 1, 100},
    {30001, 0x99, 16, 110}, {30500, 0x99, 2, 110},  {40000, 0x99, 0, 80}};
constexpr int kFrames = 48000;
// Every other message comes with the block holding the frame this many frames earlier: its offset can lie beyond it.
constexpr int kEarlyDelivery = 300;

// Four busy master effects: a stereo delay, a long reverb, a phaser and a compressor, all fully wet.
constexpr int kEffectTypes[kEffectSlotCount] = {2, 5, 9, 21};

int deliveryFrame(std::size_t m) { return m % 2 ? kGroove[m].frame : std::max(0, kGroove[m].frame - kEarlyDelivery); }

// A noisy hit for the first sample slot, so that its layer plays something no synthesised pad does.
void writeSlotSample()
{
    std::vector<std::int16_t> hit(3000);
    std::uint32_t noise = 12345;
    for (std::size_t i = 0; i < hit.size(); ++i) {
        noise = noise * 1664525u + 1013904223u;
        hit[i] = static_cast<std::int16_t>(static_cast<int>(noise >> 17) - 16384);
    }
    const auto folder = platform::nativePath("C:\\Kravo\\Samples\\");
    std::filesystem::create_directories(folder);
    kravo::test::writeFile((folder / "blockhit.wav").string(), kravo::test::wavBytes(hit, 1, 44100));
}

void loadSlotSample(APlugin& plugin)
{
    plugin.listSampleFolder(0, 0);
    int entry = 0;
    while (entry < plugin.getSampleFileCount() && plugin.getSampleFileName(entry) != "blockhit.wav")
        ++entry;
    ASSERT_TRUE(plugin.loadSampleIntoLayer(0, 0, entry));
    plugin.setParameter(sampleLayerLayouts[0].volume, 1.0f);
}

// Renders the groove with the transport stopped, as a host with the given block size would deliver it.
std::vector<float> renderInBlocks(int blockSize)
{
    platform::ManualClock clock(4242); // the same random seed for every run
    platform::setClock(&clock);
    std::unique_ptr<APlugin> plugin(static_cast<APlugin*>(createEffectInstance(nullptr)));
    platform::setClock(nullptr);
    loadSlotSample(*plugin);
    // The first pattern's first track: steps 0, 5 and 8, the pattern running on its own clock.
    for (int step : {0, 5, 8})
        plugin->setParameter(stepAttributeIndex(StepAttribute::On, 0, 0, step), 1.0f);
    // Voices take turns on the dry output and the four effect sends.
    for (int slot = 0; slot < kVoiceSlotCount; ++slot)
        plugin->setParameter(voiceOutput[static_cast<std::size_t>(slot)], (slot % 5 + 0.5f) / choicescale::kOutput);
    for (int slot = 0; slot < kEffectSlotCount; ++slot) {
        plugin->setParameter(effectType[static_cast<std::size_t>(slot)], (kEffectTypes[slot] + 0.5f) / choicescale::kEffectType);
        plugin->setParameter(effectSlotMix[static_cast<std::size_t>(slot)], 1.0f);
    }
    PlugEventList events;
    std::vector<float> left(static_cast<std::size_t>(blockSize)), right(left);
    float* outputs[2] = {left.data(), right.data()};
    std::vector<float> out;
    for (int start = 0; start < kFrames; start += blockSize) {
        const int n = std::min(blockSize, kFrames - start);
        events.clear();
        for (std::size_t m = 0; m < std::size(kGroove); ++m)
            if (deliveryFrame(m) >= start && deliveryFrame(m) < start + n)
                events.add(kGroove[m].frame - start, kGroove[m].status, kGroove[m].d1, kGroove[m].d2);
        if (events.count() > 0)
            plugin->processEvents(events.list());
        plugin->processReplacing(nullptr, outputs, n);
        for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i)
            out.insert(out.end(), {left[i], right[i]});
    }
    return out;
}

TEST(BlockLoop, OutputDoesNotDependOnTheBlockSize)
{
    writeSlotSample();
    const std::vector<float> single = renderInBlocks(1);
    ASSERT_GT(*std::max_element(single.begin(), single.end()), 0.05f);
    for (int blockSize : {64, 512, 4096})
        EXPECT_TRUE(renderInBlocks(blockSize) == single) << "blocks of " << blockSize;
}

} // namespace
