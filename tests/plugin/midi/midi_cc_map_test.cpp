#include "plugin/midi/midi_cc_map.h"

#include "platform/registry_file.h"
#include "plugin/settings/registry_settings.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

namespace {

class MidiCcMapStore : public kravo::test::UserFilesTest {
protected:
    MidiCcMap map;
};

TEST_F(MidiCcMapStore, LoadsTheStoredEntriesAsTheyAre)
{
    kravo::writeMidiMapEntry(0, 5);
    kravo::writeMidiMapEntry(64, 9900);
    kravo::writeMidiMapEntry(127, -3);
    map.loadFromStore();
    EXPECT_EQ(map.parameterOf(0), 5);
    EXPECT_EQ(map.parameterOf(64), 9900);
    EXPECT_EQ(map.parameterOf(127), -3);
    EXPECT_EQ(map.parameterOf(1), 0);
}

TEST_F(MidiCcMapStore, AssigningStoresEveryEntryInOneWriteAndTheSameMapAgainInNone)
{
    MidiCcMap::Entries parameters{};
    parameters[3] = 44;
    kravo::writeMidiMapEntry(9, 77);
    const unsigned long before = platform::registryFileWrites();
    map.assignAndStore(parameters);
    EXPECT_EQ(platform::registryFileWrites(), before + 1);
    EXPECT_EQ(map.snapshot(), parameters);
    EXPECT_EQ(kravo::readMidiMapEntry(3), 44);
    EXPECT_EQ(kravo::readMidiMapEntry(9), 0);

    map.assignAndStore(parameters);
    EXPECT_EQ(platform::registryFileWrites(), before + 1);
}

TEST_F(MidiCcMapStore, MarkedEntriesReachTheStoreOnlyWhenSaved)
{
    map.set(7, 120);
    map.markUnsaved(7);
    EXPECT_EQ(kravo::readMidiMapEntry(7), 0);

    map.saveUnsaved();
    EXPECT_EQ(kravo::readMidiMapEntry(7), 120);
}

TEST_F(MidiCcMapStore, SavingStoresTheLatestValuesInOneWrite)
{
    map.set(7, 120);
    map.markUnsaved(7);
    map.set(7, 1);
    map.markUnsaved(7);
    map.set(9, 2);
    map.markUnsaved(9);
    kravo::writeMidiMapEntry(8, 55); // unmarked entries are not touched
    const unsigned long before = platform::registryFileWrites();
    map.saveUnsaved();
    EXPECT_EQ(platform::registryFileWrites(), before + 1);
    EXPECT_EQ(kravo::readMidiMapEntry(7), 1);
    EXPECT_EQ(kravo::readMidiMapEntry(9), 2);
    EXPECT_EQ(kravo::readMidiMapEntry(8), 55);

    kravo::writeMidiMapEntry(7, 99);
    map.saveUnsaved();
    EXPECT_EQ(kravo::readMidiMapEntry(7), 99);
}

} // namespace
