#pragma once

#include <array>
#include <atomic>
#include <cstdint>

// The pad each MIDI note plays (32: none). Rewritten on the main thread when
// the user picks another mapping, read by the audio thread's dispatch; a note
// that arrives during the rewrite may find either mapping.
class NoteMap {
public:
    static constexpr int kNotes = 128;
    static constexpr std::int32_t kNoPad = 32;

    using Table = std::array<std::int32_t, kNotes>;

    // The two mappings the user chooses between.
    static const Table standardTable;
    static const Table gmTable;

    NoteMap()
    {
        for (auto& pad : pads)
            pad.store(kNoPad, std::memory_order_relaxed);
    }

    std::int32_t padOf(std::int32_t note) const { return pads[note].load(std::memory_order_relaxed); }
    void set(std::int32_t note, std::int32_t pad) { pads[note].store(pad, std::memory_order_relaxed); }

    void load(const Table& table)
    {
        for (int note = 0; note < kNotes; ++note)
            set(note, table[static_cast<std::size_t>(note)]);
    }

private:
    std::atomic<std::int32_t> pads[kNotes];
};
