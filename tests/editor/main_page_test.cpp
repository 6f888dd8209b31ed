#include "tests/editor/editor_test.h"

#include "editor/controls/my_knob.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/controls/my_text_button.h"
#include "plugin/settings/registry_settings.h"
#include "toolkit/kick_button.h"
#include "toolkit/view_container.h"

#include <algorithm>
#include <string>
#include <tuple>

namespace {

using Toolkit::CControl;
using Toolkit::CRect;

class MainPage : public kravo::test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        kravo::writeRegString("Mapping", "GM");
        ASSERT_TRUE(openEditor());
    }
    // A point inside a view of a page container, in the editor's coordinates.
    static POINT middleOf(Toolkit::CView* view, Toolkit::CViewContainer* container)
    {
        CRect size, place;
        view->getViewSize(size);
        container->getViewSize(place);
        return {place.left + (size.left + size.right) / 2, place.top + (size.top + size.bottom) / 2};
    }
    std::string infoLine() const
    {
        return std::string(editor->mainPage.infoTitle->getText()) + " | " + editor->mainPage.infoText->getText();
    }
    std::size_t automateCalls(std::int32_t index) const
    {
        return static_cast<std::size_t>(std::count_if(hostCalls().begin(), hostCalls().end(), [&](const HostCall& call) {
            return call.opcode == hostOpSetParameterAutomated && call.index == index;
        }));
    }
};

TEST_F(MainPage, EveryControlShowsItsParameterAfterOpenAndAProgramChange)
{
    EXPECT_GT(editor->registryCount, 700);
    EXPECT_EQ(firstStaleControl(), -1);
    editor->selectProgram(3);
    EXPECT_EQ(firstStaleControl(), -1);
}

TEST_F(MainPage, TheVoiceTablesPlaceEachVoiceOnItsOwnParameters)
{
    // Pads 5 and 6 cross over: the first open hi-hat edits the parameters of slot 6.
    EXPECT_EQ(editor->mainPage.commonSections[5].knobs[0]->getTag(), 1806);
    EXPECT_EQ(editor->mainPage.commonSections[6].knobs[0]->getTag(), 1805);
    EXPECT_EQ(editor->chokeGroupMenus[3]->getTag(), 261);
    CRect synth, sample;
    editor->mainPage.mixerStrips[0].volume->getViewSize(synth);
    editor->mainPage.mixerStrips[16].volume->getViewSize(sample);
    EXPECT_EQ(sample.left - synth.left, 247);

    editor->showSampleLayerControls(5);
    EXPECT_TRUE(editor->synthVoiceContainer->isChild(editor->mainPage.commonSections[5].knobs[0]));
    EXPECT_FALSE(editor->synthVoiceContainer->isChild(editor->mainPage.commonSections[6].knobs[0]));
    editor->showCommonStrip(5);
    EXPECT_TRUE(editor->synthVoiceContainer->isChild(editor->chokeGroupMenus[5]));
}

TEST_F(MainPage, ADragAndAMenuChoiceReachThePlugInAndTheOtherControlsOfTheTagFollow)
{
    idle(); // the voice page is laid out at the first idle: its drum page's part stands in
    editor->showSampleLayerControls(0);
    editor->showCommonStrip(0);
    hostCalls().clear();
    myKnob* compact = editor->mainPage.commonSections[0].compactColumn[0];
    const POINT at = middleOf(compact, editor->synthVoiceContainer);
    drag(at.x, at.y, at.x, at.y - 40);
    EXPECT_GT(automateCalls(1800), 0u);
    EXPECT_EQ(editor->mainPage.commonSections[0].knobs[0]->getValue(), plugin->getParameter(1800));
    EXPECT_EQ(compact->getValue(), plugin->getParameter(1800));

    const POINT menu = middleOf(editor->chokeGroupMenus[0], editor->synthVoiceContainer);
    choosePopup({"2"});
    click(menu.x, menu.y);
    EXPECT_FLOAT_EQ(plugin->getParameter(140), 2.5f / 9.99f);
    EXPECT_EQ(automateCalls(140), 1u);
    EXPECT_EQ(std::string(editor->chokeGroupMenus[0]->getDisplayText()), "2");
}

TEST_F(MainPage, TheInfoLineNamesTheHoveredKnobAndFollowsItsValue)
{
    idle();
    editor->showSampleLayerControls(0);
    const POINT at = middleOf(editor->mainPage.commonSections[0].knobs[0], editor->synthVoiceContainer);
    dragTo(at.x, at.y);
    idle();
    char display[64] = {};
    plugin->getParameterDisplay(1800, display);
    EXPECT_EQ(infoLine(), std::string("BD 1 Semi | ") + display);

    idle(40); // drawn; an unchanged hover draws nothing again
    EXPECT_FALSE(editor->mainPage.infoText->isDirty());
    plugin->setParameter(1800, 0.9f);
    idle();
    plugin->getParameterDisplay(1800, display);
    EXPECT_EQ(infoLine(), std::string("BD 1 Semi | ") + display);

    // The preset menu carries no parameter: the line stays.
    CRect menu;
    editor->mainPage.synthPresetMenu->getViewSize(menu);
    dragTo((menu.left + menu.right) / 2, (menu.top + menu.bottom) / 2);
    idle();
    EXPECT_EQ(infoLine(), std::string("BD 1 Semi | ") + display);
}

TEST_F(MainPage, PadNamesAndNotesFollowTheMapping)
{
    EXPECT_EQ(std::tuple(uEditor::padName(5), uEditor::padNoteText(5)),
              std::tuple(std::string("Open HiHat 1"), std::string("Midi Note 46 (A#1)")));
    EXPECT_EQ(uEditor::padNoteText(7), "Midi Note 58 (A#2)");
    kravo::writeRegString("Mapping", "Standard");
    EXPECT_EQ(uEditor::padNoteText(0), "Midi Note 36 (C1)");
    EXPECT_EQ(uEditor::padNoteText(24), "Midi Note 60 (C3)");
    kravo::writeRegString("Mapping", "GM");
}

TEST_F(MainPage, RefreshRequestsAndTheCompareStateAreShownAtTheNextIdle)
{
    myKnob* volume = editor->mainPage.masterVolume;
    volume->setValue(plugin->getParameter(2) == 0.0f ? 1.0f : 0.0f);
    plugin->requestEditorRefresh();
    plugin->requestEditorRefresh();
    idle();
    EXPECT_EQ(volume->getValue(), plugin->getParameter(2));
    EXPECT_FALSE(plugin->takeEditorRefreshFlag()); // both requests were answered by the one refresh

    plugin->setParameter(2, 0.123f); // an edit: the edited state is shown
    idle();
    EXPECT_EQ(editor->mainPage.compareEditedButton->getBackground(), editor->image(10047));
    editor->valueChanged(nullptr, [&] {
        editor->mainPage.compareOriginalButton->setValue(1.0f);
        return editor->mainPage.compareOriginalButton;
    }());
    idle();
    EXPECT_EQ(editor->mainPage.compareEditedButton->getBackground(), editor->image(10046));
}

TEST_F(MainPage, ASampleVoiceInModeZeroShowsTheSamplePageAndTheKitNameReadsItsParameters)
{
    editor->selectedVoice = 18;
    editor->rebuildFrame();
    Toolkit::CFrame* frame = editor->getFrame();
    EXPECT_TRUE(frame->isChild(editor->sampleContainer));
    EXPECT_FALSE(frame->isChild(editor->synthVoiceContainer));
    EXPECT_EQ(editor->mainPage.pageButtons[0]->getValue(), 1.0f);
    EXPECT_TRUE(frame->isChild(editor->mainPage.samplePresetMenu));

    const std::string kit = "Kit!";
    for (std::size_t n = 0; n < kit.size(); ++n)
        plugin->setParameter(9250 + static_cast<std::int32_t>(n), (kit[n] + 0.5f) / 255.9f);
    plugin->setParameter(9250 + static_cast<std::int32_t>(kit.size()), 10.5f / 255.9f); // a control character ends it
    editor->refreshAll();
    EXPECT_EQ(std::string(editor->mainPage.kitNameMenu->getDisplayText()), kit);
}

TEST_F(MainPage, ThePageButtonsSwitchPages)
{
    click(32 + 191 + 10, 119 + 3 + 7); // the mixer
    EXPECT_EQ(editor->pageMode, 1);
    EXPECT_FALSE(editor->getFrame()->isChild(editor->effectsContainer));
    savePicture("main-page-mode-1");
    click(32 + 382 + 10, 119 + 3 + 7); // no page panel
    EXPECT_EQ(editor->pageMode, 4);
    savePicture("main-page-mode-4");
    click(32 + 116 + 10, 119 + 3 + 7); // the voice page
    EXPECT_EQ(editor->pageMode, 0);
    EXPECT_TRUE(editor->getFrame()->isChild(editor->effectsContainer));
    savePicture("main-page-mode-0");
}

} // namespace
