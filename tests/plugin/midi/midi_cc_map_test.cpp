#include "plugin/midi/midi_cc_map.h"

#include "platform/registry_file.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

class MidiCcMapStore : public kravo::test::UserFilesTest {};

TEST_F(MidiCcMapStore, AssignedOrSavedEntriesReachTheStoreInOneWriteAndOnlyWhenTheyChange)
{
    MidiCcMap map;
    MidiCcMap::Entries parameters{};
    parameters[3] = 44;
    kravo::writeMidiMapEntry(9, 77);
    unsigned long before = platform::registryFileWrites();
    map.assignAndStore(parameters);
    map.assignAndStore(parameters);
    EXPECT_EQ(platform::registryFileWrites(), before + 1);
    EXPECT_EQ(std::tuple(kravo::readMidiMapEntry(3), kravo::readMidiMapEntry(9)), std::tuple(44, 0));

    // Marked entries are stored only when saved, with their latest values; unmarked ones not at all.
    map.set(7, 120);
    map.markUnsaved(7);
    map.set(7, 1);
    map.set(9, 2);
    map.markUnsaved(9);
    map.set(8, 3);
    EXPECT_EQ(kravo::readMidiMapEntry(7), 0);
    before = platform::registryFileWrites();
    map.saveUnsaved();
    EXPECT_EQ(platform::registryFileWrites(), before + 1);
    EXPECT_EQ(std::tuple(kravo::readMidiMapEntry(7), kravo::readMidiMapEntry(8), kravo::readMidiMapEntry(9)),
              std::tuple(1, 0, 2));
    kravo::writeMidiMapEntry(7, 99);
    map.saveUnsaved();
    EXPECT_EQ(kravo::readMidiMapEntry(7), 99);
}

} // namespace
