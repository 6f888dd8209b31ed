#include "plugin/settings/folder_settings.h"

#include "platform/registry_file.h"
#include "plugin/settings/registry_settings.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string stored(const char* valueName)
{
    char text[kravo::kFolderSettingCapacity] = {};
    kravo::readRegString(valueName, text);
    return text;
}

class FolderSettingsLoad : public kravo::test::UserFilesTest {
protected:
    kravo::FolderSettings folders;
};

TEST_F(FolderSettingsLoad, AFreshStoreGetsEveryDefaultWrittenBackInOneWrite)
{
    const unsigned long before = platform::registryFileWrites();
    kravo::loadFolderSettings(folders);
    EXPECT_EQ(platform::registryFileWrites(), before + 1);
    kravo::loadFolderSettings(folders);
    EXPECT_EQ(platform::registryFileWrites(), before + 1);

    const std::pair<const char*, const char*> defaults[] = {
        {"BaseDir", "C:\\Morvane\\Kravo\\"},
        {"BankDir", "C:\\Morvane\\Kravo\\Banks"},
        {"PresetDir", "C:\\Morvane\\Kravo\\Presets"},
        {"PatternDir", "C:\\Morvane\\Kravo\\Patterns"},
        {"HelpFile", "C:\\Morvane\\Kravo\\Manual\\KravoManual.pdf"},
        {"ECSDir", "C:\\Morvane\\Kravo\\ECS"},
        {"BDPresetDir", "C:\\Kravo\\DrumPresets\\BD"},
        {"SNPresetDir", "C:\\Kravo\\DrumPresets\\SN"},
        {"HHPresetDir", "C:\\Kravo\\DrumPresets\\HH"},
        {"TomPresetDir", "C:\\Kravo\\DrumPresets\\Tom"},
        {"ClapPresetDir", "C:\\Kravo\\DrumPresets\\Clap"},
        {"UserPresetDir", "C:\\Kravo\\DrumPresets\\User\\"},
        {"SamplePresetDir", "C:\\Kravo\\DrumPresets\\samples"},
        {"SampleDir", "C:\\Kravo\\Samples\\"},
    };
    for (const auto& [name, value] : defaults)
        EXPECT_EQ(stored(name), value) << name;
}

TEST_F(FolderSettingsLoad, FoldersThatPathsAreBuiltOnEndWithASeparator)
{
    kravo::loadFolderSettings(folders);

    EXPECT_STREQ(folders.baseFolder, "C:\\Morvane\\Kravo\\");
    EXPECT_STREQ(folders.bankFolder, "C:\\Morvane\\Kravo\\Banks");
    EXPECT_STREQ(folders.presetFolder, "C:\\Morvane\\Kravo\\Presets");
    EXPECT_STREQ(folders.patternFolder, "C:\\Morvane\\Kravo\\Patterns\\");
    EXPECT_STREQ(folders.helpFile, "C:\\Morvane\\Kravo\\Manual\\KravoManual.pdf");
    EXPECT_STREQ(folders.ecsFolder, "C:\\Morvane\\Kravo\\ECS");
    EXPECT_STREQ(folders.sampleFolder, "C:\\Kravo\\Samples\\");
}

TEST_F(FolderSettingsLoad, DrumPresetFoldersFollowThePresetFolderNumbers)
{
    kravo::loadFolderSettings(folders);

    EXPECT_STREQ(folders.drumPresetFolders[0], "C:\\Kravo\\DrumPresets\\BD\\");
    EXPECT_STREQ(folders.drumPresetFolders[1], "C:\\Kravo\\DrumPresets\\SN\\");
    EXPECT_STREQ(folders.drumPresetFolders[2], "C:\\Kravo\\DrumPresets\\HH\\");
    EXPECT_STREQ(folders.drumPresetFolders[3], "C:\\Kravo\\DrumPresets\\HH\\");
    EXPECT_STREQ(folders.drumPresetFolders[4], "C:\\Kravo\\DrumPresets\\Clap\\");
    EXPECT_STREQ(folders.drumPresetFolders[5], "C:\\Kravo\\DrumPresets\\Tom\\");
    EXPECT_STREQ(folders.drumPresetFolders[6], "C:\\Kravo\\DrumPresets\\User\\");
    EXPECT_STREQ(folders.drumPresetFolders[7], "C:\\Kravo\\DrumPresets\\samples\\");
    for (int slot = 8; slot < kravo::FolderSettings::kDrumPresetFolderCount; ++slot)
        EXPECT_STREQ(folders.drumPresetFolders[slot], "\\") << slot;
}

TEST_F(FolderSettingsLoad, StoredFoldersAreUsedAndKeepTheirStoredForm)
{
    kravo::writeRegString("PatternDir", "D:\\My Patterns");
    kravo::writeRegString("HHPresetDir", "D:\\Hats\\");
    kravo::loadFolderSettings(folders);

    EXPECT_STREQ(folders.patternFolder, "D:\\My Patterns\\");
    EXPECT_EQ(stored("PatternDir"), "D:\\My Patterns");
    EXPECT_STREQ(folders.drumPresetFolders[2], "D:\\Hats\\");
    EXPECT_STREQ(folders.drumPresetFolders[3], "D:\\Hats\\");
}

TEST_F(FolderSettingsLoad, AnEmptyStoredFolderIsReplacedByItsDefault)
{
    kravo::writeRegString("ECSDir", "");
    kravo::loadFolderSettings(folders);
    EXPECT_STREQ(folders.ecsFolder, "C:\\Morvane\\Kravo\\ECS");
    EXPECT_EQ(stored("ECSDir"), "C:\\Morvane\\Kravo\\ECS");
}

TEST_F(FolderSettingsLoad, AFolderTooLongToReadUsesTheDefaultButKeepsTheUsersValue)
{
    const std::string tooLong = "D:\\" + std::string(kravo::kFolderSettingCapacity, 'p');
    kravo::writeRegString("PatternDir", tooLong.c_str());
    kravo::loadFolderSettings(folders);

    EXPECT_STREQ(folders.patternFolder, "C:\\Morvane\\Kravo\\Patterns\\");
    char text[1024] = {};
    kravo::readRegString("PatternDir", text);
    EXPECT_EQ(std::string(text), tooLong);
}

TEST_F(FolderSettingsLoad, TheLongestReadableFolderStillGetsItsSeparator)
{
    const std::string longest = "D:\\" + std::string(kravo::kFolderSettingCapacity - 4, 'p');
    kravo::writeRegString("SampleDir", longest.c_str());
    kravo::loadFolderSettings(folders);
    EXPECT_EQ(std::string(folders.sampleFolder), longest + "\\");
}

} // namespace
