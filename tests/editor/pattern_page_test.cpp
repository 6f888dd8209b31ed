#include "tests/editor/pattern_page_test.h"

#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/controls/my_text_button.h"
#include "toolkit/kick_button.h"
#include "toolkit/view_container.h"

#include <string>
#include <tuple>

namespace {

using kravo::param::StepAttribute;

class PatternPage : public kravo::test::PatternPageTest {
protected:
    static POINT padAt(int pattern) { return {kPage.x + 30, kPage.y + 25 * pattern + 14}; }
    static POINT lightAt(int pattern) { return {kPage.x + 56 + 6, kPage.y + 25 * pattern + 10 + 6}; }
    static constexpr POINT kViewSwitch{kPage.x + 288 + 11, kPage.y + 159 + 11};
    std::size_t automateCalls(std::int32_t index) const
    {
        return static_cast<std::size_t>(std::count_if(hostCalls().begin(), hostCalls().end(), [&](const HostCall& call) {
            return call.opcode == hostOpSetParameterAutomated && call.index == index;
        }));
    }
    bool shown(Toolkit::CView* view) const { return editor->patternContainer->isChild(view); }
    std::string infoLine() const
    {
        return std::string(editor->mainPage.infoTitle->getText()) + " | " + editor->mainPage.infoText->getText();
    }
    // Pattern 3 plays BD 1 on every step of its first track.
    void fillPattern3()
    {
        for (int s = 0; s < 16; ++s) {
            plugin->setParameter(step(StepAttribute::On, 3, 0, s), 1.0f);
            plugin->setParameter(step(StepAttribute::Velocity, 3, 0, s), 1.0f);
        }
        plugin->setParameter(kravo::param::trackTargetPadIndex(3, 0), 0.5f / 23.99f);
        plugin->setParameter(kravo::param::trackMuteIndex(3, 0), 0.0f);
        plugin->setParameter(kravo::param::patternStartStep[3], 0.0f);
        plugin->setParameter(kravo::param::patternEndStep[3], 1.0f);
    }
};

TEST_F(PatternPage, EveryControlHoldsItsParameterAndEditsReachTheHost)
{
    EXPECT_EQ(firstStaleControl(), -1);
    editor->selectProgram(4);
    EXPECT_EQ(firstStaleControl(), -1);
    const float end = plugin->getParameter(kravo::param::patternEndStep[0]);
    EXPECT_EQ(editor->patternPage.endMenus[0]->getCurrent(), static_cast<std::int32_t>(end * 15.99f));

    hostCalls().clear();
    const int swing = kravo::param::patternSwing[0];
    drag(kPage.x + 351 + 21, kPage.y + 160 + 21, kPage.x + 351 + 21, kPage.y + 160 - 9);
    EXPECT_GE(automateCalls(swing), 1u);
    EXPECT_EQ(editor->patternPage.swingKnobs[0]->getValue(), plugin->getParameter(swing));

    const int start = kravo::param::patternStartStep[0];
    choosePopup({"Step 05"});
    click(kPage.x + 532 + 29, kPage.y + 162 + 10);
    EXPECT_EQ(automateCalls(start), 1u);
    EXPECT_FLOAT_EQ(plugin->getParameter(start), 4.5f / 15.99f);
    choosePopup({"Sample3"});
    click(kPage.x + 214 + 33, kPage.y + 180 + 10);
    EXPECT_FLOAT_EQ(plugin->getParameter(kravo::param::trackTargetPadIndex(0, 3)), 18.5f / 23.99f);

    click(kPage.x + 288 + 11, kPage.y + 178 + 11); // Latch
    EXPECT_EQ(plugin->getParameter(kravo::param::kPatternLatching), editor->patternPage.latchSwitch->getValue());
    EXPECT_EQ(automateCalls(kravo::param::kPatternLatching), 1u);
}

TEST_F(PatternPage, TheSelectLightsChooseWhichPatternsSetIsShown)
{
    const PatternPageControls& page = editor->patternPage;
    EXPECT_TRUE(shown(page.startMenus[0]));
    click(lightAt(5).x, lightAt(5).y);
    EXPECT_EQ(editor->selectedPattern, 5);
    EXPECT_EQ(grid()->getPattern(), 5);
    EXPECT_EQ(browser()->getPattern(), 5);
    for (std::size_t k = 0; k < 8; ++k)
        EXPECT_EQ(page.selectLights[k]->getValue(), k == 5 ? 1.0f : 0.0f) << k;
    for (Toolkit::CView* view : {static_cast<Toolkit::CView*>(page.startMenus[5]), static_cast<Toolkit::CView*>(page.swingKnobs[5]),
                                 static_cast<Toolkit::CView*>(page.targetMenus[5][3]),
                                 static_cast<Toolkit::CView*>(page.bypassSwitches[5][2])})
        EXPECT_TRUE(shown(view));
    for (Toolkit::CView* view : {static_cast<Toolkit::CView*>(page.startMenus[0]), static_cast<Toolkit::CView*>(page.swingKnobs[0]),
                                 static_cast<Toolkit::CView*>(page.bypassSwitches[0][2])})
        EXPECT_FALSE(shown(view));
    // The selection survives a page switch and the window.
    editor->pageMode = 1;
    editor->rebuildFrame();
    EXPECT_TRUE(shown(page.startMenus[5]));
    closeEditor();
    ASSERT_TRUE(openEditor());
    EXPECT_TRUE(shown(editor->patternPage.startMenus[5]));
}

TEST_F(PatternPage, AReopenedPageShowsTheLockThatOutlivedTheWindow)
{
    plugin->setPatternLockMode(1);
    closeEditor();
    ASSERT_TRUE(openEditor());
    EXPECT_EQ(editor->patternPage.lockMenu->getValue(), 1.0f);
    plugin->setPatternLockMode(0);
    idle();
    EXPECT_EQ(editor->patternPage.lockMenu->getValue(), 0.0f);
}

TEST_F(PatternPage, TheViewSwitchShowsTheOverviewOnItsOwnBackground)
{
    EXPECT_EQ(editor->patternContainer->getBackground(), editor->image(10011));
    savePicture("pattern-page-edit-view");
    click(kViewSwitch.x, kViewSwitch.y);
    EXPECT_EQ(editor->patternViewFlag, 1.0f);
    EXPECT_EQ(grid()->getView(), 1);
    EXPECT_EQ(editor->patternPage.viewSwitch->getValue(), 1.0f);
    EXPECT_EQ(editor->patternContainer->getBackground(), editor->image(10012));
    savePicture("pattern-page-overview");
    // A track button keeps the view.
    click(kPage.x + 195 + 11, kPage.y + 158 + 11);
    EXPECT_EQ(std::tuple(editor->selectedTrack, grid()->getTrack(), grid()->getView()), std::tuple(2, 2, 1));
}

TEST_F(PatternPage, HoldingAPadPlaysItsPatternAndTheReleaseStopsAndRewindsIt)
{
    fillPattern3();
    render();
    float heard = 0.0f;
    int furthest = 0;
    duringHostIdle() = [&] {
        heard = std::max(heard, render());
        furthest = std::max(furthest, plugin->getPatternStep(3));
    };
    script().move(kParentAt.x + padAt(3).x, kParentAt.y + padAt(3).y);
    script().press(VK_LBUTTON);
    script().wait(1500);
    script().release(VK_LBUTTON);
    runScript();
    duringHostIdle() = nullptr;
    EXPECT_GT(heard, 0.0f);
    EXPECT_GT(furthest, 0);
    render();
    EXPECT_EQ(plugin->getPatternStep(3), 0);

    // The pad lights while the pattern plays, and a click on a lit pad starts from dark.
    editor->setVoiceLed(27, true);
    idle();
    EXPECT_EQ(editor->patternPads[3]->getValue(), 1.0f);
    std::vector<float> reported;
    duringHostIdle() = [&] { reported.push_back(editor->patternPads[3]->getValue()); };
    click(padAt(3).x, padAt(3).y);
    duringHostIdle() = nullptr;
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.front(), 1.0f);
}

TEST_F(PatternPage, TheGridFollowsThePlayingStep)
{
    fillPattern3();
    click(lightAt(3).x, lightAt(3).y);
    plugin->triggerPadFromEditor(27);
    for (int block = 0; block < 40 && plugin->getPatternStep(3) == 0; ++block)
        render();
    const int playing = plugin->getPatternStep(3);
    ASSERT_GT(playing, 0);
    idle();
    EXPECT_EQ(grid()->getCurrentStep(), playing);
}

TEST_F(PatternPage, HoverNamesThePatternPadsAndTheGridThePattern)
{
    kravo::writeRegString("Mapping", "Standard");
    dragTo(padAt(4).x, padAt(4).y);
    idle();
    EXPECT_EQ(infoLine(), "Break 1 | Midi Note 64 (E3)");
    dragTo(lightAt(1).x, lightAt(1).y);
    idle();
    EXPECT_EQ(infoLine(), "Groove 2 | Midi Note 61 (C#3)");
    savePattern(0, "Beat");
    dragTo(cellAt(3, 3).x, cellAt(3, 3).y);
    idle();
    EXPECT_EQ(infoLine(), "Groove 1 | Beat");
}

} // namespace
