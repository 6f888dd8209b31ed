#pragma once

#include <atomic>
#include <cstdint>

// The pad each MIDI note plays (32: none). Rewritten on the main thread when
// the user picks another mapping, read by the audio thread's dispatch.
class NoteMap {
public:
    static constexpr int kNotes = 128;
    static constexpr std::int32_t kNoPad = 32;

    NoteMap()
    {
        for (auto& pad : pads)
            pad.store(kNoPad, std::memory_order_relaxed);
    }

    std::int32_t padOf(std::int32_t note) const { return pads[note].load(std::memory_order_relaxed); }
    void set(std::int32_t note, std::int32_t pad) { pads[note].store(pad, std::memory_order_relaxed); }

private:
    std::atomic<std::int32_t> pads[kNotes];
};
