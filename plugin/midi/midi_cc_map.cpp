#include "plugin/midi/midi_cc_map.h"

#include "plugin/settings/registry_settings.h"

#include "platform/registry.h"

#include <optional>

MidiCcMap::Entries MidiCcMap::snapshot() const
{
    Entries parameters{};
    for (int c = 0; c < kControllers; ++c)
        parameters[static_cast<std::size_t>(c)] = parameterOf(c);
    return parameters;
}

void MidiCcMap::loadFromStore()
{
    Entries stored{};
    kravo::readMidiMapEntries(stored);
    for (int c = 0; c < kControllers; ++c)
        set(c, stored[static_cast<std::size_t>(c)]);
}

void MidiCcMap::assignAndStore(const Entries& parameters)
{
    // One write for the whole map rather than one per controller.
    platform::RegistryBatch batch;
    for (int c = 0; c < kControllers; ++c) {
        set(c, parameters[static_cast<std::size_t>(c)]);
        kravo::writeMidiMapEntry(c, parameters[static_cast<std::size_t>(c)]);
    }
}

void MidiCcMap::saveUnsaved()
{
    // The flag is cleared before the entry is read: a learn that lands in between marks it again, and its
    // value is stored on the next visit, so the store always ends equal to the table. Most visits find
    // nothing to store and do not touch the store at all.
    std::optional<platform::RegistryBatch> batch;
    for (int c = 0; c < kControllers; ++c) {
        if (unsaved[c].exchange(false, std::memory_order_acq_rel)) {
            if (!batch)
                batch.emplace();
            kravo::writeMidiMapEntry(c, parameterOf(c));
        }
    }
}
