#include "plugin/aplugin.h"

#include "tests/realtime/allocation_counter.h"
#include "plugin/base/plug_event_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using kravo::test::AllocationCounter;

constexpr int kBlock = 512;

TEST(AudioPath, EventsAndRenderingAllocateNothing)
{
    std::unique_ptr<APlugin> plugin(static_cast<APlugin*>(createEffectInstance(nullptr)));
    plugin->setSampleRate(48000.0f);
    plugin->getNoteMap().set(36, 0);
    plugin->getNoteMap().set(38, 2);
    plugin->getMidiCcMap().set(7, 2);

    // A busy minute of blocks: notes, controllers, a MIDI learn, pitch bend, a reset
    // and the program reload at the 8192-sample marks.
    std::vector<PlugEventList> blocks(16);
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        PlugEventList& events = blocks[b];
        events.add(0, 0x99, 36, 100);
        events.add(17, 0x99, 38, 90);
        events.add(100, 0x89, 36, 0);
        events.add(200, 0xB0, 7, static_cast<std::uint8_t>(b * 8));
        events.add(300, 0xE0, 0, 64);
        events.add(400, 0xD0, 50, 0);
        events.add(kBlock + 20, 0xB0, 1, 64); // due in the next block
        if (b == 8)
            events.add(10, 0xB0, 123, 0);
        if (b == 0)
            events.add(150, 0xB0, 21, 99); // the first controller after the learn request
    }
    std::vector<float> left(kBlock);
    std::vector<float> right(kBlock);
    float* outputs[2] = {left.data(), right.data()};
    std::vector<PlugEvents*> lists;
    for (PlugEventList& events : blocks)
        lists.push_back(events.list());
    plugin->setProgram(3);

    AllocationCounter counter;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        if (b == 0) {
            plugin->midiLearnTarget = 40;
            plugin->midiLatchRequest = true;
        }
        plugin->processEvents(lists[b]);
        plugin->processReplacing(nullptr, outputs, kBlock);
    }
    EXPECT_EQ(counter.count(), 0u);
    EXPECT_EQ(plugin->getMidiCcMap().parameterOf(21), 40);
    EXPECT_FALSE(plugin->isProgramReloadPending());
}

} // namespace
