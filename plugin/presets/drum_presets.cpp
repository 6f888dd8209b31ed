#include "plugin/aplugin.h"

#include "platform/windows_paths.h"
#include "plugin/parameters/mixer_parameters.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "plugin/parameters/text_field_parameters.h"
#include "plugin/parameters/voice_order.h"
#include "plugin/presets/drum_preset_file.h"
#include "plugin/settings/path_text.h"
#include "plugin/settings/user_dialogs.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

using kravo::presets::DrumPresetList;
using kravo::presets::DrumPresetRead;
using kravo::presets::DrumPresetSlot;
using kravo::param::kSampleNameLength;

constexpr const char* kProblemNotice = "Problem with Preset File";

bool isSampleSlot(std::int32_t slot)
{
    return slot >= kravo::param::kFirstSampleSlot && slot < kravo::param::kVoiceSlotCount;
}

int sampleNameFirst(std::int32_t slot, int layer)
{
    return kravo::param::sampleNameIndex(static_cast<kravo::param::SampleLayer>(layer),
                                         slot - kravo::param::kFirstSampleSlot);
}

} // namespace

DrumPresetSlot APlugin::presetSlot(std::int32_t slot) const
{
    const std::int32_t tomUser = slot - kravo::param::kFirstTomUserSlot;
    const bool userMode = tomUser >= 0 && tomUser < kravo::param::kTomUserSlotCount && isUserMode(tomUser);
    return kravo::presets::drumPresetSlot(slot, userMode);
}

std::int32_t APlugin::getPresetParameterIndex(std::int32_t slot, std::int32_t k) const
{
    const DrumPresetSlot target = presetSlot(slot);
    if (isSampleSlot(slot) || k < 0 || static_cast<std::size_t>(k) >= target.list.size())
        return 0;
    return target.list[static_cast<std::size_t>(k)] + target.offset;
}

std::int32_t APlugin::getPresetValueCount(std::int32_t slot) const
{
    return static_cast<std::int32_t>(presetSlot(slot).list.size());
}

std::int32_t APlugin::getPresetDrumType(std::int32_t slot) const
{
    return presetSlot(slot).type;
}

std::int32_t APlugin::getPresetFolderIndex(std::int32_t slot) const
{
    return presetSlot(slot).folder;
}

void APlugin::listDrumPresets(std::int32_t slot)
{
    if (slot < 0 || slot >= kravo::param::kVoiceSlotCount)
        return;
    const int folder = presetSlot(slot).folder;
    drumPresetLists[static_cast<std::size_t>(folder)].list(folderSettings.drumPresetFolders[folder]);
}

std::int32_t APlugin::getDrumPresetCount(std::int32_t slot) const
{
    if (slot < 0 || slot >= kravo::param::kVoiceSlotCount)
        return 0;
    return drumPresetLists[static_cast<std::size_t>(presetSlot(slot).folder)].count();
}

std::string APlugin::getDrumPresetName(std::int32_t slot, std::int32_t n) const
{
    if (slot < 0 || slot >= kravo::param::kVoiceSlotCount)
        return {};
    return drumPresetLists[static_cast<std::size_t>(presetSlot(slot).folder)].name(n);
}

std::string APlugin::presetFileTitle(std::int32_t slot, std::int32_t n) const
{
    if (slot < 0 || slot >= kravo::param::kVoiceSlotCount)
        return {};
    return drumPresetLists[static_cast<std::size_t>(presetSlot(slot).folder)].fileTitle(n);
}

std::string APlugin::getDrumSlotPresetName(std::int32_t slot) const
{
    if (slot < 0 || slot >= kravo::param::kVoiceSlotCount)
        return {};
    std::string name = getParamText(kravo::param::drumPresetName[static_cast<std::size_t>(slot)],
                                    kravo::param::kDrumPresetNameLength, -1);
    std::erase_if(name, [](char c) { return c < 32 || c > 126; });
    return name;
}

void APlugin::setDrumSlotPresetName(std::int32_t slot, const std::string& name)
{
    if (slot < 0 || slot >= kravo::param::kVoiceSlotCount)
        return;
    setParamText(kravo::param::drumPresetName[static_cast<std::size_t>(slot)], name,
                 kravo::param::kDrumPresetNameLength, -1);
}

std::string APlugin::presetPath(std::int32_t slot, const std::string& name) const
{
    return folderSettings.drumPresetFolders[presetSlot(slot).folder] + name + ".dpr";
}

void APlugin::loadDrumPresetByIndex(std::int32_t slot, std::int32_t n)
{
    if (n < 0 || n >= getDrumPresetCount(slot))
        return;
    // Taken before the load, kept only when it succeeds: a failed load leaves the last undo in place.
    const std::vector<float> before(currentValues, currentValues + kNumParams);
    if (!loadDrumPresetFile(slot, presetPath(slot, presetFileTitle(slot, n)).c_str()))
        return;
    std::copy(before.begin(), before.end(), presetUndoValues);
    presetUndoAvailable = true;
}

bool APlugin::loadDrumPresetFile(std::int32_t slot, const char* path)
{
    const DrumPresetSlot target = presetSlot(slot);
    if (target.list.empty())
        return false;
    kravo::presets::DrumPresetContent content;
    switch (kravo::presets::readDrumPresetFile(path, target.type, target.list.size(), isSampleSlot(slot), content)) {
    case DrumPresetRead::Unreadable:
        kravo::askUser(kProblemNotice, 0);
        return false;
    case DrumPresetRead::WrongType:
        kravo::askUser("Incorrect drum type", 0);
        return false;
    case DrumPresetRead::Loaded:
        break;
    }
    for (std::size_t k = 0; k < content.values.size(); ++k)
        setParameter(target.list[k] + target.offset, content.values[k]);
    if (isSampleSlot(slot)) {
        for (int layer = 0; layer < 2; ++layer)
            for (int i = 0; i < kSampleNameLength; ++i)
                setParameter(sampleNameFirst(slot, layer) + i,
                             content.sampleNames[static_cast<std::size_t>(layer * kSampleNameLength + i)]);
        reloadSlotSamples(slot);
    } else {
        loadFactorySample(slot);
    }
    char title[kravo::kPathBufferSize];
    kravo::fileTitleFromPath(path, title);
    setDrumSlotPresetName(slot, title);
    presetApplied();
    return true;
}

void APlugin::loadDefaultDrumPreset(std::int32_t slot)
{
    const DrumPresetSlot target = presetSlot(slot);
    if (target.list.empty())
        return;
    std::copy(currentValues, currentValues + kNumParams, presetUndoValues);
    presetUndoAvailable = true;
    setDrumSlotPresetName(slot, "Default");
    for (const int index : target.list)
        setParameter(index + target.offset, defaultValues[index + target.offset]);
    if (isSampleSlot(slot)) {
        for (int layer = 0; layer < 2; ++layer)
            for (int i = 0; i < kSampleNameLength; ++i)
                setParameter(sampleNameFirst(slot, layer) + i, 0.0f);
        reloadSlotSamples(slot);
    }
    presetApplied();
}

void APlugin::undoDrumPreset(std::int32_t slot)
{
    if (!presetUndoAvailable || slot < 0 || slot >= kravo::param::kVoiceSlotCount)
        return;
    // The reload trigger is left out: its write would re-apply the whole
    // program, cutting every voice, where undo only puts values back.
    for (std::int32_t index = 0; index < kNumParams; ++index)
        if (index != kravo::param::kReloadTrigger)
            setParameter(index, presetUndoValues[index]);
    reloadSlotSamples(slot);
    presetApplied();
}

void APlugin::reloadSlotSamples(std::int32_t slot)
{
    if (!isSampleSlot(slot))
        return;
    for (int layer = 0; layer < 2; ++layer)
        reloadLayerSample(slot - kravo::param::kFirstSampleSlot, layer);
}

void APlugin::presetApplied()
{
    requestEditorRefresh();
    refreshSampleBrowserIfOpen();
}

// A name the list could show and load again: one file in the slot's folder, no folder parts.
bool APlugin::isPresetFileName(std::int32_t slot, const std::string& name) const
{
    if (name.empty() || name.size() >= DrumPresetList::kNameSize)
        return false;
    if (std::any_of(name.begin(), name.end(), [](char c) { return c < 32 || c > 126 || c == '\\' || c == '/' || c == ':'; }))
        return false;
    return name != "." && name != ".." && presetPath(slot, name).size() < kravo::kPathBufferSize;
}

bool APlugin::saveDrumPreset(std::int32_t slot, const std::string& name)
{
    const DrumPresetSlot target = presetSlot(slot);
    if (target.list.empty())
        return false;
    std::vector<float> values;
    for (const int index : target.list)
        values.push_back(getParameter(index + target.offset));
    std::vector<float> sampleNames;
    if (isSampleSlot(slot))
        for (int layer = 0; layer < 2; ++layer)
            for (int i = 0; i < kSampleNameLength; ++i)
                sampleNames.push_back(getParameter(sampleNameFirst(slot, layer) + i));
    const bool saved = isPresetFileName(slot, name) &&
                       kravo::presets::writeDrumPresetFile(presetPath(slot, name).c_str(), target.type, name,
                                                           values, sampleNames);
    if (!saved)
        kravo::askUser(kProblemNotice, 0);
    listDrumPresets(slot);
    return saved;
}

bool APlugin::renameDrumPreset(std::int32_t slot, std::int32_t n, const std::string& name)
{
    std::error_code error;
    bool renamed = false;
    if (n >= 0 && n < getDrumPresetCount(slot) && isPresetFileName(slot, name)) {
        const auto from = platform::nativePath(presetPath(slot, presetFileTitle(slot, n)).c_str());
        const auto to = platform::nativePath(presetPath(slot, name).c_str());
        if (!std::filesystem::exists(to, error) && !error) {
            std::filesystem::rename(from, to, error);
            renamed = !error;
        }
    }
    if (!renamed)
        kravo::askUser(kProblemNotice, 0);
    listDrumPresets(slot);
    return renamed;
}

bool APlugin::deleteDrumPreset(std::int32_t slot, std::int32_t n)
{
    const bool deleted = n >= 0 && n < getDrumPresetCount(slot) &&
                         platform::removeFile(presetPath(slot, presetFileTitle(slot, n)).c_str()) == 0;
    if (!deleted)
        kravo::askUser(kProblemNotice, 0);
    listDrumPresets(slot);
    return deleted;
}
