#pragma once

#include "plugin/base/plug_event_list.h"

#include <cstdint>
#include <vector>

// A repeating drum pattern cut into the host's per-block event lists, built
// before timing starts so the timed loop only hands lists to the plug-in.
class NoteSchedule {
public:
    struct Hit {
        double beat; // position in quarter notes within the loop
        std::uint8_t note;
    };

    NoteSchedule(const std::vector<Hit>& loop, double loopBeats, double tempo, double sampleRate, int blockSize);

    // The event list of block n (the pattern repeats for ever).
    PlugEvents* block(std::size_t n) { return lists_[n % lists_.size()]; }

private:
    std::vector<PlugEventList> blocks_;
    std::vector<PlugEvents*> lists_;
};
