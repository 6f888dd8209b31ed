#include "tests/editor/editor_test.h"

#include "editor/controls/my_knob.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "platform/file_dialogs.h"
#include "platform/menu/tracked_menus.h"
#include "platform/message_box.h"
#include "platform/windows_paths.h"
#include "plugin/base/plug_event_list.h"
#include "plugin/settings/mapping_setting.h"
#include "plugin/settings/registry_settings.h"
#include "toolkit/kick_button.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Toolkit::CControl;

class EditorMenus : public kravo::test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        platform::resetFileDialogs();
        platform::resetMessageBoxes();
        ASSERT_TRUE(openEditor());
        for (const int voice : {0, 16}) {
            std::filesystem::remove_all(platform::nativePath(presetFolder(voice).c_str()));
            std::filesystem::create_directories(platform::nativePath(presetFolder(voice).c_str()));
        }
    }
    std::string presetFolder(int voice)
    {
        return plugin->getFolderSettings().drumPresetFolders[plugin->getPresetFolderIndex(voice)];
    }
    static std::string entry(Toolkit::COptionMenu* menu, int index)
    {
        char text[256] = {};
        menu->getEntry(index, text);
        return text;
    }
    static std::vector<std::string> entries(Toolkit::COptionMenu* menu)
    {
        std::vector<std::string> texts;
        for (int n = 0; n < menu->getNbEntries(); ++n)
            texts.push_back(entry(menu, n));
        return texts;
    }
    // The user's choice of entry n in a menu, as the menu reports it.
    void choose(myOptionMenu* menu, int n)
    {
        menu->setValue(static_cast<float>(n));
        editor->valueChanged(nullptr, menu);
    }
    myOptionMenu* presetMenu() { return editor->mainPage.synthPresetMenu; }
    void savePreset(int voice, const std::string& name) { ASSERT_TRUE(plugin->saveDrumPreset(voice, name)); }
    std::vector<std::string> presetNames(int voice)
    {
        std::vector<std::string> names;
        for (myOptionMenu* group : voice < 16 ? editor->mainPage.synthPresetGroups : editor->mainPage.samplePresetGroups)
            if (group != nullptr)
                for (const std::string& name : entries(group))
                    names.push_back(name);
        return names;
    }
};

TEST_F(EditorMenus, TheProgramMenuListsNumberedNamesAndSelectsTheProgramWhoseNameWasChosen)
{
    myOptionMenu* list = editor->mainPage.programList;
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->getNbEntries(), 32);
    char name[64] = {};
    plugin->getProgramNameIndexed(-1, 31, name);
    EXPECT_EQ(entry(list, 31), std::string("32 ").append(name));
    plugin->getProgramNameIndexed(-1, 0, name);
    EXPECT_EQ(std::string(editor->mainPage.programMenu->getDisplayText()), std::string("01 ").append(name));
    EXPECT_EQ(entries(editor->mainPage.kitNameMenu), std::vector<std::string>{"00 Introduction"});

    choose(list, 5);
    EXPECT_EQ(plugin->getProgram(), 5);
    EXPECT_EQ(std::string(editor->mainPage.programMenu->getDisplayText()), entry(list, 5));
    list->setEntry(3, "99 Nowhere");
    choose(list, 3);
    EXPECT_EQ(plugin->getProgram(), 5);
    editor->refreshAll(); // the refresh writes the names again
    EXPECT_EQ(entry(list, 3).substr(0, 3), "04 ");
}

TEST_F(EditorMenus, PresetsComeInGroupsOfFortyTitledByKind)
{
    myOptionMenu* menu = presetMenu();
    editor->buildDrumPresetMenu();
    const std::vector<std::string> fixed = {"-GDrum Presets", "-",    "Default Preset", "-", "Save Preset",
                                            "Rename Preset",  "Delete Preset", "-", "Undo", "-"};
    EXPECT_EQ(entries(menu), fixed);

    for (int n = 1; n <= 57; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "P%02d", n);
        savePreset(0, name);
        savePreset(16, name);
    }
    editor->buildDrumPresetMenu();
    std::vector<std::string> grouped = fixed;
    grouped.push_back("-MPresets 1 - 40");
    grouped.push_back("-MPresets 41 - 57");
    EXPECT_EQ(entries(menu), grouped);
    EXPECT_EQ(presetNames(0).size(), 57u);

    editor->selectedVoice = 16;
    editor->buildSampleDrumPresetMenu();
    const auto sampleEntries = entries(editor->mainPage.samplePresetMenu);
    EXPECT_EQ(std::vector<std::string>(sampleEntries.end() - 2, sampleEntries.end()),
              (std::vector<std::string>{"-MPresets 1..40", "-MPresets 41..57"}));
}

TEST_F(EditorMenus, AChosenNameLoadsOnceAndUndoReturnsToTheStateBeforeIt)
{
    presetMenu();
    plugin->setParameter(144, 0.3f);
    savePreset(0, "Twin");
    // A second file that lists under the same shown name.
    std::filesystem::copy_file(platform::nativePath((presetFolder(0) + "Twin.dpr").c_str()),
                               platform::nativePath((presetFolder(0) + "Twin\x01.dpr").c_str()));
    editor->buildDrumPresetMenu();
    ASSERT_EQ(presetNames(0), (std::vector<std::string>{"Twin", "Twin"}));
    plugin->setParameter(144, 0.7f);
    myOptionMenu* group = editor->mainPage.synthPresetGroups[0];
    choose(group, 0);
    EXPECT_EQ(plugin->getParameter(144), 0.3f);
    EXPECT_EQ(editor->presetIndex[0], 1);
    choose(presetMenu(), 8); // "Undo"
    EXPECT_EQ(plugin->getParameter(144), 0.7f);
}

TEST_F(EditorMenus, SaveRenameAndDeleteActOnTheCurrentPresetAfterAskingTheUser)
{
    myOptionMenu* menu = presetMenu();
    editor->buildDrumPresetMenu();
    plugin->setParameter(144, 0.25f);
    platform::scriptSaveFileAnswer("Mine");
    choose(menu, 4); // "Save Preset"
    EXPECT_EQ(presetNames(0), std::vector<std::string>{"Mine"});
    EXPECT_EQ(std::string(menu->getDisplayText()), "Preset : Mine");
    const auto dialog = platform::recordedFileDialogs().at(0);
    EXPECT_EQ(dialog.initialFolder, presetFolder(0));
    plugin->setParameter(144, 0.75f);
    choose(editor->mainPage.synthPresetGroups[0], 0);
    EXPECT_EQ(plugin->getParameter(144), 0.25f);

    platform::scriptSaveFileAnswer(""); // cancelled: nothing changes
    choose(menu, 5);
    EXPECT_EQ(presetNames(0), std::vector<std::string>{"Mine"});
    platform::scriptSaveFileAnswer("Yours");
    choose(menu, 5); // "Rename Preset"
    EXPECT_EQ(presetNames(0), std::vector<std::string>{"Yours"});
    EXPECT_EQ(std::string(menu->getDisplayText()), "Preset : Yours");

    platform::scriptMessageBoxAnswers("no");
    choose(menu, 6); // "Delete Preset"
    EXPECT_EQ(presetNames(0), std::vector<std::string>{"Yours"});
    platform::scriptMessageBoxAnswers("yes");
    choose(menu, 6);
    EXPECT_TRUE(presetNames(0).empty());
    EXPECT_EQ(platform::recordedMessageBoxes().size(), 2u);
}

TEST_F(EditorMenus, TheContextMenuNamesTheControllerAndResetsOrLatchesTheParameter)
{
    myKnob* knob = nullptr;
    editor->makeKnob(knob, 130, 10, 20);
    editor->getFrame()->addView(knob);
    auto contextMenu = [&](std::vector<std::string> choice) {
        const std::size_t before = editor->getFrame()->getNbViews();
        platform::menu::forgetRecordedMenus();
        if (!choice.empty())
            choosePopup(std::move(choice));
        click(30, 40, VK_RBUTTON);
        EXPECT_EQ(editor->getFrame()->getNbViews(), before); // the menu is gone again
        std::vector<std::string> texts;
        for (const auto& item : platform::recordedMenus().at(0).items)
            texts.push_back(item.text);
        return texts;
    };
    auto shows = [](const std::vector<std::string>& texts, const char* text) {
        return std::count(texts.begin(), texts.end(), text) == 1;
    };

    EXPECT_TRUE(shows(contextMenu({}), "Not Latched"));
    kravo::writeMidiMapEntry(7, 130);
    kravo::writeMidiMapEntry(74, 130);
    const auto texts = contextMenu({});
    EXPECT_TRUE(shows(texts, "Midi CC : 74") && !shows(texts, "Not Latched"));

    plugin->setParameter(130, 0.9f);
    hostCalls().clear();
    contextMenu({"Set to Default"});
    EXPECT_EQ(plugin->getParameter(130), plugin->getDefaultValues()[130]);
    contextMenu({"Set to Zero"});
    EXPECT_EQ(plugin->getParameter(130), plugin->getZeroValues()[130]);
    EXPECT_EQ(std::count_if(hostCalls().begin(), hostCalls().end(),
                            [](const HostCall& call) { return call.opcode == hostOpSetParameterAutomated; }),
              2);

    contextMenu({"Latch to Midi"});
    PlugEventList events;
    events.add(0, 0xB0, 21, 64);
    plugin->processEvents(events.list());
    float left[1], right[1], *outputs[2] = {left, right};
    plugin->processReplacing(nullptr, outputs, 1);
    EXPECT_EQ(plugin->getMidiCcMap().parameterOf(21), 130);
    plugin->clearMidiCcMap();
    knob->forget();
}

TEST_F(EditorMenus, TheOverlayShowsTheKeyAndMappingSettingsAndGivesThePagesBack)
{
    ASSERT_NE(editor->overlay.mappingMenu, nullptr);
    editor->arrowKeysStepPrograms = 1;
    kravo::writeRegString("Mapping", kravo::kStandardMapping);
    editor->mainPage.logoButton->setValue(1.0f);
    editor->valueChanged(nullptr, editor->mainPage.logoButton);
    Toolkit::CFrame* frame = editor->getFrame();
    EXPECT_EQ(frame->getBackground(), editor->image(10001));
    EXPECT_EQ(frame->getNbViews(), 4);
    EXPECT_EQ(editor->overlay.keySwitch->getValue(), 1.01f);
    EXPECT_EQ(std::string(editor->overlay.mappingMenu->getDisplayText()), "Standard");

    char stored[kravo::kTextSettingCapacity + 1] = {};
    for (const char* mapping : {"GM", "Standard"}) {
        choose(editor->overlay.mappingMenu, std::string(mapping) == "GM" ? 0 : 1);
        kravo::readMappingSetting(stored);
        EXPECT_EQ(std::string(stored), mapping);
    }
    editor->overlay.keySwitch->setValue(0.0f);
    editor->valueChanged(nullptr, editor->overlay.keySwitch);
    kravo::readRegString("Key", stored);
    EXPECT_EQ(std::tuple(std::string(stored), int{editor->arrowKeysStepPrograms}), std::tuple(std::string("N"), 0));

    // A click anywhere else takes the overlay off.
    click(500, 300);
    EXPECT_EQ(frame->getBackground(), editor->image(10000));
    EXPECT_FALSE(frame->isChild(editor->overlay.closeButton));

    editor->showOverlay(); // closed while shown: every control is released once
}

} // namespace
