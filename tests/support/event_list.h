#pragma once

#include "plugin/base/plug_types.h"

#include <cstdint>
#include <vector>

namespace kravo::test {

// A host event list of up to 300 MIDI events, laid out as the host lays it out:
// the header, then one pointer per event.
struct EventList {
    static constexpr int kMaxEvents = 300;

    void add(std::int32_t deltaFrames, std::uint8_t status, std::uint8_t d1, std::uint8_t d2,
             std::int32_t type = kPlugEventTypeMidi)
    {
        PlugMidiEvent& event = records[static_cast<std::size_t>(count++)];
        event = {};
        event.type = type;
        event.byteSize = sizeof(PlugMidiEvent);
        event.deltaFrames = deltaFrames;
        event.midiData[0] = status;
        event.midiData[1] = d1;
        event.midiData[2] = d2;
    }
    PlugEvents* list()
    {
        auto* header = reinterpret_cast<PlugEvents*>(memory);
        header->numEvents = count;
        header->reserved = 0;
        PlugEvent** pointers = header->events;
        for (int i = 0; i < count; ++i)
            pointers[i] = reinterpret_cast<PlugEvent*>(&records[static_cast<std::size_t>(i)]);
        return header;
    }

    std::vector<PlugMidiEvent> records = std::vector<PlugMidiEvent>(kMaxEvents);
    alignas(PlugEvents) unsigned char memory[sizeof(PlugEvents) + kMaxEvents * sizeof(PlugEvent*)] = {};
    std::int32_t count = 0;
};

} // namespace kravo::test
