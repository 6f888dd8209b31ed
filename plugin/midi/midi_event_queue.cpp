#include "plugin/midi/midi_event_queue.h"

#include <cstring>

namespace {

constexpr std::uint8_t kQueuedMark = 99;

} // namespace

MidiEventQueue::MidiEventQueue()
{
    for (PlugMidiEvent& record : midiEvents) {
        std::memset(&record, 0, sizeof record);
        record.type = kPlugEventTypeMidi;
        record.reserved1 = kQueuedMark;
        record.deltaFrames = kFree;
    }
}

void MidiEventQueue::queue(const PlugEvents* events)
{
    if (!events)
        return;
    const PlugEvent* const* list = events->events; // the host allocates numEvents entries
    for (std::int32_t i = 0; i < events->numEvents; ++i) {
        const PlugEvent* event = list[i];
        if (!event || event->type != kPlugEventTypeMidi)
            continue;
        int free = 0;
        while (free < kCapacity && midiEvents[free].deltaFrames != kFree)
            ++free;
        if (free == kCapacity || numPendingEvents >= kCapacity)
            continue;
        PlugMidiEvent& record = midiEvents[free];
        const auto& midi = *reinterpret_cast<const PlugMidiEvent*>(event);
        std::memcpy(record.midiData, midi.midiData, sizeof record.midiData);
        record.type = midi.type;
        record.byteSize = midi.byteSize;
        // An event dated before the block starts is due at its first sample.
        record.deltaFrames = midi.deltaFrames < 0 ? 0 : midi.deltaFrames;
        record.flags = midi.flags;
        record.noteLength = midi.noteLength;
        record.noteOffset = midi.noteOffset;
        record.detune = midi.detune;
        record.noteOffVelocity = midi.noteOffVelocity;
        record.reserved2 = midi.reserved2;
        record.reserved1 = kQueuedMark;
        dueSample[free] = blockStart + static_cast<std::uint64_t>(record.deltaFrames);
        insertInDueOrder(static_cast<std::uint8_t>(free));
    }
}

// Hosts send their events in time order, so the new one nearly always goes last.
void MidiEventQueue::insertInDueOrder(std::uint8_t record)
{
    const std::uint64_t due = dueSample[record];
    std::int32_t at = numPendingEvents;
    while (at > 0 && dueSample[dueOrder[at - 1]] > due) {
        dueOrder[at] = dueOrder[at - 1];
        --at;
    }
    dueOrder[at] = record;
    ++numPendingEvents;
    headDue = dueSample[dueOrder[0]];
}

std::uint8_t MidiEventQueue::popHead()
{
    const std::uint8_t record = dueOrder[0];
    --numPendingEvents;
    std::memmove(dueOrder, dueOrder + 1, static_cast<std::size_t>(numPendingEvents));
    headDue = numPendingEvents > 0 ? dueSample[dueOrder[0]] : kNever;
    return record;
}
