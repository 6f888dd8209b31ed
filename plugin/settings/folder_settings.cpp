#include "plugin/settings/folder_settings.h"

#include "plugin/settings/registry_settings.h"

#include "platform/registry.h"

#include <cstring>

namespace kravo {

namespace {

struct DrumPresetFolder {
    int slot;
    const char* valueName;
    const char* defaultFolder;
};

// In the order they are read. Slot 3 (open hi-hats) copies slot 2; slots 8..23 are unused.
constexpr DrumPresetFolder kDrumPresetFolders[] = {
    {0, "BDPresetDir", "C:\\Kravo\\DrumPresets\\BD"},
    {1, "SNPresetDir", "C:\\Kravo\\DrumPresets\\SN"},
    {2, "HHPresetDir", "C:\\Kravo\\DrumPresets\\HH"},
    {5, "TomPresetDir", "C:\\Kravo\\DrumPresets\\Tom"},
    {4, "ClapPresetDir", "C:\\Kravo\\DrumPresets\\Clap"},
    {6, "UserPresetDir", "C:\\Kravo\\DrumPresets\\User\\"},
    {7, "SamplePresetDir", "C:\\Kravo\\DrumPresets\\samples"},
};
constexpr int kClosedHatSlot = 2;
constexpr int kOpenHatSlot = 3;

void readFolder(const char* valueName, const char* defaultFolder, char (&field)[kPathBufferSize])
{
    const RegStringRead outcome = readRegString(valueName, std::span<char>(field, kFolderSettingCapacity));
    if (field[0] != 0)
        return;
    std::strcpy(field, defaultFolder);
    if (outcome != RegStringRead::tooLong)
        writeRegString(valueName, field);
}

// A folder read with the settings' capacity always has room for the separator in its field.
void endWithSeparator(char (&field)[kPathBufferSize])
{
    const std::size_t length = std::strlen(field);
    if (length == 0 || field[length - 1] != '\\') {
        field[length] = '\\';
        field[length + 1] = 0;
    }
}

} // namespace

void loadFolderSettings(FolderSettings& folders)
{
    static_assert(kFolderSettingCapacity + 1 <= kPathBufferSize);
    // A fresh store gets every default at once.
    platform::RegistryBatch batch;

    readFolder("BaseDir", "C:\\Morvane\\Kravo\\", folders.baseFolder);
    readFolder("BankDir", "C:\\Morvane\\Kravo\\Banks", folders.bankFolder);
    readFolder("PresetDir", "C:\\Morvane\\Kravo\\Presets", folders.presetFolder);
    readFolder("PatternDir", "C:\\Morvane\\Kravo\\Patterns", folders.patternFolder);
    readFolder("HelpFile", "C:\\Morvane\\Kravo\\Manual\\KravoManual.pdf", folders.helpFile);
    readFolder("ECSDir", "C:\\Morvane\\Kravo\\ECS", folders.ecsFolder);
    for (const DrumPresetFolder& preset : kDrumPresetFolders)
        readFolder(preset.valueName, preset.defaultFolder, folders.drumPresetFolders[preset.slot]);
    std::strcpy(folders.drumPresetFolders[kOpenHatSlot], folders.drumPresetFolders[kClosedHatSlot]);
    readFolder("SampleDir", "C:\\Kravo\\Samples\\", folders.sampleFolder);

    endWithSeparator(folders.patternFolder);
    for (auto& folder : folders.drumPresetFolders)
        endWithSeparator(folder);
    endWithSeparator(folders.sampleFolder);
}

} // namespace kravo
