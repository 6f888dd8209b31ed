#include "tests/editor/pattern_page_test.h"

#include "editor/controls/my_option_menu.h"

#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace {

using kravo::param::StepAttribute;

class PatternGridControl : public kravo::test::PatternPageTest {
protected:
    std::string text(int row, float value)
    {
        char shown[16];
        PatternGrid::fieldText(row, value, shown, sizeof shown);
        return shown;
    }
    // Whether the pictures differ anywhere in the rectangle of the editor's window.
    static bool differIn(const platform::Image& a, const platform::Image& b, int left, int top, int right, int bottom)
    {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (a.at(x, y) != b.at(x, y))
                    return true;
        return false;
    }
    // The cell of a step in the edit view's row, in the editor's coordinates.
    static bool cellDiffers(const platform::Image& a, const platform::Image& b, int column, int row)
    {
        const int x = kGrid.x + static_cast<int>(column * kColumnWidth);
        const int y = kGrid.y + static_cast<int>((row + 1) * kRowHeight);
        return differIn(a, b, x + 1, y - 3, x + 20, y + 16);
    }
    static bool textDiffers(const platform::Image& a, const platform::Image& b, int column, int row)
    {
        const int x = kGrid.x + static_cast<int>(column * kColumnWidth);
        const int y = kGrid.y + static_cast<int>((row + 1) * kRowHeight);
        return differIn(a, b, x - 1, y, x + 26, y + 14);
    }
    void setTrack0(StepAttribute attribute, float value)
    {
        for (int s = 0; s < 16; ++s)
            plugin->setParameter(step(attribute, 0, 0, s), value);
    }
    void redrawGrid()
    {
        grid()->setDirty(true);
        idle();
    }
};

TEST_F(PatternGridControl, FieldTextsShowWhatIsPlayed)
{
    EXPECT_EQ(text(2, 0.4975f), "C");
    EXPECT_EQ(text(2, 0.0f), "100L");
    EXPECT_EQ(text(2, 1.0f), "100R");
    EXPECT_EQ(text(2, 0.75f), "50R");
    EXPECT_EQ(text(3, 0.5f), "0");
    EXPECT_EQ(text(3, 1.0f), "36");
    EXPECT_EQ(text(3, 0.0f), "-36");
    EXPECT_EQ(text(1, 1.0f), "127");
    EXPECT_EQ(text(5, 0.25f), "-50");
    EXPECT_EQ(text(6, 1.0f), "99");
    EXPECT_EQ(text(7, 0.0f), "-100");
    EXPECT_EQ(text(0, 1.0f), "");
}

TEST_F(PatternGridControl, ColumnsRunToTheEndStepAndLeftOfTheStartStepAreDimmed)
{
    setTrack0(StepAttribute::On, 0.0f);
    plugin->setParameter(kravo::param::patternStartStep[0], 0.0f);
    plugin->setParameter(kravo::param::patternEndStep[0], 1.0f);
    redrawGrid();
    const platform::Image empty = picture();
    setTrack0(StepAttribute::On, 1.0f);
    redrawGrid();
    const platform::Image bright = picture();
    for (int column = 0; column < 16; ++column)
        EXPECT_TRUE(cellDiffers(empty, bright, column, 0)) << column;

    // End step 3 below start step 5: columns 0..3, all dimmed.
    plugin->setParameter(kravo::param::patternStartStep[0], 5.0f / 15.99f + 0.001f);
    plugin->setParameter(kravo::param::patternEndStep[0], 3.0f / 15.99f + 0.001f);
    redrawGrid();
    const platform::Image dimmed = picture();
    for (int column = 0; column < 4; ++column) {
        EXPECT_TRUE(cellDiffers(empty, dimmed, column, 0)) << column;
        EXPECT_TRUE(cellDiffers(bright, dimmed, column, 0)) << column;
    }
    for (int column = 4; column < 16; ++column)
        EXPECT_FALSE(cellDiffers(empty, dimmed, column, 0)) << column;

    // End step 0 draws one column; a bypassed track is dimmed throughout.
    plugin->setParameter(kravo::param::patternStartStep[0], 0.0f);
    plugin->setParameter(kravo::param::patternEndStep[0], 0.0f);
    plugin->setParameter(kravo::param::trackMuteIndex(0, 0), 1.0f);
    redrawGrid();
    const platform::Image one = picture();
    EXPECT_FALSE(cellDiffers(dimmed, one, 0, 0));
    EXPECT_FALSE(cellDiffers(empty, one, 1, 0));
}

TEST_F(PatternGridControl, OnlyTheModulationRowShowsNumbersOnStepsThatAreOff)
{
    setTrack0(StepAttribute::On, 0.0f);
    plugin->setParameter(kravo::param::patternEndStep[0], 1.0f);
    redrawGrid();
    const platform::Image off = picture();
    plugin->setParameter(step(StepAttribute::On, 0, 0, 2), 1.0f);
    redrawGrid();
    const platform::Image on = picture();
    for (int row : {1, 2, 3, 5, 6}) {
        EXPECT_FALSE(textDiffers(off, on, 1, row)) << row;
        EXPECT_TRUE(textDiffers(off, on, 2, row)) << row;
    }
    // Numbers on every column of the modulation row: it looks the same with the steps off or on, and
    // differs from a picture where its values changed.
    EXPECT_FALSE(textDiffers(off, on, 1, 7));
    plugin->setParameter(kravo::param::sequencerValueIndex(0, 1), 0.0f);
    redrawGrid();
    EXPECT_TRUE(textDiffers(on, picture(), 1, 7));
}

TEST_F(PatternGridControl, ClicksToggleStepsAndCtrlResetsOnlyValueRows)
{
    const int on = step(StepAttribute::On, 0, 0, 4);
    const int flam = step(StepAttribute::Flam, 0, 0, 4);
    const int velocity = step(StepAttribute::Velocity, 0, 0, 4);
    plugin->setParameter(on, 0.0f);
    plugin->setParameter(flam, 0.0f);
    click(cellAt(4, 0).x, cellAt(4, 0).y);
    EXPECT_EQ(plugin->getParameter(on), 1.0f);
    click(cellAt(4, 4).x, cellAt(4, 4).y);
    EXPECT_EQ(plugin->getParameter(flam), 1.0f);
    click(cellAt(4, 0).x, cellAt(4, 0).y, VK_LBUTTON, kControl);
    click(cellAt(4, 4).x, cellAt(4, 4).y, VK_LBUTTON, kControl);
    EXPECT_EQ(plugin->getParameter(on), 1.0f);
    EXPECT_EQ(plugin->getParameter(flam), 1.0f);

    plugin->setParameter(velocity, 0.25f);
    click(cellAt(4, 1).x, cellAt(4, 1).y, VK_LBUTTON, kControl);
    EXPECT_EQ(plugin->getParameter(velocity), 1.0f);
    plugin->setParameter(kravo::param::sequencerValueIndex(0, 4), 0.0f);
    click(cellAt(4, 7).x, cellAt(4, 7).y, VK_LBUTTON, kControl);
    EXPECT_EQ(plugin->getParameter(kravo::param::sequencerValueIndex(0, 4)), 0.5f);

    // Ctrl with Shift is no reset but a fine drag: ten pixels up move the value by ten 2000ths.
    plugin->setParameter(velocity, 0.25f);
    script().press(VK_CONTROL);
    script().press(VK_SHIFT);
    drag(cellAt(4, 1).x, cellAt(4, 1).y, cellAt(4, 1).x, cellAt(4, 1).y - 10);
    script().release(VK_SHIFT);
    script().release(VK_CONTROL);
    runScript();
    EXPECT_NEAR(plugin->getParameter(velocity), 0.255f, 1e-5f);

    // The overview toggles the step of the track row clicked.
    click(kPage.x + 288 + 11, kPage.y + 159 + 11); // the View switch
    ASSERT_EQ(grid()->getView(), 1);
    const int track2 = step(StepAttribute::On, 0, 2, 6);
    plugin->setParameter(track2, 0.0f);
    click(overviewCellAt(6, 2).x, overviewCellAt(6, 2).y);
    EXPECT_EQ(plugin->getParameter(track2), 1.0f);
}

TEST_F(PatternGridControl, ShiftDuringADragMakesItFinerWithoutAJumpAndKeepsItFiner)
{
    const int pan = step(StepAttribute::Pan, 0, 0, 3);
    const POINT at = cellAt(3, 2);
    const auto dragUp = [&](bool withShift) {
        plugin->setParameter(pan, 0.5f);
        script().move(kParentAt.x + at.x, kParentAt.y + at.y);
        script().press(VK_LBUTTON);
        script().wait(50);
        script().move(kParentAt.x + at.x, kParentAt.y + at.y - 10);
        script().wait(50);
        if (withShift)
            script().press(VK_SHIFT);
        script().wait(50);
        script().move(kParentAt.x + at.x, kParentAt.y + at.y - 20);
        script().wait(50);
        if (withShift)
            script().release(VK_SHIFT);
        script().wait(50);
        script().move(kParentAt.x + at.x, kParentAt.y + at.y - 30);
        script().wait(50);
        script().release(VK_LBUTTON);
        runScript();
        return plugin->getParameter(pan);
    };
    EXPECT_NEAR(dragUp(false), 0.65f, 1e-5f);
    // At 20 pixels the value stands where the coarse scale put it (0.6); from there each pixel is a
    // 2000th, also after Shift is let go.
    EXPECT_NEAR(dragUp(true), 0.605f, 1e-5f);
}

TEST_F(PatternGridControl, ThePatternMenuRunsCommandsOnTheShownTrackAndOffersTheBypasses)
{
    // Track 1 of pattern 2.
    click(kPage.x + 56 + 6, kPage.y + 2 * 25 + 10 + 6);
    click(kPage.x + 94 + 11, kPage.y + 178 + 11);
    ASSERT_EQ(std::tuple(grid()->getPattern(), grid()->getTrack()), std::tuple(2, 1));
    const int on = step(StepAttribute::On, 2, 1, 7);
    plugin->setParameter(on, 1.0f);
    choosePopup({"Clear Track"});
    click(cellAt(0, 0).x, cellAt(0, 0).y, VK_RBUTTON);
    EXPECT_EQ(plugin->getParameter(on), 0.0f);
    choosePopup({"Undo"});
    click(cellAt(0, 0).x, cellAt(0, 0).y, VK_RBUTTON);
    EXPECT_EQ(plugin->getParameter(on), 1.0f);

    // Exactly 0.5 is offered as on, while the grid does not take the track as bypassed.
    const int bypass = kravo::param::trackMuteIndex(2, 1);
    plugin->setParameter(bypass, 0.5f);
    hostCalls().clear();
    choosePopup({"Bypass Track 2 : On"});
    click(cellAt(0, 0).x, cellAt(0, 0).y, VK_RBUTTON);
    EXPECT_EQ(std::count_if(hostCalls().begin(), hostCalls().end(),
                            [&](const HostCall& call) { return call.opcode == hostOpSetParameterAutomated && call.index == bypass; }),
              1);
    plugin->setParameter(bypass, 0.0f);
    choosePopup({"Bypass Track 2 : Off"});
    click(cellAt(0, 0).x, cellAt(0, 0).y, VK_RBUTTON);
    EXPECT_EQ(plugin->getParameter(bypass), 1.0f);
}

TEST_F(PatternGridControl, SavePatternWritesAFileThatLoadsBack)
{
    plugin->setParameter(step(StepAttribute::Pitch, 0, 3, 9), 0.25f);
    platform::scriptSaveFileAnswer(std::string(kPatternFolder) + "Saved");
    choosePopup({"Save Pattern"});
    click(cellAt(0, 0).x, cellAt(0, 0).y, VK_RBUTTON);
    EXPECT_TRUE(std::filesystem::exists(platform::nativePath((std::string(kPatternFolder) + "Saved.pat").c_str())));
    EXPECT_EQ(plugin->getPatternName(0), "Saved");

    plugin->setParameter(step(StepAttribute::Pitch, 0, 3, 9), 0.75f);
    platform::scriptOpenFileAnswer(std::string(kPatternFolder) + "Saved.pat");
    choosePopup({"Load Pattern"});
    click(cellAt(0, 0).x, cellAt(0, 0).y, VK_RBUTTON);
    EXPECT_EQ(plugin->getParameter(step(StepAttribute::Pitch, 0, 3, 9)), 0.25f);
}

TEST_F(PatternGridControl, TheLockKeepsEveryPatternValueAndShowsTheLockedCopy)
{
    const POINT lock{kPage.x + 643 + 20, kPage.y + 182 + 10};
    const int on = step(StepAttribute::On, 0, 0, 5);
    const int start = kravo::param::patternStartStep[0];
    plugin->setParameter(on, 0.0f);
    plugin->setParameter(start, 0.0f);
    choosePopup({"On"});
    click(lock.x, lock.y);
    ASSERT_EQ(plugin->getPatternLockMode(), 1);

    const auto values = [&] {
        std::vector<float> all;
        for (int index = 0; index < 9900; ++index)
            all.push_back(plugin->getParameter(index));
        return all;
    };
    const std::vector<float> before = values();
    click(cellAt(5, 0).x, cellAt(5, 0).y);
    drag(cellAt(5, 1).x, cellAt(5, 1).y, cellAt(5, 1).x, cellAt(5, 1).y - 30);
    choosePopup({"Clear Pattern"});
    click(cellAt(0, 0).x, cellAt(0, 0).y, VK_RBUTTON);
    EXPECT_EQ(values(), before);

    // A change from elsewhere reaches the program, but the page keeps showing the locked copy.
    plugin->setParameter(start, 0.5f);
    editor->refreshAll();
    EXPECT_NE(editor->patternPage.startMenus[0]->getValue(), 0.0f);
    idle();
    EXPECT_EQ(editor->patternPage.startMenus[0]->getValue(), 0.0f);

    choosePopup({"Set"});
    click(lock.x, lock.y);
    EXPECT_EQ(plugin->getPatternLockMode(), 0);
    EXPECT_EQ(editor->patternPage.lockMenu->getValue(), 0.0f);
    EXPECT_EQ(plugin->getParameter(start), 0.0f);
}

} // namespace
