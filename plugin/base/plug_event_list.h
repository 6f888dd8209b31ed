#pragma once

#include "plugin/base/plug_types.h"

#include <cstdint>
#include <cstring>
#include <vector>

// A host's list of MIDI events for one block, laid out as the boundary wants
// it: the header, then one pointer per event. Its memory is taken once, for
// the capacity given; events beyond it are refused.
class PlugEventList {
public:
    explicit PlugEventList(int capacity = 2048)
        : records_(static_cast<std::size_t>(capacity)),
          memory_((sizeof(PlugEvents) + sizeof(PlugEvent*) * static_cast<std::size_t>(capacity)) /
                      sizeof(PlugIntPtr) +
                  1)
    {
    }

    bool add(std::int32_t deltaFrames, std::uint8_t status, std::uint8_t d1, std::uint8_t d2,
             std::int32_t type = kPlugEventTypeMidi)
    {
        if (count_ == static_cast<std::int32_t>(records_.size()))
            return false;
        PlugMidiEvent& event = records_[static_cast<std::size_t>(count_++)];
        std::memset(&event, 0, sizeof event);
        event.type = type;
        event.byteSize = sizeof(PlugMidiEvent);
        event.deltaFrames = deltaFrames;
        event.midiData[0] = status;
        event.midiData[1] = d1;
        event.midiData[2] = d2;
        return true;
    }

    // A host's MIDI packet: its four bytes as they stand.
    bool addPacket(std::int32_t deltaFrames, const std::uint8_t (&bytes)[4])
    {
        if (!add(deltaFrames, bytes[0], bytes[1], bytes[2]))
            return false;
        records_[static_cast<std::size_t>(count_ - 1)].midiData[3] = bytes[3];
        return true;
    }

    void clear() { count_ = 0; }
    std::int32_t count() const { return count_; }

    PlugEvents* list()
    {
        auto* header = reinterpret_cast<PlugEvents*>(memory_.data());
        header->numEvents = count_;
        header->reserved = 0;
        PlugEvent** pointers = header->events;
        for (std::int32_t i = 0; i < count_; ++i)
            pointers[i] = reinterpret_cast<PlugEvent*>(&records_[static_cast<std::size_t>(i)]);
        return header;
    }

private:
    std::vector<PlugMidiEvent> records_;
    std::vector<PlugIntPtr> memory_; // pointer-aligned room for the header and the pointers
    std::int32_t count_ = 0;
};
