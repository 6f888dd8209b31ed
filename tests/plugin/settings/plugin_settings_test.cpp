#include "platform/registry_file.h"
#include "plugin/aplugin.h"
#include "plugin/settings/registry_settings.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::string stored(const std::string& valueName)
{
    char text[kravo::kFolderSettingCapacity] = {};
    kravo::readRegString(valueName.c_str(), text);
    return text;
}

class PluginSettings : public kravo::test::UserFilesTest {
protected:
    void construct() { plugin.reset(static_cast<APlugin*>(createEffectInstance(nullptr))); }

    std::unique_ptr<APlugin> plugin;
};

TEST_F(PluginSettings, AFreshStoreEndsWithEveryValueAndDefault)
{
    construct();

    for (const char* folder : {"BaseDir", "BankDir", "PresetDir", "PatternDir", "HelpFile", "ECSDir", "BDPresetDir",
                               "SNPresetDir", "HHPresetDir", "TomPresetDir", "ClapPresetDir", "UserPresetDir",
                               "SamplePresetDir", "SampleDir"})
        EXPECT_NE(stored(folder), "") << folder;
    EXPECT_EQ(stored("ECSDir"), "C:\\Morvane\\Kravo\\ECS");
    EXPECT_EQ(stored("Mapping"), "GM");
    for (int i = 0; i < 10; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(stored("RegStr" + n), "---");
        EXPECT_EQ(stored("RegBank" + n), "---");
        EXPECT_EQ(kravo::readRegDword(("RegProg" + n).c_str()), 0xFFFFFFFFu);
    }
    EXPECT_STREQ(plugin->getFolderSettings().patternFolder, "C:\\Morvane\\Kravo\\Patterns\\");
    EXPECT_EQ(plugin->getNoteMap().padOf(39), 8);
}

TEST_F(PluginSettings, AStartWithEverySettingStoredWritesNothing)
{
    const unsigned long before = platform::registryFileWrites();
    construct();
    EXPECT_EQ(platform::registryFileWrites(), before + 1);
    const unsigned long afterFirstStart = platform::registryFileWrites();
    plugin.reset();
    construct();
    plugin.reset();
    EXPECT_EQ(platform::registryFileWrites(), afterFirstStart);
}

TEST_F(PluginSettings, AnUnknownStoredMappingBecomesGm)
{
    kravo::writeRegString("Mapping", "gm");
    construct();
    EXPECT_EQ(stored("Mapping"), "GM");
    EXPECT_EQ(plugin->getNoteMap().padOf(39), 8);
    EXPECT_EQ(plugin->getNoteMap().padOf(60), 24);
}

TEST_F(PluginSettings, AStoredStandardMappingIsUsed)
{
    kravo::writeRegString("Mapping", "Standard");
    construct();
    EXPECT_EQ(stored("Mapping"), "Standard");
    EXPECT_EQ(plugin->getNoteMap().padOf(39), 3);
    EXPECT_EQ(plugin->getNoteMap().padOf(32), NoteMap::kNoPad);
}

TEST_F(PluginSettings, ChoosingAMappingStoresItAndSwitchesAtOnce)
{
    construct();
    plugin->writeMappingSetting("Standard");
    EXPECT_EQ(stored("Mapping"), "Standard");
    EXPECT_EQ(plugin->getNoteMap().padOf(36), 0);
    EXPECT_EQ(plugin->getNoteMap().padOf(38), 2);
    EXPECT_EQ(plugin->getNoteMap().padOf(39), 3);

    plugin->writeMappingSetting("GM");
    EXPECT_EQ(stored("Mapping"), "GM");
    EXPECT_EQ(plugin->getNoteMap().padOf(39), 8);
}

TEST_F(PluginSettings, TheStoredRecentProgramRecordIsRead)
{
    kravo::writeRegString("RegStr0", "Q-groovy 120bpm");
    kravo::writeRegDword("RegProg0", 0);
    kravo::writeRegString("RegBank0", "Factory");
    construct();
    const auto& record = plugin->getRecentProgramRecord();
    EXPECT_EQ(record[0].programName, "Q-groovy 120bpm");
    EXPECT_EQ(record[0].program, 0);
    EXPECT_EQ(record[0].bankName, "Factory");
    EXPECT_TRUE(record[1].isEmpty());
}

} // namespace
