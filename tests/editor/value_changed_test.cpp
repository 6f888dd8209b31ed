#include "tests/editor/editor_test.h"

#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "platform/shell/shell_execute.h"
#include "platform/windows_paths.h"
#include "plugin/settings/registry_settings.h"
#include "toolkit/kick_button.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <tuple>

namespace {

using Toolkit::CControl;
using Toolkit::CKickButton;

class ValueChanged : public kravo::test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(openEditor());
    }
    // As a click reports it: pressed, then (for kick buttons) released.
    void press(CControl* control)
    {
        control->setValue(1.0f);
        editor->valueChanged(nullptr, control);
        if (dynamic_cast<CKickButton*>(control) != nullptr) {
            control->setValue(0.0f);
            editor->valueChanged(nullptr, control);
        }
    }
    bool automated(std::int32_t index) const
    {
        return std::any_of(hostCalls().begin(), hostCalls().end(), [&](const HostCall& call) {
            return call.opcode == hostOpSetParameterAutomated && call.index == index;
        });
    }
};

TEST_F(ValueChanged, EffectSlotAndPageButtonsShowOnlyTheChosenOne)
{
    auto shown = [](const auto& buttons) {
        std::array<float, 4> values{};
        std::transform(buttons.begin(), buttons.end(), values.begin(), [](auto* b) { return b->getValue(); });
        return values;
    };

    press(editor->mainPage.fxSlotButtons[0]);
    press(editor->mainPage.fxSlotButtons[2]);
    EXPECT_EQ(editor->selectedFxSlot, 2);
    EXPECT_EQ(shown(editor->mainPage.fxSlotButtons), (std::array<float, 4>{0, 0, 1, 0}));

    press(editor->mainPage.pageButtons[3]);
    press(editor->mainPage.pageButtons[1]);
    EXPECT_EQ(editor->pageMode, 1);
    EXPECT_EQ(shown(editor->mainPage.pageButtons), (std::array<float, 4>{0, 1, 0, 0}));
    press(editor->mainPage.noPanelPageButton);
    EXPECT_EQ(editor->pageMode, 4);
    EXPECT_EQ(shown(editor->mainPage.pageButtons), (std::array<float, 4>{0, 0, 0, 0}));
    EXPECT_EQ(editor->selectedFxSlot, 2); // the page buttons leave the effect slot alone
}

TEST_F(ValueChanged, TheDynamicSwitchIsStoredAsASetting)
{
    myOnOff* dynamic = editor->mainPage.dynamicPagesSwitch;
    char stored[kravo::kTextSettingCapacity + 1] = {};
    for (const auto& [value, flag, text] : {std::tuple(0.5f, 1, "Y"), std::tuple(0.49f, 0, "N")}) {
        dynamic->setValue(value);
        editor->valueChanged(nullptr, dynamic);
        kravo::readRegString("Dynamic", stored);
        EXPECT_EQ(std::tuple(int{editor->dynamicSelect}, std::string(stored)), std::tuple(flag, std::string(text)));
    }
}

TEST_F(ValueChanged, TheHelpButtonOpensTheManualOnlyWhenItCanBeRead)
{
    platform::resetShellExecutes();
    const char* manual = plugin->getFolderSettings().helpFile;
    std::filesystem::remove(platform::nativePath(manual));
    press(editor->mainPage.helpButton);
    EXPECT_TRUE(platform::recordedShellExecutes().empty());

    std::filesystem::create_directories(platform::nativePath(manual).parent_path());
    std::ofstream(platform::nativePath(manual)) << "manual";
    press(editor->mainPage.helpButton);
    const auto calls = platform::recordedShellExecutes();
    ASSERT_EQ(calls.size(), 1u); // the release of the button opens nothing
    EXPECT_EQ(std::tuple(calls[0].operation, calls[0].file, calls[0].showCommand),
              std::tuple(std::string("open"), std::string(manual), SW_SHOWNORMAL));
    std::filesystem::remove(platform::nativePath(manual));
}

TEST_F(ValueChanged, CompareAndTheMidiMapMenuReachThePlugIn)
{
    plugin->setParameter(2, 0.123f); // an edit, so the two states differ
    press(editor->mainPage.compareOriginalButton);
    EXPECT_FALSE(plugin->isCompareShowingEdited());
    EXPECT_NE(plugin->getParameter(2), 0.123f);
    press(editor->mainPage.compareEditedButton);
    EXPECT_TRUE(plugin->isCompareShowingEdited());
    EXPECT_EQ(plugin->getParameter(2), 0.123f);

    myOptionMenu* midiMap = editor->mainPage.midiMapMenu;
    plugin->getMidiCcMap().set(74, 130);
    midiMap->setValue(2.0f); // "Clear Midi"
    editor->valueChanged(nullptr, midiMap);
    EXPECT_EQ(plugin->getMidiCcMap().parameterOf(74), 0);
}

TEST_F(ValueChanged, ProgramStepsAreThrottledTo500MillisecondsAndGoRound)
{
    clock().advance(1000);
    plugin->setProgram(31);
    press(editor->mainPage.programUpButton);
    EXPECT_EQ(plugin->getProgram(), 0);
    press(editor->mainPage.programUpButton);
    clock().advance(499);
    press(editor->mainPage.programUpButton);
    EXPECT_EQ(plugin->getProgram(), 0);
    clock().advance(1);
    press(editor->mainPage.programDownButton);
    EXPECT_EQ(plugin->getProgram(), 31);

    // The tick counter wraps: the next press steps at once.
    clock().advance(0xFFFFFF00u - clock().tickCount());
    press(editor->mainPage.programDownButton);
    EXPECT_EQ(plugin->getProgram(), 30);
    clock().advance(10u - clock().tickCount());
    press(editor->mainPage.programDownButton);
    EXPECT_EQ(plugin->getProgram(), 29);
}

TEST_F(ValueChanged, PresetStepButtonsActForTheirKindOfVoiceAndTomUserIsNotAutomated)
{
    const std::array<CKickButton*, 2>& synth = editor->mainPage.synthPresetStepButtons;
    const std::array<CKickButton*, 2>& sample = editor->mainPage.samplePresetStepButtons;
    for (const char* folder : plugin->getFolderSettings().drumPresetFolders)
        std::filesystem::create_directories(platform::nativePath(folder));
    for (const std::int32_t voice : {0, 16})
        for (const char* name : {"One", "Two"})
            ASSERT_TRUE(plugin->saveDrumPreset(voice, name));
    editor->selectedVoice = 16;
    press(synth[1]);
    EXPECT_EQ(editor->presetIndex[16], -1);
    press(sample[1]);
    press(sample[1]);
    EXPECT_EQ(editor->presetIndex[16], 1);
    press(sample[0]);
    EXPECT_EQ(std::tuple(editor->presetIndex[16], editor->presetIndex[0]), std::tuple(0, -1));

    hostCalls().clear();
    press(editor->mainPage.userButtons[1]);
    EXPECT_EQ(plugin->getParameter(1771), 1.0f);
    press(editor->mainPage.tomButtons[1]);
    EXPECT_EQ(plugin->getParameter(1771), 0.0f);
    EXPECT_FALSE(automated(1771));
}

} // namespace
