#include "hostframework/views/dial_control_editor.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/views/built_editor.h"
#include "tests/hostframework/views/control_process_test.h"

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

using kravo::test::ControlProcessTest;

constexpr std::int32_t kStep = 7146368;

std::unique_ptr<CDialControlEditor> built(const std::string& text, HostRect frame = {0, 0, 56, 56})
{
    return kravo::test::builtEditor<CDialControlEditor>(text, frame);
}

// The pointer's ends at the value as (inner h, inner v, outer h, outer v).
std::vector<int> endsAt(CDialControlEditor& dial, std::int32_t value)
{
    dial.SetValue(value);
    HostPoint inner{};
    HostPoint outer{};
    dial.GetPointerEnds(&inner, &outer);
    return {inner.h, inner.v, outer.h, outer.v};
}

HostPoint at(int h, int v)
{
    return {static_cast<std::int16_t>(v), static_cast<std::int16_t>(h)};
}

class Dials : public ControlProcessTest {
protected:
    // The dial 'dia1' of control 1 at (20, 100, 76, 156), its centre at h 128, v 48, on a port.
    CPlugInView* boundDial(const std::string& common = "", const std::string& options = "")
    {
        CPlugInView* root = makeProcess({"100,20,56,56:!Dial[('dia1'" + common + ")('ct01')(" + options + ")]"});
        attachPort();
        return root;
    }

    CDialControlEditor* dial()
    {
        return dynamic_cast<CDialControlEditor*>(process->GetRootView()->FindSubViewByID(FourCharCode("dia1")));
    }

    COLORREF pixel(int h, int v) { return pictureOf(process->GetRootView()->GetPort()).at(h, v); }
};

TEST_F(Dials, ThePointerSweeps144DegreesEachWayFromStraightUp)
{
    auto dial = built("!Dial[('dia1')('NoID')()]");
    ASSERT_TRUE(dial);
    // The half turn a touch above pi puts the tip's h just left of the centre.
    EXPECT_EQ(endsAt(*dial, 0), (std::vector<int>{27, 23, 27, 8}));
    EXPECT_EQ(endsAt(*dial, INT32_MAX), (std::vector<int>{30, 32, 39, 44}));
    EXPECT_EQ(endsAt(*dial, INT32_MIN), (std::vector<int>{25, 32, 16, 44}));

    auto reversed = built("!Dial[('dia1')('NoID')(reverse)]");
    ASSERT_TRUE(reversed);
    EXPECT_TRUE(reversed->IsReversed());
    EXPECT_EQ(endsAt(*reversed, INT32_MAX), (std::vector<int>{25, 32, 16, 44}));

    auto cyclical = built("!Dial[('dia1')('NoID')(cyclical)]");
    ASSERT_TRUE(cyclical);
    EXPECT_TRUE(cyclical->IsCyclical());
    EXPECT_EQ(endsAt(*cyclical, INT32_MAX), (std::vector<int>{27, 33, 27, 48}));
    EXPECT_EQ(endsAt(*cyclical, 1073741824), (std::vector<int>{33, 28, 48, 28}));
}

TEST_F(Dials, TheMouseAngleGivesTheValue)
{
    auto dial = built("!Dial[('dia1')('NoID')()]");
    ASSERT_TRUE(dial);
    EXPECT_TRUE(dial->IsAngular());
    const HostPoint none = at(0, 0);
    EXPECT_EQ(dial->PointToValue(at(28, 56), none, 0), 2147483646);    // 180 degrees
    EXPECT_EQ(dial->PointToValue(at(27, 85), none, 0), INT32_MIN);     // 181
    EXPECT_EQ(dial->PointToValue(at(28, 0), none, 12345), 12345);      // up: the step of the value
    EXPECT_EQ(dial->PointToValue(at(28, 0), none, 70000), 0);          // another step
    EXPECT_EQ(dial->PointToValue(at(56, 28), none, 0), 20388 * 65536 + 40776); // 90 covers 112 of the range

    auto cyclical = built("!Dial[('dia1')('NoID')(cyclical)]");
    ASSERT_TRUE(cyclical);
    EXPECT_EQ(cyclical->PointToValue(at(56, 28), none, 0), 1073774592);
    // Within one coarse step of the current value the value stays, however its low half reads.
    EXPECT_EQ(cyclical->PointToValue(at(56, 28), none, 1073741824 + 5), 1073741824 + 5);
    EXPECT_EQ(cyclical->PointToValue(at(0, 28), none, 0), -1073741824);

    auto reversed = built("!Dial[('dia1')('NoID')(cyclical reverse)]");
    ASSERT_TRUE(reversed);
    EXPECT_EQ(reversed->PointToValue(at(0, 28), none, 0), 1073774592);
}

TEST_F(Dials, TheLinearDragSaturatesInsteadOfWrapping)
{
    auto dial = built("!Dial[('dia1')('NoID')()]");
    ASSERT_TRUE(dial);
    dial->SetAngular(false);
    const HostPoint last = at(28, 100);
    // 76 pixels up at the coarse speed would wrap in 32 bits.
    EXPECT_EQ(dial->PointToValue(at(28, 24), last, 0), INT32_MAX);
    EXPECT_EQ(dial->PointToValue(at(28, 176), last, 0), INT32_MIN);
    EXPECT_EQ(dial->PointToValue(at(28, 99), last, 0), 4 * kStep);
    EXPECT_EQ(dial->PointToValue(at(30, 100), last, 0), 8 * kStep); // right raises too
    EXPECT_EQ(dial->PointToValue(at(31, 101), last, 0), 12 * kStep); // against each other: the longer part wins
    EXPECT_EQ(dial->PointToValue(at(30, 103), last, 0), -12 * kStep);
    EXPECT_EQ(dial->PointToValue(at(33, 103), last, 0), 20 * kStep);
    EXPECT_EQ(dial->PointToValue(at(31, 103), last, 0), -12 * kStep); // a tie goes to the vertical part
    EXPECT_EQ(dial->PointToValue(at(29, 99), last, 10), 10 + 8 * kStep);
    // The command key moves it four times less.
    script().press(VK_CONTROL);
    EXPECT_EQ(dial->PointToValue(at(28, 90), last, 0), 10 * kStep);
    script().release(VK_CONTROL);
    runScript();
}

TEST_F(Dials, ADragToTheBottomGivesTheLargestValueLessOne)
{
    CPlugInView* root = boundDial();
    scriptDrag({{128, 30}, {150, 48}, {128, 90}});
    click(*root, 128, 30);
    EXPECT_EQ(controlValue(1), 2147483646);
    EXPECT_FALSE(dial()->IsHighlighted());
    HostPoint tip{};
    dial()->GetValuePoint(&tip);
    EXPECT_EQ(tip.h, 139); // the pointer followed
    EXPECT_EQ(tip.v, 64);
    // One degree further round is the minimum.
    scriptDrag({{128, 75}, {127, 105}});
    click(*root, 128, 75);
    EXPECT_EQ(controlValue(1), INT32_MIN);
}

TEST_F(Dials, TheClickItselfSetsAValueUnlessTheSkipFlagIsSet)
{
    CPlugInView* root = boundDial();
    scriptDrag({{150, 48}});
    click(*root, 150, 48, CPlugInView::kSkipTrackingMessage);
    EXPECT_EQ(controlValue(1), 100);
    scriptDrag({{150, 48}});
    click(*root, 150, 48);
    EXPECT_EQ(controlValue(1), 20388 * 65536 + 40776);
}

TEST_F(Dials, WithTheSkipFlagTheDragStopsInTheHiddenPartOfTheFrame)
{
    CPlugInView* root = boundDial("", "cyclical");
    dial()->SetLimitRect({20, 128, 32000, 32000}); // the left half is out of sight
    scriptDrag({{150, 48}, {150, 60}, {110, 48}, {128, 100}});
    click(*root, 150, 48, CPlugInView::kSkipTrackingMessage);
    EXPECT_EQ(controlValue(1), dial()->PointToValue(at(150, 60), at(0, 0), 0));
}

TEST_F(Dials, ThePointerIsDrawnAgainWhereTheValueMoved)
{
    CPlugInView* root = boundDial();
    HostPort port = root->GetPort();
    root->Draw(nullptr);
    EXPECT_EQ(pixel(128, 35), RGB(0x00, 0x00, 0x22)); // the pointer straight up, in the view's colour
    process->SetControlValue(1, INT32_MAX);
    const platform::Image moved = pictureOf(port);
    EXPECT_EQ(moved.at(128, 35), RGB(0xAA, 0xAA, 0xAA));
    root->Draw(nullptr);
    expectSamePicture(moved, pictureOf(port));
}

TEST_F(Dials, PlacingMarksTheDialForDrawingAndKeepsTheEndsLastDrawn)
{
    auto dial = built("!Dial[('dia1')('NoID')()]");
    ASSERT_TRUE(dial);
    HostPort port = viewPort({0, 0, 60, 60});
    dial->SetPort(port);
    dial->UpdateFromControl();
    hostext::logPortOperations(port, true);
    dial->UpdatePosition();
    EXPECT_TRUE(hostext::portOperations(port).empty());
    dial->SetValue(INT32_MAX);
    dial->UpdatePosition();
    const auto operations = hostext::portOperations(port);
    ASSERT_EQ(operations.size(), 1u);
    EXPECT_EQ(operations[0].kind, "invalidate");
    HostPoint tip{};
    dial->GetValuePoint(&tip);
    EXPECT_EQ(tip.h, 27);
    EXPECT_EQ(tip.v, 8);
    hostext::logPortOperations(port, false);
    dial->SetPort(nullptr);
}

TEST_F(Dials, MovingTheDialMovesThePointer)
{
    boundDial();
    const HostPoint inner = dial()->GetInnerEnd();
    const HostPoint outer = dial()->GetOuterEnd();
    dial()->OffsetBy(5, -3);
    EXPECT_EQ(dial()->GetInnerEnd().h, inner.h + 5);
    EXPECT_EQ(dial()->GetInnerEnd().v, inner.v - 3);
    EXPECT_EQ(dial()->GetOuterEnd().h, outer.h + 5);
    EXPECT_EQ(dial()->GetOuterEnd().v, outer.v - 3);
}

TEST_F(Dials, WhileHeldAHostHighlightedDialTakesTheHostsColour)
{
    CPlugInView* root = boundDial();
    process->HighlightControl(1, 1, 0, 0, "");
    HostColor colour{};
    dial()->GetForeColor(&colour);
    EXPECT_EQ(colour.red, 0x0000); // not held: the view's own colour
    EXPECT_EQ(colour.blue, 0x2222);
    dial()->SetHighlighted(true);
    EXPECT_EQ(pixel(128, 35), RGB(0xFF, 0x33, 0x33));
    for (const auto& [host, red, green, blue] : std::vector<std::tuple<int, int, int, int>>{
             {1, 0x3333, 0x6666, 0x9999}, {2, 0x3333, 0x6666, 0x3333}, {3, 0x6666, 0x6666, 0x0000}}) {
        process->HighlightControl(1, 1, static_cast<std::int16_t>(host), 0, "");
        dial()->GetForeColor(&colour);
        EXPECT_EQ(colour.red, red) << host;
        EXPECT_EQ(colour.green, green) << host;
        EXPECT_EQ(colour.blue, blue) << host;
    }
    // Held without the host's highlight: the highlight colour of every view.
    process->HighlightControl(1, 0, 0, 0, "");
    dial()->GetForeColor(&colour);
    EXPECT_EQ(colour.green, 0x6666);
    EXPECT_EQ(colour.blue, 0xFFFF);
    dial()->SetHighlighted(false);
    root->Draw(nullptr);
    EXPECT_EQ(pixel(128, 35), RGB(0x00, 0x00, 0x22));
}

TEST_F(Dials, OwnStylesOneAndFourHaveColoursOfTheirOwn)
{
    CPlugInView* root = boundDial(" 1");
    root->Draw(nullptr);
    EXPECT_EQ(pixel(128, 35), RGB(0x00, 0x66, 0xFF));
    EXPECT_EQ(pixel(128, 25), RGB(0x00, 0x66, 0xFF)); // the face's outline
    EXPECT_EQ(pixel(120, 40), RGB(0xAA, 0xAA, 0xAA)); // the face
    auto four = built("!Dial[('dia2' 4)('NoID')()]");
    ASSERT_TRUE(four);
    HostColor colour{};
    four->GetForeColor(&colour);
    EXPECT_EQ(colour.red, 0x0000);
    EXPECT_EQ(colour.green, 0x0000);
    EXPECT_EQ(colour.blue, 0xAAAA);
}

TEST_F(Dials, TheThirdGroupHoldsReverseAndCyclicalOnly)
{
    EXPECT_TRUE(built("!Dial[('dia1')('NoID')()]"));
    EXPECT_TRUE(built("!Dial[('dia1')('NoID')(cyclical reverse cyclical)]"));
    EXPECT_FALSE(built("!Dial[('dia1')('NoID')]"));
    EXPECT_FALSE(built("!Dial[('dia1')('NoID')(plate)]"));
    EXPECT_FALSE(built("!Dial[('dia1')('NoID')(reverse 3)]"));
    EXPECT_FALSE(built("!Dial[('dia1')('NoID')(\"cyclical\")]"));
}

} // namespace
