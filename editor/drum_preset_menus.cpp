// The drum-preset menus of the selected voice: fixed commands, then the preset files of the voice's
// kind in groups of 40 names. Save, rename and delete act on the voice's current preset, the one whose
// name the menu shows.

#include "editor/ueditor.h"

#include "editor/controls/my_option_menu.h"
#include "editor/menu_styles.h"
#include "platform/message_box.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/voice_order.h"
#include "plugin/settings/path_text.h"
#include "plugin/settings/user_dialogs.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kFixedEntries[] = {"-GDrum Presets", "-", "Default Preset", "-", "Save Preset",
                                         "Rename Preset", "Delete Preset", "-", "Undo", "-"};
constexpr std::int32_t kDefaultPresetEntry = 2;
constexpr std::int32_t kSavePresetEntry = 4;
constexpr std::int32_t kRenamePresetEntry = 5;
constexpr std::int32_t kDeletePresetEntry = 6;
constexpr std::int32_t kUndoEntry = 8;
constexpr std::int32_t kNamesPerGroup = 40;
using editor::kSubMenuStyle;
constexpr const char* kPresetExtension = ".dpr";
using kravo::param::kFirstSampleSlot;
constexpr int kAnsweredYes = 1;

// The title the save dialog's file name gives: its last path part without the preset extension.
std::string presetNameOf(const std::string& path)
{
    std::string name = path.substr(path.find_last_of("\\/") + 1);
    if (name.size() > std::strlen(kPresetExtension) && name.ends_with(kPresetExtension))
        name.resize(name.size() - std::strlen(kPresetExtension));
    return name;
}

} // namespace

std::string uEditor::showPresetName()
{
    return std::string("Preset : ").append(plugin()->getDrumSlotPresetName(selectedVoice));
}

void uEditor::refreshPresetAndKitNames()
{
    if (mainPage.kitNameMenu != nullptr)
        mainPage.kitNameMenu->setDisplayText(plugin()->getBankName().c_str());
    myOptionMenu* menu = selectedVoice < kFirstSampleSlot ? mainPage.synthPresetMenu : mainPage.samplePresetMenu;
    if (menu != nullptr)
        menu->setDisplayText(showPresetName().c_str());
}

void uEditor::buildDrumPresetMenu()
{
    fillDrumPresetMenu(mainPage.synthPresetMenu, mainPage.synthPresetGroups, "Presets %d - %d");
}

void uEditor::buildSampleDrumPresetMenu()
{
    fillDrumPresetMenu(mainPage.samplePresetMenu, mainPage.samplePresetGroups, "Presets %d..%d");
}

void uEditor::fillDrumPresetMenu(myOptionMenu* menu, PresetGroups& groups, const char* titleFormat)
{
    if (menu == nullptr || !isBuilt())
        return;
    menu->removeAllEntry();
    groups = {};
    for (const char* entry : kFixedEntries)
        menu->addEntry(entry);
    plugin()->listDrumPresets(selectedVoice);
    const std::int32_t count = plugin()->getDrumPresetCount(selectedVoice);
    std::size_t group = 0;
    for (std::int32_t first = 0; first < count && group < groups.size(); first += kNamesPerGroup, ++group) {
        const std::int32_t end = std::min(first + kNamesPerGroup, count);
        auto* names = new myOptionMenu(Toolkit::CRect(535, 121, 678, 135), this, kCommandTag, nullptr, nullptr,
                                       kSubMenuStyle, true);
        for (std::int32_t n = first; n < end; ++n)
            names->addEntry(plugin()->getDrumPresetName(selectedVoice, n).c_str());
        char title[64];
        std::snprintf(title, sizeof title, titleFormat, first + 1, end);
        menu->addEntry(names, title);
        names->forget();
        groups[group] = names;
    }
    menu->setDisplayText(showPresetName().c_str());
    menu->setDirty(true);
}

bool uEditor::chooseFromDrumPresetMenu(Toolkit::CControl* control)
{
    const bool sampleVoice = selectedVoice >= kFirstSampleSlot;
    myOptionMenu* menu = sampleVoice ? mainPage.samplePresetMenu : mainPage.synthPresetMenu;
    if (menu != nullptr && control == menu) {
        runPresetCommand(static_cast<std::int32_t>(control->getValue()));
        if (sampleVoice) {
            buildSampleDrumPresetMenu();
            showSamplePage();
        } else {
            buildDrumPresetMenu();
            updateVoicePage();
        }
        return true;
    }
    const PresetGroups& groups = sampleVoice ? mainPage.samplePresetGroups : mainPage.synthPresetGroups;
    for (myOptionMenu* group : groups)
        if (group != nullptr && control == group) {
            char chosen[Toolkit::COptionMenu::kEntrySize] = {};
            if (group->getEntry(group->getCurrent(), chosen))
                loadPresetNamed(chosen);
            return true;
        }
    return false;
}

void uEditor::runPresetCommand(std::int32_t entry)
{
    switch (entry) {
    case kDefaultPresetEntry: plugin()->loadDefaultDrumPreset(selectedVoice); break;
    case kSavePresetEntry: saveCurrentPreset(); break;
    case kRenamePresetEntry: renameCurrentPreset(); break;
    case kDeletePresetEntry: deleteCurrentPreset(); break;
    case kUndoEntry: plugin()->undoDrumPreset(selectedVoice); break;
    default: break;
    }
}

// Two files may list under one shown name: the name loads once, as the last of them, so that "Undo"
// still returns to the state before the choice.
void uEditor::loadPresetNamed(const std::string& name)
{
    const std::int32_t found = listedPresetIndex(name);
    if (found < 0)
        return;
    plugin()->loadDrumPresetByIndex(selectedVoice, found);
    presetIndex[static_cast<std::size_t>(selectedVoice)] = found;
    refreshAll();
}

std::int32_t uEditor::listedPresetIndex(const std::string& name)
{
    std::int32_t found = -1;
    for (std::int32_t n = 0; n < plugin()->getDrumPresetCount(selectedVoice); ++n)
        if (plugin()->getDrumPresetName(selectedVoice, n) == name)
            found = n;
    return found;
}

// Asks in the voice's preset folder, offering the current name; "" when the user cancels.
std::string uEditor::askPresetName(const char* title)
{
    const auto& folders = plugin()->getFolderSettings();
    const char* folder = folders.drumPresetFolders[plugin()->getPresetFolderIndex(selectedVoice)];
    const std::string current = plugin()->getDrumSlotPresetName(selectedVoice);
    const std::string suggested = current.empty() ? std::string("*").append(kPresetExtension)
                                                  : std::string(current).append(kPresetExtension);
    char chosenFolder[kravo::kPathBufferSize] = {};
    char path[kravo::kPathBufferSize] = {};
    kravo::saveFileDialog(title, folder, "Drum Preset", suggested.c_str(), chosenFolder, path);
    return path[0] == 0 ? std::string() : presetNameOf(path);
}

void uEditor::saveCurrentPreset()
{
    const std::string name = askPresetName("Save Preset");
    if (name.empty() || !plugin()->saveDrumPreset(selectedVoice, name))
        return;
    plugin()->setDrumSlotPresetName(selectedVoice, name);
    presetIndex[static_cast<std::size_t>(selectedVoice)] = listedPresetIndex(name);
}

void uEditor::renameCurrentPreset()
{
    const std::int32_t current = listedPresetIndex(plugin()->getDrumSlotPresetName(selectedVoice));
    if (current < 0) {
        // Nothing listed to rename: the plug-in tells the user so.
        plugin()->renameDrumPreset(selectedVoice, current, {});
        return;
    }
    const std::string name = askPresetName("Rename Preset");
    if (name.empty() || !plugin()->renameDrumPreset(selectedVoice, current, name))
        return;
    plugin()->setDrumSlotPresetName(selectedVoice, name);
    presetIndex[static_cast<std::size_t>(selectedVoice)] = listedPresetIndex(name);
}

void uEditor::deleteCurrentPreset()
{
    const std::string name = plugin()->getDrumSlotPresetName(selectedVoice);
    const std::int32_t current = listedPresetIndex(name);
    if (current < 0) {
        plugin()->deleteDrumPreset(selectedVoice, current);
        return;
    }
    const std::string question = std::string("Delete the preset \"").append(name).append("\"?");
    if (kravo::askUser(question.c_str(), MB_YESNO) != kAnsweredYes)
        return;
    if (plugin()->deleteDrumPreset(selectedVoice, current))
        presetIndex[static_cast<std::size_t>(selectedVoice)] = -1;
}
