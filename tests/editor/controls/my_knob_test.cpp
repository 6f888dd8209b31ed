#include "editor/controls/my_knob.h"

#include "tests/editor/controls/own_control_test.h"

namespace {

using Toolkit::CPoint;

constexpr std::int32_t kTag = 140;

// A 42-pixel knob of the editor's at (400, 300); drags start at its centre.
class MyKnob : public kravo::test::OwnControlTest {
protected:
    void SetUp() override
    {
        OwnControlTest::SetUp();
        knob = added(new myKnob({400, 300, 442, 342}, editor, kTag, editor->image(10053), {0, 0}));
    }

    static CPoint up(int pixels) { return {421, 321 - pixels}; }

    myKnob* knob = nullptr;
};

TEST_F(MyKnob, ACommandKnobIgnoresEveryButtonTheContextMenuIncluded)
{
    knob->setTag(uEditor::kCommandTag);
    knob->setValue(0.3f);
    gesture(up(0), {up(100)});
    gesture(up(0), {}, {VK_CONTROL});
    gesture(up(0), {}, {}, VK_RBUTTON);
    EXPECT_EQ(logging->log, Log{});
    EXPECT_EQ(knob->getValue(), 0.3f);
}

TEST_F(MyKnob, TwoHundredPixelsUpCoverTheRangeAndTenThousandWithShift)
{
    knob->setValue(0.0f);
    gesture(up(0), {up(100), up(200), up(250), up(150)});
    EXPECT_EQ(logging->log.front(), "begin 140");
    EXPECT_EQ(logging->log.back(), "end 140");
    // Past the end and back: the value is worked out from where the drag started.
    expectValues(logging->values, {0.0f, 0.5f, 1.0f, 1.0f, 0.75f});

    knob->setValue(0.0f);
    gesture(up(0), {up(100), up(250)}, {VK_SHIFT});
    EXPECT_NEAR(logging->values.back(), 0.025f, 1e-6f);
    // Down from the minimum stays there.
    gesture(up(0), {up(-50)});
    EXPECT_EQ(knob->getValue(), 0.0f);
}

// The move on which the knob first sees Shift change still counts at the old scale, the later ones at
// the new; the buttons may change while the mouse rests.
TEST_F(MyKnob, ShiftPressedOrReleasedMidDragDoesNotJump)
{
    knob->setValue(0.0f);
    moveTo(up(0));
    script().press(VK_LBUTTON);
    const std::vector<std::pair<int, int>> steps{{50, 0}, {100, VK_SHIFT}, {150, 0}, {200, VK_SHIFT}, {250, 0}};
    bool shift = false;
    for (const auto& [pixels, key] : steps) {
        script().wait(50);
        if (key != 0) {
            shift ? script().release(key) : script().press(key);
            shift = !shift;
            script().wait(50);
        }
        moveTo(up(pixels));
    }
    script().wait(50);
    script().release(VK_LBUTTON);
    runScript();
    expectValues(logging->values, {0.0f, 0.25f, 0.5f, 0.505f, 0.51f, 0.76f});
}

TEST_F(MyKnob, OnlyExactlyCtrlLeftResetsAndCtrlShiftDragsFinely)
{
    knob->setDefaultValue(0.25f);
    knob->setValue(0.9f);
    gesture(up(0), {}, {VK_CONTROL});
    EXPECT_EQ(logging->log, (Log{"changed 0.25"}));

    logging->log.clear();
    knob->setValue(0.5f);
    gesture(up(0), {up(100)}, {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(logging->log, (Log{"begin 140", "changed 0.5", "changed 0.51", "end 140"}));
    expectValues(logging->values, {0.25f, 0.5f, 0.51f});
}

TEST_F(MyKnob, ARightClickReachesTheContextMenuWithTheKnobAndThePoint)
{
    gesture({410, 330}, {}, {}, VK_RBUTTON);
    ASSERT_EQ(logging->menus.size(), 1u);
    EXPECT_EQ(logging->menus[0].first, knob);
    EXPECT_EQ(logging->menus[0].second, (CPoint{410, 330}));
    EXPECT_EQ(logging->log, (Log{"context menu"}));
}

TEST_F(MyKnob, ItShowsOneOf151ImagesAsHighAsItself)
{
    constexpr RECT kPlace{400, 300, 442, 342};
    auto last = buffer(450, 350);
    editor->image(10053)->draw(last.get(), {400, 300, 442, 342}, {0, 150 * 42});
    auto drawn = buffer(450, 350);
    knob->setValue(1.0f);
    knob->draw(drawn.get());
    EXPECT_EQ(pictureOf(drawn.get(), kPlace), pictureOf(last.get(), kPlace));
    knob->setValue(0.999f);
    knob->draw(drawn.get());
    EXPECT_NE(pictureOf(drawn.get(), kPlace), pictureOf(last.get(), kPlace));
}

} // namespace
