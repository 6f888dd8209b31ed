#include "platform/registry_file.h"
#include "plugin/aplugin.h"
#include "plugin/settings/folder_settings.h"
#include "plugin/settings/mapping_setting.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

// What a plug-in object reads from the settings store when it starts: folders, recent programs, note mapping.
class StartSettings : public kravo::test::UserFilesTest {
protected:
    void start() { plugin.reset(static_cast<APlugin*>(createEffectInstance(nullptr))); }
    static std::string recent(const char* prefix, int i) { return stored((prefix + std::to_string(i)).c_str()); }

    std::unique_ptr<APlugin> plugin;
    kravo::FolderSettings folders;
};

TEST_F(StartSettings, AFreshStoreGetsEveryDefaultInOneWriteAndAStartWithEverySettingStoredWritesNothing)
{
    const unsigned long before = platform::registryFileWrites();
    start();
    EXPECT_EQ(platform::registryFileWrites(), before + 1);
    for (const char* name : {"BaseDir", "BankDir", "PresetDir", "PatternDir", "HelpFile", "ECSDir", "BDPresetDir",
                             "SNPresetDir", "HHPresetDir", "TomPresetDir", "ClapPresetDir", "UserPresetDir",
                             "SamplePresetDir", "SampleDir"})
        EXPECT_NE(stored(name), "") << name;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(std::tuple(recent("RegStr", i), recent("RegBank", i), plugin->getRecentProgramRecord()[i].isEmpty()),
                  std::tuple("---", "---", true)) << i;
        EXPECT_EQ(kravo::readRegDword(("RegProg" + std::to_string(i)).c_str()), 0xFFFFFFFFu) << i;
    }
    EXPECT_EQ(std::tuple(stored("Mapping"), plugin->getNoteMap().padOf(39)), std::tuple("GM", 8));
    start();
    plugin.reset();
    EXPECT_EQ(platform::registryFileWrites(), before + 1);
}

// Each stored folder reaches its own field, those that paths are built on with a separator added once, and the
// closed and open hi-hats share one preset folder.
TEST_F(StartSettings, StoredFoldersReachTheirFieldsInTheirStoredFormButAnEmptyOrTooLongOneGetsItsDefault)
{
    const auto& preset = folders.drumPresetFolders;
    const std::tuple<const char*, const char*, const char*> fields[] = {{"BaseDir", folders.baseFolder, ""},
        {"BankDir", folders.bankFolder, ""}, {"PresetDir", folders.presetFolder, ""},
        {"HelpFile", folders.helpFile, ""}, {"ECSDir", folders.ecsFolder, ""},
        {"PatternDir", folders.patternFolder, "\\"}, {"SampleDir", folders.sampleFolder, "\\"},
        {"BDPresetDir", preset[0], "\\"}, {"SNPresetDir", preset[1], "\\"}, {"HHPresetDir", preset[2], "\\"},
        {"HHPresetDir", preset[3], "\\"}, {"ClapPresetDir", preset[4], "\\"}, {"TomPresetDir", preset[5], "\\"},
        {"UserPresetDir", preset[6], "\\"}, {"SamplePresetDir", preset[7], "\\"}};
    for (const auto& [name, field, separator] : fields)
        kravo::writeRegString(name, (std::string("D:\\") + name).c_str());
    kravo::writeRegString("UserPresetDir", "D:\\UserPresetDir\\");
    kravo::loadFolderSettings(folders);
    for (const auto& [name, field, separator] : fields)
        EXPECT_EQ(std::string(field), std::string("D:\\") + name + separator);
    EXPECT_EQ(std::tuple(stored("PatternDir"), stored("UserPresetDir")),
              std::tuple("D:\\PatternDir", "D:\\UserPresetDir\\"));

    const std::string tooLong = "D:\\" + std::string(kravo::kFolderSettingCapacity, 'p');
    const std::string longest = "D:\\" + std::string(kravo::kFolderSettingCapacity - 4, 'p');
    kravo::writeRegString("ECSDir", "");
    kravo::writeRegString("PatternDir", tooLong.c_str());
    kravo::writeRegString("SampleDir", longest.c_str());
    kravo::loadFolderSettings(folders);
    EXPECT_EQ(std::tuple(std::string(folders.ecsFolder), stored("ECSDir"), std::string(folders.patternFolder),
                         stored("PatternDir"), std::string(folders.sampleFolder)),
              std::tuple("C:\\Morvane\\Kravo\\ECS", "C:\\Morvane\\Kravo\\ECS", "C:\\Morvane\\Kravo\\Patterns\\",
                         tooLong, longest + "\\"));
}

TEST_F(StartSettings, StoredRecentProgramsAreReadAndANameTooLongToReadIsNotOverwritten)
{
    const std::string tooLong(kravo::kTextSettingCapacity, 'n');
    for (const auto& [name, text] : {std::pair{"RegStr0", "Q-groovy 120bpm"}, {"RegBank0", "Factory"},
                                     {"RegStr2", tooLong.c_str()}, {"RegStr9", "Last"}})
        kravo::writeRegString(name, text);
    for (const auto& [name, number] : {std::pair{"RegProg0", 4u}, {"RegProg2", 7u}, {"RegProg9", 0xFFFFFFFFu}})
        kravo::writeRegDword(name, number);
    start();
    const auto& record = plugin->getRecentProgramRecord();
    EXPECT_EQ(std::tuple(record[0].programName, record[0].program, record[0].bankName),
              std::tuple("Q-groovy 120bpm", 4, "Factory"));
    EXPECT_EQ(std::tuple(record[9].programName, record[9].program, record[9].bankName), std::tuple("Last", -1, ""));
    EXPECT_TRUE(record[1].isEmpty() && record[2].isEmpty());
    EXPECT_EQ(std::tuple(stored("RegStr2"), kravo::readRegDword("RegProg2")), std::tuple(tooLong, 7u));
}

TEST_F(StartSettings, OnlyTheTwoKnownMappingsAreKeptAndTheStoredOrAChosenOneIsUsedAtOnce)
{
    const std::pair<const char*, const char*> cases[] = {{nullptr, "GM"}, {"Standard", "Standard"}, {"GM", "GM"},
        {"gm", "GM"}, {"standard", "GM"}, {"Standard ", "GM"}, {"", "GM"}, {"Custom", "GM"}};
    for (const auto& [storedBefore, expected] : cases) {
        if (storedBefore)
            kravo::writeRegString("Mapping", storedBefore);
        char name[kravo::kTextSettingCapacity] = "stale";
        kravo::readMappingSetting(name);
        EXPECT_EQ(std::tuple(std::string(name), stored("Mapping")), std::tuple(expected, expected))
            << (storedBefore ? storedBefore : "(missing)");
    }

    kravo::writeRegString("Mapping", "Standard");
    start();
    EXPECT_EQ(std::tuple(plugin->getNoteMap().padOf(39), plugin->getNoteMap().padOf(32)),
              std::tuple(3, NoteMap::kNoPad));
    plugin->writeMappingSetting("GM");
    EXPECT_EQ(std::tuple(stored("Mapping"), plugin->getNoteMap().padOf(39)), std::tuple("GM", 8));
    plugin->writeMappingSetting("Standard");
    EXPECT_EQ(std::tuple(stored("Mapping"), plugin->getNoteMap().padOf(39)), std::tuple("Standard", 3));
}

} // namespace
