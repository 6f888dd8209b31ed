#include "plugin/midi/midi_event_queue.h"
#include "plugin/base/plug_event_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Fired = std::vector<std::pair<int, int>>; // (sample since the first block, data 1)

class MidiQueue : public ::testing::Test {
protected:
    // Queues the events, runs one block of n samples and records what falls due.
    void block(int samples)
    {
        queue.queue(events.list());
        events.clear();
        for (int i = 0; i < samples; ++i)
            if (queue.isDueAt(i))
                queue.dispatchDue(i, [&](const PlugMidiEvent& e) { fired.push_back({start + i, e.midiData[1]}); });
        queue.endBlock(samples);
        start += samples;
    }

    PlugEventList events;
    MidiEventQueue queue;
    Fired fired;
    int start = 0;
};

TEST_F(MidiQueue, AnEventBeyondTheBlockFiresAtItsSampleOfALaterBlock)
{
    events.add(5, 0x90, 44, 100);
    events.add(9, 0x90, 45, 100);
    block(4);
    EXPECT_TRUE(fired.empty());
    events.add(0, 0x90, 46, 100); // queued later but due earlier
    block(4);
    block(4);
    EXPECT_EQ(fired, (Fired{{4, 46}, {5, 44}, {9, 45}}));
}

TEST_F(MidiQueue, EventsOfOneSampleFireInArrivalOrderPastDatedOnesAtOnceAndNonMidiOnesNever)
{
    events.add(-7, 0x90, 1, 100); // dated before the block: due at its first sample
    events.add(2, 0x90, 2, 100);
    events.add(0, 0x90, 66, 100, 6);
    block(1); // frees the lowest record, which the next block's first event takes
    events.add(1, 0x90, 3, 100);
    block(4);
    EXPECT_EQ(fired, (Fired{{0, 1}, {2, 2}, {2, 3}}));
    EXPECT_FALSE(queue.hasPending());
}

TEST_F(MidiQueue, EventsBeyondTheCapacityAreDropped)
{
    for (int i = 0; i <= MidiEventQueue::kCapacity; ++i)
        events.add(10, 0x90, static_cast<std::uint8_t>(i & 0x7f), 100);
    block(16);
    EXPECT_EQ(fired.size(), std::size_t{MidiEventQueue::kCapacity});
    EXPECT_FALSE(queue.hasPending());
}

} // namespace
