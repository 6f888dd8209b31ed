#include "plugin/midi/midi_event_queue.h"
#include "plugin/base/plug_event_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {


// Runs the queue for n samples and records (sample, data 1) of what falls due.
std::vector<std::pair<int, int>> run(MidiEventQueue& queue, int samples, int firstSample = 0)
{
    std::vector<std::pair<int, int>> fired;
    for (int i = 0; i < samples; ++i)
        if (queue.hasPending())
            queue.dispatchDue([&](const PlugMidiEvent& e) { fired.push_back({firstSample + i, e.midiData[1]}); });
    return fired;
}

class MidiQueue : public ::testing::Test {
protected:
    PlugEventList events;
    MidiEventQueue queue;
};

TEST_F(MidiQueue, DeltasZeroAndOneBothFireAtTheFirstSampleInRecordOrder)
{
    events.add(1, 0x90, 11, 100);
    events.add(0, 0x90, 22, 100);
    queue.queue(events.list());
    EXPECT_EQ(run(queue, 4), (std::vector<std::pair<int, int>>{{0, 11}, {0, 22}}));
    EXPECT_FALSE(queue.hasPending());
}

TEST_F(MidiQueue, LaterEventsFireOneSampleAheadOfTheirDelta)
{
    events.add(3, 0x90, 33, 100);
    queue.queue(events.list());
    EXPECT_EQ(run(queue, 4), (std::vector<std::pair<int, int>>{{2, 33}}));
}

TEST_F(MidiQueue, AnEventBeyondTheBlockKeepsCountingInTheNext)
{
    events.add(5, 0x90, 44, 100);
    queue.queue(events.list());
    EXPECT_TRUE(run(queue, 4).empty());
    EXPECT_EQ(run(queue, 4, 4), (std::vector<std::pair<int, int>>{{4, 44}}));
}

TEST_F(MidiQueue, NegativeDeltasAreDueAtOnceAndFreeTheirRecord)
{
    events.add(-7, 0x90, 55, 100);
    queue.queue(events.list());
    EXPECT_EQ(run(queue, 1), (std::vector<std::pair<int, int>>{{0, 55}}));
    EXPECT_EQ(queue.pendingCount(), 0);
}

TEST_F(MidiQueue, NonMidiEventsAreIgnored)
{
    events.add(0, 0x90, 66, 100, 6);
    queue.queue(events.list());
    EXPECT_FALSE(queue.hasPending());
}

TEST_F(MidiQueue, EventsBeyondTheCapacityAreDropped)
{
    for (int i = 0; i < 251; ++i)
        events.add(10, 0x90, static_cast<std::uint8_t>(i & 0x7f), 100);
    queue.queue(events.list());
    EXPECT_EQ(queue.pendingCount(), MidiEventQueue::kCapacity);
    EXPECT_EQ(run(queue, 16).size(), 250u);
    EXPECT_FALSE(queue.hasPending());
}

} // namespace
