#include "tests/editor/editor_test.h"

#include "editor/controls/my_knob.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/controls/my_text_button.h"
#include "plugin/settings/registry_settings.h"
#include "toolkit/kick_button.h"

#include <algorithm>
#include <cmath>
#include <array>
#include <string>
#include <thread>
#include <tuple>

namespace {

class VoiceSelector : public kravo::test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        kravo::writeRegString("Mapping", "GM");
        kravo::writeRegString("Dynamic", "Y");
        ASSERT_TRUE(openEditor());
        plugin->setSampleRate(44100.0f);
        idle();
    }
    // Voice selector places, in the editor's coordinates.
    static POINT padAt(int voice) { return {31 + voice / 8 * 64 + 20, 383 + voice % 8 * 25 + 12}; }
    static POINT selectButtonAt(int voice) { return {31 + voice / 8 * 64 + 55, 383 + voice % 8 * 25 + 16}; }
    void clickPad(int voice) { click(padAt(voice).x, padAt(voice).y); }
    std::array<float, 24> selectLights() const
    {
        std::array<float, 24> values{};
        for (std::size_t n = 0; n < values.size(); ++n)
            values[n] = editor->voiceSelectButtons[n]->getValue();
        return values;
    }
};

TEST_F(VoiceSelector, LightsSetOnAnotherThreadShowAtTheNextIdleAndPad32IsNone)
{
    editor->setVoiceLed(32, true);
    EXPECT_EQ(editor->voiceLedsDirty.load(), 0);
    std::thread([&] { editor->setVoiceLed(3, true); }).join();
    EXPECT_EQ(editor->voicePads[3]->getValue(), 0.0f);
    idle();
    EXPECT_EQ(editor->voicePads[3]->getValue(), 1.0f);
    EXPECT_EQ(editor->voiceLedsDirty.load(), 0);
}

TEST_F(VoiceSelector, APadAuditionsItsVoiceAndWithDynamicSelectsIt)
{
    kravo::writeRegString("Dynamic", "N");
    editor->rebuildFrame();
    EXPECT_EQ(render(), 0.0f);
    clickPad(2);
    idle();
    EXPECT_GT(render(), 0.0f); // the voice sounds in the next block
    EXPECT_EQ(editor->selectedVoice, 0);

    kravo::writeRegString("Dynamic", "Y");
    editor->rebuildFrame();
    // The selected voice in mode 0: only the audition, no switch and no refresh.
    myKnob* volume = editor->mainPage.masterVolume;
    volume->setValue(plugin->getParameter(2) == 0.0f ? 1.0f : 0.0f);
    clickPad(0);
    EXPECT_NE(volume->getValue(), plugin->getParameter(2));
    // A lit pad still plays, and selects its voice.
    editor->setVoiceLed(3, true);
    idle();
    clickPad(3);
    EXPECT_EQ(std::tuple(editor->selectedVoice, editor->pageMode), std::tuple(3, 0));
    EXPECT_EQ(volume->getValue(), plugin->getParameter(2));

    // From the mixer a pad goes back to the voice page, even for the selected voice.
    editor->pageMode = 1;
    editor->rebuildFrame();
    clickPad(3);
    EXPECT_EQ(std::tuple(editor->selectedVoice, editor->pageMode), std::tuple(3, 0));
}

TEST_F(VoiceSelector, ASelectButtonShowsItsVoiceAndLightsAloneAndHoverNamesThePad)
{
    editor->pageMode = 2;
    editor->rebuildFrame();
    click(selectButtonAt(9).x, selectButtonAt(9).y);
    EXPECT_EQ(std::tuple(editor->selectedVoice, editor->pageMode), std::tuple(9, 0));
    std::array<float, 24> expected{};
    expected[9] = 1.0f;
    EXPECT_EQ(selectLights(), expected);

    for (const auto& [pad, name, note] : {std::tuple(5, "Open HiHat 1", "Midi Note 46 (A#1)"),
                                          std::tuple(7, "Open HiHat 2", "Midi Note 58 (A#2)")}) {
        dragTo(padAt(pad).x, padAt(pad).y);
        idle();
        EXPECT_EQ(std::string(editor->mainPage.infoTitle->getText()), name);
        EXPECT_EQ(std::string(editor->mainPage.infoText->getText()), note);
    }
}

TEST_F(VoiceSelector, TheMixerEditsEachVoicesOwnVolumeAndPanAndTheEffectSlots)
{
    EXPECT_EQ(std::tuple(editor->mixerVolumeKnobs[5]->getTag(), editor->mixerPanKnobs[5]->getTag()), std::tuple(16, 40));
    EXPECT_EQ(std::tuple(editor->mixerVolumeKnobs[6]->getTag(), editor->mixerPanKnobs[6]->getTag()), std::tuple(15, 39));
    for (std::int32_t slot = 0; slot < 4; ++slot)
        EXPECT_EQ(editor->mixerFxBypassButtons[static_cast<std::size_t>(slot)]->getTag(), 1554 + slot);

    click(32 + 191 + 10, 119 + 3 + 7); // the mixer's page button
    ASSERT_EQ(editor->pageMode, 1);
    EXPECT_EQ(firstStaleControl(), -1);
    editor->selectProgram(5);
    EXPECT_EQ(firstStaleControl(), -1);

    hostCalls().clear();
    const int x = 32 + 67 - 43 + 21, y = 136 + 46 + 2 * 54 - 29 + 21; // voice 2's volume
    drag(x, y, x, y - 30);
    EXPECT_TRUE(std::any_of(hostCalls().begin(), hostCalls().end(), [](const HostCall& call) {
        return call.opcode == hostOpSetParameterAutomated && call.index == 12;
    }));
    EXPECT_EQ(editor->mainPage.mixerStrips[2].volume->getValue(), plugin->getParameter(12));
    EXPECT_EQ(editor->mixerVolumeKnobs[2]->getValue(), plugin->getParameter(12));
    savePicture("mixer-page");
}

} // namespace
