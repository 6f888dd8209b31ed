#include "tests/editor/sample_page_fixture.h"

#include "editor/controls/my_knob.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_button.h"
#include "editor/controls/my_text_button.h"
#include "toolkit/kick_button.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace {

using kravo::test::SamplePageTest;
using Layer = SamplePageControls::Layer;

class SamplePage : public SamplePageTest {
protected:
    const Layer& layer(int slot, int layer) const { return editor->samplePage.layers[static_cast<std::size_t>(2 * slot + layer)]; }
    const SamplePageControls::Slot& slot(int s) const { return editor->samplePage.slots[static_cast<std::size_t>(s)]; }
    void clickView(Toolkit::CView* view)
    {
        const POINT at = middleOf(view);
        click(at.x, at.y);
    }
    void chooseFrom(myOptionMenu* menu, const std::string& entry)
    {
        choosePopup({entry});
        clickView(menu);
    }
    std::size_t automateCalls(std::int32_t index, float value = -1.0f) const
    {
        return static_cast<std::size_t>(std::count_if(hostCalls().begin(), hostCalls().end(), [&](const HostCall& call) {
            return call.opcode == hostOpSetParameterAutomated && call.index == index && (value < 0.0f || call.value == value);
        }));
    }
    // Which layer's sample controls, sound controls and loop buttons stand in the page: 0 A, 1 B, -1 mixed.
    int shownLayerOf(int s, bool sound) const
    {
        const auto shownOf = [&](int l) {
            const Layer& controls = layer(s, l);
            if (sound)
                return shown(controls.filterType) && std::all_of(controls.soundKnobs.begin(), controls.soundKnobs.end(),
                                                                 [&](myKnob* knob) { return shown(knob); });
            return shown(controls.loop) && shown(controls.reverse) &&
                   std::all_of(controls.sampleKnobs.begin(), controls.sampleKnobs.end(), [&](myKnob* knob) { return shown(knob); }) &&
                   std::all_of(editor->samplePage.loopButtons[static_cast<std::size_t>(2 * s + l)].begin(),
                               editor->samplePage.loopButtons[static_cast<std::size_t>(2 * s + l)].end(),
                               [&](Toolkit::CKickButton* button) { return shown(button); });
        };
        const bool a = shownOf(0);
        const bool b = shownOf(1);
        return a && !b ? 0 : b && !a ? 1 : -1;
    }
    std::string infoLine() const
    {
        return std::string(editor->mainPage.infoTitle->getText()) + " | " + editor->mainPage.infoText->getText();
    }
};

TEST_F(SamplePage, CombineKeepsLayerASoundControlsWhileTheEditedLayerKeepsItsSampleControlsAndFile)
{
    selectVoice(17);
    EXPECT_EQ(std::tuple(shownLayerOf(1, false), shownLayerOf(1, true)), std::tuple(0, 0));
    clickView(slot(1).combine);
    EXPECT_EQ(plugin->getParameter(6249), 1.0f);
    EXPECT_EQ(automateCalls(6249, 1.0f), 1u);
    clickView(editor->samplePage.layerButtons[1]);
    EXPECT_EQ(editor->editedLayer, 1);
    EXPECT_EQ(std::tuple(shownLayerOf(1, false), shownLayerOf(1, true)), std::tuple(1, 0));
    EXPECT_EQ(std::tuple(browser()->getSourceSlot(), browser()->getSourceLayer()), std::tuple(1, 1));
    EXPECT_EQ(std::tuple(editor->samplePage.layerButtons[0]->getValue(), editor->samplePage.layerButtons[1]->getValue()),
              std::tuple(0.0f, 1.0f));

    clickView(slot(1).combine); // off: B's own sound controls at once
    EXPECT_EQ(std::tuple(shownLayerOf(1, false), shownLayerOf(1, true)), std::tuple(1, 1));
    // The slot's own controls and nothing of another slot.
    EXPECT_TRUE(shown(slot(1).playMode) && shown(slot(1).mix) && shown(slot(1).lfoSync));
    EXPECT_FALSE(shown(slot(0).playMode) || shown(layer(0, 1).loop) || shown(layer(2, 1).filterType));
    EXPECT_TRUE(shown(editor->mainPage.mixerStrips[17].volume) && shown(editor->outputMenus[17]));
    EXPECT_TRUE(shown(editor->mainPage.easyBypassSwitches[17]) && shown(browser()));
    EXPECT_EQ(editor->sampleContainer->getBackground(), editor->image(10201));

    clickView(editor->samplePage.layerButtons[0]);
    EXPECT_EQ(std::tuple(shownLayerOf(1, false), shownLayerOf(1, true)), std::tuple(0, 0));
}

TEST_F(SamplePage, TheEditedLayerSurvivesClosingAndOpeningTheEditor)
{
    selectVoice(20);
    clickView(editor->samplePage.layerButtons[1]);
    closeEditor();
    ASSERT_TRUE(openEditor());
    idle();
    EXPECT_EQ(editor->editedLayer, 1);
    EXPECT_EQ(std::tuple(editor->samplePage.layerButtons[0]->getValue(), editor->samplePage.layerButtons[1]->getValue()),
              std::tuple(0.0f, 1.0f));
    EXPECT_EQ(shownLayerOf(4, false), 1);
}

TEST_F(SamplePage, MenuItemsAreStoredAsHalfStepsOverTheirDivisorsAndReadBackAsTheSameItem)
{
    selectVoice(19);
    const char* playModes[] = {"Sample A", "Sample B", "Alternate", "Split", "Mix"};
    for (int n = 0; n < 5; ++n) {
        chooseFrom(slot(3).playMode, playModes[n]);
        EXPECT_FLOAT_EQ(plugin->getParameter(6219), (static_cast<float>(n) + 0.5f) / 9.99f);
        EXPECT_EQ(static_cast<int>(plugin->getParameter(6219) * 9.99f), n);
        EXPECT_EQ(std::string(slot(3).playMode->getDisplayText()), playModes[n]);
    }
    chooseFrom(layer(3, 0).filterType, "Comb");
    EXPECT_FLOAT_EQ(plugin->getParameter(6443), 6.5f / 6.99f);
    clickView(editor->samplePage.layerButtons[1]);
    chooseFrom(layer(3, 1).filterType, "BP");
    EXPECT_FLOAT_EQ(plugin->getParameter(6651), 3.5f / 6.99f);
    chooseFrom(slot(3).lfoMode, "Triggered");
    EXPECT_FLOAT_EQ(plugin->getParameter(7867), 1.5f / 1.99f);
    chooseFrom(slot(3).lfoSync, "Sync On");
    EXPECT_FLOAT_EQ(plugin->getParameter(7875), 1.5f / 1.99f);
    EXPECT_EQ(automateCalls(7875), 1u);

    // A change from elsewhere names its entry, clamped to the list.
    plugin->setParameter(6219, 1.0f);
    plugin->setParameter(6443, 0.3f);
    EXPECT_EQ(std::string(slot(3).playMode->getDisplayText()), "Mix");
    EXPECT_EQ(std::string(layer(3, 0).filterType->getDisplayText()), "HP");
}

TEST_F(SamplePage, ALoopButtonActsOnItsPressAndItsReleaseOnlySendsZeroToItsOwnTag)
{
    std::vector<std::int16_t> frames(1000, 1000);
    std::fill(frames.begin() + 60, frames.end(), -1000);
    sample("loop.wav", frames);
    plugin->listSampleFolder(0, 0);
    ASSERT_TRUE(plugin->loadSampleIntoLayer(0, 0, 0));
    selectVoice(16);
    hostCalls().clear();
    const auto& buttons = editor->samplePage.loopButtons[0];
    clickView(buttons[3]); // loop start, nudge forward
    EXPECT_EQ(plugin->getLoopStart(0, 0), 19.0f);
    EXPECT_EQ(automateCalls(8048, 0.0f), 1u);
    EXPECT_EQ(automateCalls(8048), 1u);
    clickView(buttons[1]); // loop start, snap forward: the next sign change
    EXPECT_EQ(plugin->getLoopStart(0, 0), 60.0f);
    clickView(buttons[6]); // loop end, nudge back
    EXPECT_EQ(plugin->getLoopEnd(0, 0), 979.0f); // 999 less 2 % of it, cut to a frame
    EXPECT_EQ(automateCalls(8064, 0.0f), 1u);
    EXPECT_EQ(plugin->getLoopStart(0, 1), 0.0f);
}

TEST_F(SamplePage, ADrumPresetLoadedIntoTheShownSlotListsTheBrowserAgainAtOnce)
{
    selectVoice(18);
    EXPECT_EQ(plugin->getSampleFileCount(), 0);
    sample("new.wav");
    plugin->loadDefaultDrumPreset(18);
    EXPECT_EQ(plugin->getSampleFileCount(), 1);
    EXPECT_EQ(std::tuple(browser()->getSourceSlot(), browser()->getSourceLayer()), std::tuple(2, 0));
}

TEST_F(SamplePage, EveryControlHoldsItsParameterAndEditsReachThePlugInAndTheOtherControlsOfTheTag)
{
    selectVoice(21);
    EXPECT_EQ(firstStaleControl(), -1);
    editor->selectProgram(5);
    EXPECT_EQ(firstStaleControl(), -1);

    hostCalls().clear();
    myKnob* tuning = layer(5, 0).soundKnobs[0];
    const POINT at = middleOf(tuning);
    drag(at.x, at.y, at.x, at.y - 30);
    EXPECT_GT(automateCalls(6397), 0u);
    EXPECT_EQ(tuning->getValue(), plugin->getParameter(6397));

    myKnob* volume = editor->mainPage.mixerStrips[21].volume;
    const POINT strip = middleOf(volume);
    drag(strip.x, strip.y, strip.x, strip.y + 30);
    EXPECT_GT(automateCalls(volume->getTag()), 0u);
    EXPECT_EQ(editor->mixerVolumeKnobs[21]->getValue(), plugin->getParameter(volume->getTag()));
    EXPECT_EQ(firstStaleControl(), -1);
}

TEST_F(SamplePage, TheInfoLineNamesTheLayerAndItsFileOverTheLayerButtons)
{
    sample("Kicks/deep kick.wav");
    plugin->listSampleFolder(2, 1);
    plugin->enterSampleFolder(2, 1, 0);
    ASSERT_TRUE(plugin->loadSampleIntoLayer(2, 1, 0));
    selectVoice(18);
    const POINT a = middleOf(editor->samplePage.layerButtons[0]);
    dragTo(a.x, a.y);
    idle();
    EXPECT_EQ(infoLine(), "Sample 3A | No Sample");
    const POINT b = middleOf(editor->samplePage.layerButtons[1]);
    dragTo(b.x, b.y);
    idle();
    EXPECT_EQ(infoLine(), "Sample 3B | deep kick.wav");
}

TEST_F(SamplePage, ThePictureShowsEachLayerWithCombineOnAndOff)
{
    folder("Kicks");
    sample("hit.wav");
    sample("snap.wav");
    plugin->listSampleFolder(0, 0);
    ASSERT_TRUE(plugin->loadSampleIntoLayer(0, 0, 1));
    selectVoice(16);
    savePicture("sample-page-layer-a");
    const platform::Image layerA = picture();
    clickView(editor->samplePage.layerButtons[1]);
    savePicture("sample-page-layer-b");
    EXPECT_FALSE(picture() == layerA);
    clickView(slot(0).combine);
    savePicture("sample-page-layer-b-combined");
    clickView(editor->samplePage.layerButtons[0]);
    savePicture("sample-page-layer-a-combined");
}

} // namespace
