#include "plugin/aplugin.h"

#include "platform/clock.h"
#include "plugin/base/plug_event_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct TimedMessage { int frame; std::uint8_t status, d1, d2; };

// Bass drums and snares at odd frames, with notes on the same frame and close together.
constexpr TimedMessage kGroove[] = {
    {0, 0x99, 36, 100},     {1, 0x99, 38, 90},      {777, 0x99, 38, 127},  {4095, 0x99, 36, 64},
    {4096, 0x99, 38, 64},   {4096, 0x89, 36, 0},    {22050, 0x99, 36, 127}, {22050, 0x99, 38, 30},
    {22051, 0xB0, 1, 100},  {30001, 0x99, 38, 110}, {30500, 0x99, 38, 110}, {40000, 0x99, 36, 80}};
constexpr int kFrames = 48000;
// Every other message comes with the block holding the frame this many frames earlier: its offset can lie beyond it.
constexpr int kEarlyDelivery = 300;

int deliveryFrame(std::size_t m) { return m % 2 ? kGroove[m].frame : std::max(0, kGroove[m].frame - kEarlyDelivery); }

// Renders the groove with the transport stopped, as a host with the given block size would deliver it.
std::vector<float> renderInBlocks(int blockSize)
{
    platform::ManualClock clock(4242); // the same random seed for every run
    platform::setClock(&clock);
    std::unique_ptr<APlugin> plugin(static_cast<APlugin*>(createEffectInstance(nullptr)));
    platform::setClock(nullptr);
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
    const std::vector<float> single = renderInBlocks(1);
    ASSERT_GT(*std::max_element(single.begin(), single.end()), 0.05f);
    for (int blockSize : {64, 512, 4096})
        EXPECT_TRUE(renderInBlocks(blockSize) == single) << "blocks of " << blockSize;
}

} // namespace
