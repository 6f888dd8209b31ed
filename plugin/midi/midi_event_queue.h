#pragma once

#include "plugin/base/plug_types.h"

#include <cstdint>

// The plug-in's own copy of the host's MIDI events, counted down sample by
// sample until they fall due. Fixed records, so queueing on the audio thread
// never allocates.
class MidiEventQueue {
public:
    static constexpr int kCapacity = 250;
    static constexpr std::int32_t kFree = -99;

    MidiEventQueue();

    // Copies the MIDI events of a host list into free records; events that do
    // not fit are dropped.
    void queue(const PlugEvents* events);

    bool hasPending() const { return numPendingEvents > 0; }
    std::int32_t pendingCount() const { return numPendingEvents; }

    // Counts every queued record down by one sample and hands each one that
    // falls due to `act` (as a const PlugMidiEvent&), in record order, then
    // frees it.
    template <typename Action>
    void dispatchDue(Action&& act);

private:
    PlugMidiEvent midiEvents[kCapacity];
    std::int32_t numPendingEvents = 0;
};

template <typename Action>
void MidiEventQueue::dispatchDue(Action&& act)
{
    for (PlugMidiEvent& record : midiEvents) {
        if (record.deltaFrames > 0)
            --record.deltaFrames;
        if (record.deltaFrames != 0)
            continue;
        if (--numPendingEvents < 0) {
            numPendingEvents = 0;
            return;
        }
        act(static_cast<const PlugMidiEvent&>(record));
        record.deltaFrames = kFree;
    }
}
