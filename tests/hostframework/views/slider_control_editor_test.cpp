#include "hostframework/controls/host_value_conversions.h"
#include "hostframework/views/slider_control_editor.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/views/built_editor.h"
#include "tests/hostframework/views/control_process_test.h"
#include "tests/hostframework/views/view_frames.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using kravo::test::sides;
using kravo::test::ControlProcessTest;


std::unique_ptr<CSliderControlEditor> built(const std::string& text, HostRect frame)
{
    return kravo::test::builtEditor<CSliderControlEditor>(text, frame);
}

std::vector<int> thumbAt(CSliderControlEditor& slider, std::int32_t value)
{
    slider.SetValue(value);
    HostRect thumb{};
    slider.GetThumbRect(&thumb);
    return sides(thumb);
}

class Sliders : public ControlProcessTest {
protected:
    // The vertical slider 'sld1' of control 1 (10 steps) at (0, 10, 100, 30), on a port.
    CPlugInView* verticalSlider(const std::string& options = "")
    {
        CPlugInView* root = makeProcess({"10,0,20,100:!Slider[('sld1')('ct01')(" + options + ")]"});
        attachPort();
        return root;
    }

    CSliderControlEditor* slider()
    {
        return dynamic_cast<CSliderControlEditor*>(process->GetRootView()->FindSubViewByID(FourCharCode("sld1")));
    }

    std::vector<int> knobFrame()
    {
        HostRect frame{};
        slider()->GetKnob()->GetFrame(&frame);
        return sides(frame);
    }
};

TEST_F(Sliders, AVerticalSliderHasAThumbThreeQuartersOfItsWidthAndTheRestAsTravel)
{
    auto slider = built("!Slider[('sld1')('NoID')()]", {0, 10, 100, 30});
    ASSERT_TRUE(slider);
    EXPECT_TRUE(slider->IsVertical());
    EXPECT_EQ(thumbAt(*slider, INT32_MIN), (std::vector<int>{85, 10, 100, 30}));
    EXPECT_EQ(thumbAt(*slider, INT32_MAX), (std::vector<int>{0, 10, 15, 30}));
    EXPECT_EQ(thumbAt(*slider, 0), (std::vector<int>{43, 10, 58, 30})); // its bottom 42 above the frame's
    HostPoint middle{};
    slider->GetValuePoint(&middle);
    EXPECT_EQ(middle.v, 50);
    EXPECT_EQ(middle.h, 20);

    auto reversed = built("!Slider[('sld2')('NoID')(reverse)]", {0, 10, 100, 30});
    ASSERT_TRUE(reversed);
    EXPECT_TRUE(reversed->IsReversed());
    EXPECT_EQ(thumbAt(*reversed, INT32_MIN), (std::vector<int>{0, 10, 15, 30}));
    EXPECT_EQ(thumbAt(*reversed, INT32_MAX), (std::vector<int>{85, 10, 100, 30}));
}

TEST_F(Sliders, AHorizontalSliderRunsFromTheLeft)
{
    auto slider = built("!Slider[('sld1')('NoID')()]", {0, 0, 20, 100});
    ASSERT_TRUE(slider);
    EXPECT_FALSE(slider->IsVertical());
    EXPECT_EQ(thumbAt(*slider, INT32_MIN), (std::vector<int>{0, 0, 20, 15}));
    EXPECT_EQ(thumbAt(*slider, INT32_MAX), (std::vector<int>{0, 85, 20, 100}));
    EXPECT_EQ(slider->GetKnob()->GetGrips(), CCustomView::kVerticalRibs);
}

TEST_F(Sliders, TheThumbIsADisabledPlateChildWithRibsAcrossTheSlider)
{
    auto slider = built("!Slider[('sld1')('NoID')()]", {0, 10, 100, 30});
    ASSERT_TRUE(slider);
    CCustomView* knob = slider->GetKnob();
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(slider->GetFirstSubView(), knob);
    EXPECT_EQ(knob->GetID(), CSliderControlEditor::kKnobID);
    EXPECT_TRUE(knob->HasPlate());
    EXPECT_EQ(knob->GetOwnPlateStyle(), 0);
    EXPECT_EQ(knob->GetGrips(), CCustomView::kHorizontalRibs);
    EXPECT_FALSE(knob->IsEnabled());
    EXPECT_FALSE(knob->IsDraggable());
    // Made while the own value was 0: in the middle.
    HostRect frame{};
    knob->GetFrame(&frame);
    EXPECT_EQ(sides(frame), (std::vector<int>{43, 10, 58, 30}));
}

TEST_F(Sliders, TheThumbFollowsTheControlAndWhatItUncoversIsDrawnAgain)
{
    verticalSlider();
    HostPort port = process->GetRootView()->GetPort();
    process->SetControlValue(1, INT32_MIN);
    EXPECT_EQ(knobFrame(), (std::vector<int>{85, 10, 100, 30}));
    process->GetRootView()->Draw(nullptr);
    process->SetControlValue(1, INT32_MAX);
    EXPECT_EQ(knobFrame(), (std::vector<int>{0, 10, 15, 30}));
    const platform::Image scrolled = pictureOf(port);
    process->GetRootView()->Draw(nullptr);
    expectSamePicture(scrolled, pictureOf(port));
}

TEST_F(Sliders, PlacingTheThumbDrawsNothing)
{
    auto slider = built("!Slider[('sld1')('NoID')()]", {0, 0, 100, 20});
    ASSERT_TRUE(slider);
    HostPort port = viewPort({0, 0, 100, 40});
    slider->SetPort(port);
    hostext::logPortOperations(port, true);
    slider->SetValue(INT32_MIN);
    slider->UpdatePosition();
    HostRect frame{};
    slider->GetKnob()->GetFrame(&frame);
    EXPECT_EQ(sides(frame), (std::vector<int>{85, 0, 100, 20}));
    const auto operations = hostext::portOperations(port);
    ASSERT_EQ(operations.size(), 2u); // the old place and the new one are marked for drawing
    EXPECT_EQ(operations[0].kind, "invalidate");
    EXPECT_EQ(operations[1].kind, "invalidate");
    hostext::logPortOperations(port, false);
    slider->SetPort(nullptr);
}

TEST_F(Sliders, The85PixelsOfTravelSpanTheWholeRange)
{
    CPlugInView* root = verticalSlider();
    process->SetControlValue(1, INT32_MIN);
    scriptDrag({{20, 92}, {20, 60}, {20, 7}});
    click(*root, 20, 92);
    EXPECT_EQ(controlValue(1), INT32_MAX);
    EXPECT_EQ(knobFrame(), (std::vector<int>{0, 10, 15, 30}));
    EXPECT_FALSE(slider()->GetKnob()->IsHighlighted());
    // Back down, past the end.
    scriptDrag({{20, 7}, {20, 200}});
    click(*root, 20, 7);
    EXPECT_EQ(controlValue(1), INT32_MIN);
}

TEST_F(Sliders, ReverseDragsTheOtherWay)
{
    CPlugInView* root = verticalSlider("reverse");
    process->SetControlValue(1, INT32_MIN);
    EXPECT_EQ(knobFrame(), (std::vector<int>{0, 10, 15, 30}));
    scriptDrag({{20, 7}, {20, 92}});
    click(*root, 20, 7);
    EXPECT_EQ(controlValue(1), INT32_MAX);
}

TEST_F(Sliders, TheCommandKeyAsksForSixTimesTheDistance)
{
    CPlugInView* root = verticalSlider();
    process->SetControlValue(1, INT32_MIN);
    scriptDrag({{20, 92}, {20, 7}});
    click(*root, 20, 92, 0, kHostCommandKeyModifier);
    EXPECT_EQ(controlValue(1), ValueToHostLinear(85, 0, 510));
}

TEST_F(Sliders, TheFineDragSpansTheRangeIn510Pixels)
{
    // Reversed, the range runs down the screen, where there is room for the long drag.
    CPlugInView* root = verticalSlider("reverse");
    process->SetControlValue(1, INT32_MIN);
    scriptDrag({{20, 7}, {20, 7 + 509}});
    click(*root, 20, 7, 0, kHostCommandKeyModifier);
    EXPECT_EQ(controlValue(1), ValueToHostLinear(509, 0, 510));
    process->SetControlValue(1, INT32_MIN);
    scriptDrag({{20, 7}, {20, 7 + 510}});
    click(*root, 20, 7, 0, kHostCommandKeyModifier);
    EXPECT_EQ(controlValue(1), INT32_MAX);
}

TEST_F(Sliders, AClickOnTheGrooveOutsideTheThumbLeavesTheValue)
{
    CPlugInView* root = verticalSlider();
    process->SetControlValue(1, INT32_MIN);
    bool highlightedWhileHeld = false;
    group.hostAction = [&] { highlightedWhileHeld = slider()->IsHighlighted(); };
    scriptDrag({{20, 20}, {20, 90}, {20, 5}});
    click(*root, 20, 20);
    EXPECT_EQ(controlValue(1), INT32_MIN);
    EXPECT_TRUE(highlightedWhileHeld); // the plain highlight loop
    EXPECT_FALSE(slider()->IsHighlighted());
    EXPECT_EQ(knobFrame(), (std::vector<int>{85, 10, 100, 30}));
}

TEST_F(Sliders, WithTheSkipFlagTheDragStopsInTheHiddenPartOfTheFrame)
{
    CPlugInView* root = verticalSlider();
    process->SetControlValue(1, INT32_MIN);
    slider()->SetLimitRect({50, -32000, 32000, 32000}); // the top half is out of sight
    scriptDrag({{20, 92}, {20, 70}, {20, 40}, {20, 10}});
    click(*root, 20, 92, CPlugInView::kSkipTrackingMessage);
    EXPECT_EQ(controlValue(1), ValueToHostLinear(22, 0, 85));
    // Out of the frame altogether the drag goes on.
    process->SetControlValue(1, INT32_MIN);
    scriptDrag({{20, 92}, {120, 70}, {120, 10}});
    click(*root, 20, 92, CPlugInView::kSkipTrackingMessage);
    EXPECT_EQ(controlValue(1), ValueToHostLinear(82, 0, 85));
}

TEST_F(Sliders, ASliderWithoutTravelIgnoresTheDrag)
{
    CPlugInView* root = verticalSlider();
    process->SetControlValue(1, 5000);
    // The slider shrinks to its thumb's size: nothing is left to slide along.
    HostRect thumb{};
    slider()->GetKnob()->GetFrame(&thumb);
    slider()->SetFrame(thumb);
    scriptDrag({{20, thumb.top + 5}, {20, 0}, {20, 99}});
    click(*root, 20, static_cast<std::int16_t>(thumb.top + 5));
    EXPECT_EQ(controlValue(1), 5000);
    EXPECT_FALSE(slider()->GetKnob()->IsHighlighted());
}

TEST_F(Sliders, AnOptionClickSetsTheDefault)
{
    CPlugInView* root = verticalSlider();
    click(*root, 20, 50, 0, kHostOptionKeyModifier);
    EXPECT_EQ(controlValue(1), 7);
}

TEST_F(Sliders, TheGrooveIsCutInAndOnlyARootSliderErases)
{
    auto slider = built("!Slider[('sld1')('NoID')()]", {0, 0, 100, 20});
    ASSERT_TRUE(slider);
    HostPort port = viewPort({0, 0, 100, 40});
    slider->SetPort(port);
    slider->Draw(nullptr);
    const platform::Image picture = pictureOf(port);
    const COLORREF root = RGB(0x68, 0x68, 0x68);
    const COLORREF shade = RGB(0x33, 0x33, 0x33);
    const COLORREF light = RGB(0x99, 0x99, 0x99);
    EXPECT_EQ(picture.at(2, 10), root);
    EXPECT_EQ(picture.at(9, 10), shade);
    EXPECT_EQ(picture.at(10, 2), shade);
    EXPECT_EQ(picture.at(10, 10), root);
    EXPECT_EQ(picture.at(11, 10), light);
    EXPECT_EQ(picture.at(10, 97), light);
    EXPECT_EQ(picture.at(9, 1), root);
    EXPECT_EQ(picture.at(30, 10), kWhite);
    slider->SetPort(nullptr);

    // Inside a parent the parent's background shows around the groove.
    CPlugInView* tree = makeProcess({"10,0,20,100:!Slider[('sld1')('ct01')()]"});
    HostPort treePort = attachPort();
    tree->Draw(nullptr);
    const platform::Image inside = pictureOf(treePort);
    EXPECT_EQ(inside.at(12, 10), RGB(0x88, 0x88, 0x88));
    EXPECT_EQ(inside.at(19, 10), shade);
}

TEST_F(Sliders, TheThirdGroupIsEmptyOrReverse)
{
    EXPECT_TRUE(built("!Slider[('sld1')('ct01')()]", {0, 0, 100, 20}));
    EXPECT_TRUE(built("!Slider[('sld1')('ct01')(reverse)]", {0, 0, 100, 20}));
    EXPECT_FALSE(built("!Slider[('sld1')('ct01')]", {0, 0, 100, 20}));
    EXPECT_FALSE(built("!Slider[('sld1')('ct01')(cyclical)]", {0, 0, 100, 20}));
    EXPECT_FALSE(built("!Slider[('sld1')('ct01')(reverse reverse)]", {0, 0, 100, 20}));
    EXPECT_FALSE(built("!Slider[('sld1')('ct01')(\"reverse\")]", {0, 0, 100, 20}));

    EXPECT_EQ(kravo::test::readingError<CSliderControlEditor>("!Slider[('sld1')('ct01')]"), kHostErrNullValue);
    EXPECT_EQ(kravo::test::readingError<CSliderControlEditor>("!Slider[('sld1')('ct01')(7)]"), kHostErrCheckFailed);
}

} // namespace
