#pragma once

#include <array>
#include <atomic>
#include <cstdint>

// Which parameter each MIDI controller drives (0: none), mirrored entry by
// entry in the settings store so that every plug-in object shares it. The
// main thread rewrites entries (ECS files, clear) while the audio thread reads
// them; MIDI learn rewrites them on the audio thread, which must not touch the
// store, so it only marks them unsaved for the main thread to store.
class MidiCcMap {
public:
    static constexpr int kControllers = 128;

    using Entries = std::array<std::int32_t, kControllers>;

    std::int32_t parameterOf(std::int32_t controller) const
    {
        return entries[controller].load(std::memory_order_relaxed);
    }
    void set(std::int32_t controller, std::int32_t parameter)
    {
        entries[controller].store(parameter, std::memory_order_relaxed);
    }
    Entries snapshot() const;

    // Main thread: the store's entries, taken as stored.
    void loadFromStore();
    // Main thread: sets every entry and stores it.
    void assignAndStore(const Entries& parameters);

    // Audio thread, wait-free: the entry has changed and the store does not know yet.
    void markUnsaved(std::int32_t controller)
    {
        unsaved[controller].store(true, std::memory_order_release);
    }
    // Main thread: stores the current value of every entry marked unsaved.
    void saveUnsaved();

private:
    static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<std::int32_t>::is_always_lock_free);

    std::atomic<std::int32_t> entries[kControllers] = {};
    std::atomic<bool> unsaved[kControllers] = {};
};
