#pragma once

#include "plugin/base/plug_types.h"

#include <cstdint>
#include <limits>

// The plug-in's own copy of the host's MIDI events, each dated to the exact
// sample it falls due in, whatever the block size. Fixed records, so queueing
// on the audio thread never allocates. The pending events are kept in due
// order, so each sample tests only the earliest one.
class MidiEventQueue {
public:
    static constexpr int kCapacity = 250;
    static constexpr std::int32_t kFree = -99;

    MidiEventQueue();

    // Copies the MIDI events of a host list into free records, dated from the
    // first sample of the coming block; events that do not fit are dropped.
    void queue(const PlugEvents* events);

    bool hasPending() const { return numPendingEvents > 0; }
    std::int32_t pendingCount() const { return numPendingEvents; }

    // Whether an event falls due at sample `index` of the current block.
    bool isDueAt(std::int32_t index) const { return headDue <= blockStart + static_cast<std::uint64_t>(index); }
    // The samples from `index` on before the next event falls due, at most `limit`.
    std::int32_t samplesBeforeDue(std::int32_t index, std::int32_t limit) const
    {
        const std::uint64_t now = blockStart + static_cast<std::uint64_t>(index);
        if (headDue <= now)
            return 0;
        return headDue - now < static_cast<std::uint64_t>(limit) ? static_cast<std::int32_t>(headDue - now) : limit;
    }

    // Hands each event due at sample `index` of the current block to `act`
    // (as a const PlugMidiEvent&), earliest first and in arrival order among
    // equals, then frees its record.
    template <typename Action>
    void dispatchDue(std::int32_t index, Action&& act);

    // The block has been rendered: the next one starts `frames` samples later.
    void endBlock(std::int32_t frames)
    {
        if (frames > 0)
            blockStart += static_cast<std::uint64_t>(frames);
    }

private:
    static constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();

    void insertInDueOrder(std::uint8_t record);
    std::uint8_t popHead();

    PlugMidiEvent midiEvents[kCapacity];
    std::uint64_t dueSample[kCapacity] = {}; // counted in samples since the first block
    std::uint8_t dueOrder[kCapacity] = {};   // the pending records, earliest first
    std::int32_t numPendingEvents = 0;
    std::uint64_t blockStart = 0;
    std::uint64_t headDue = kNever;
};

template <typename Action>
void MidiEventQueue::dispatchDue(std::int32_t index, Action&& act)
{
    const std::uint64_t now = blockStart + static_cast<std::uint64_t>(index);
    while (headDue <= now) {
        PlugMidiEvent& record = midiEvents[popHead()];
        act(static_cast<const PlugMidiEvent&>(record));
        record.deltaFrames = kFree;
    }
}
