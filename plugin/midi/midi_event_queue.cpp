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
        PlugMidiEvent* record = nullptr;
        for (PlugMidiEvent& candidate : midiEvents) {
            if (candidate.deltaFrames == kFree) {
                record = &candidate;
                break;
            }
        }
        if (!record || numPendingEvents >= kCapacity)
            continue;
        ++numPendingEvents;
        const auto& midi = *reinterpret_cast<const PlugMidiEvent*>(event);
        std::memcpy(record->midiData, midi.midiData, sizeof record->midiData);
        record->type = midi.type;
        record->byteSize = midi.byteSize;
        // An event dated before the block starts is due at once; a negative
        // count would never reach zero and would hold its record for good.
        record->deltaFrames = midi.deltaFrames < 0 ? 0 : midi.deltaFrames;
        record->flags = midi.flags;
        record->noteLength = midi.noteLength;
        record->noteOffset = midi.noteOffset;
        record->detune = midi.detune;
        record->noteOffVelocity = midi.noteOffVelocity;
        record->reserved2 = midi.reserved2;
        record->reserved1 = kQueuedMark;
    }
}
