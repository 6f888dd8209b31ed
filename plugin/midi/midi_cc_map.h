#pragma once

#include <atomic>
#include <cstdint>

// Which parameter each MIDI controller drives (0: none). The editor's MIDI
// learn rewrites entries on the main thread while the audio thread reads them.
class MidiCcMap {
public:
    static constexpr int kControllers = 128;

    std::int32_t parameterOf(std::int32_t controller) const
    {
        return entries[controller].load(std::memory_order_relaxed);
    }
    void set(std::int32_t controller, std::int32_t parameter)
    {
        entries[controller].store(parameter, std::memory_order_relaxed);
    }

private:
    std::atomic<std::int32_t> entries[kControllers] = {};
};
