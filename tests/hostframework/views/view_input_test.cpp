#include "hostlibs/extension/host_graphics_types.h"
#include "tests/hostframework/views/view_test.h"

namespace {

using kravo::test::RecordingView;
using kravo::test::ViewTest;

// A root of 100 × 100 on a port, active, with the views a test adds.
class ClicksAndKeys : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        root.SetFrame({0, 0, 100, 100});
        root.SetPort(viewPort());
        root.Activate();
    }
    void TearDown() override
    {
        root.SetPort(nullptr);
        root.DeleteSubViews();
        ViewTest::TearDown();
    }

    RecordingView* add(const std::string& name, HostRect frame, bool enabled, bool takesFocus,
                       CPlugInView* into = nullptr)
    {
        RecordingView* added = view(name, frame);
        added->SetEnabled(enabled);
        added->takesFocus = takesFocus;
        (into != nullptr ? into : &root)->AddSubView(added, false);
        return added;
    }

    RecordingView root{log, "root"};
};

TEST_F(ClicksAndKeys, AClickInADisabledViewReachesItsFirstEnabledAncestor)
{
    RecordingView* panel = add("panel", {0, 0, 50, 50}, true, false);
    RecordingView* inner = add("inner", {0, 0, 40, 40}, false, false, panel);
    add("label", {10, 10, 20, 20}, false, false, inner);
    EXPECT_EQ(click(root, 15, 15), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"panel Click"}));
    EXPECT_EQ(root.GetFocusDepth(), 0);
}

TEST_F(ClicksAndKeys, AClickWithNoEnabledAncestorOnlyEndsKeyEditing)
{
    add("field", {60, 60, 70, 70}, true, true);
    add("label", {10, 10, 20, 20}, false, false);
    click(root, 65, 65);
    log.clear();
    click(root, 15, 15);
    EXPECT_EQ(log, (std::vector<std::string>{"field EndEdit(false)"}));
    EXPECT_EQ(root.GetKeyFocus(), nullptr);
}

TEST_F(ClicksAndKeys, AViewTakesTheFocusOnlyWhileTheRootIsActive)
{
    RecordingView* field = add("field", {10, 10, 20, 20}, true, true);
    root.Deactivate();
    click(root, 15, 15);
    EXPECT_EQ(root.GetKeyFocus(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"field Click"}));
    root.Activate();
    click(root, 15, 15);
    EXPECT_EQ(root.GetKeyFocus(), field);
    // Clicking the focus view again keeps its editing going.
    log.clear();
    click(root, 15, 15);
    EXPECT_EQ(log, (std::vector<std::string>{"field Click"}));
}

TEST_F(ClicksAndKeys, TabMovesToTheNextFocusableEnabledSiblingAndWraps)
{
    RecordingView* a = add("a", {0, 0, 10, 10}, true, true);
    add("disabled", {0, 10, 10, 20}, false, true);
    add("plain", {0, 20, 10, 30}, true, false);
    RecordingView* b = add("b", {0, 30, 10, 40}, true, true);
    click(root, 5, 5);
    ASSERT_EQ(root.GetKeyFocus(), a);
    log.clear();
    EXPECT_TRUE(type(root, '\t'));
    EXPECT_EQ(root.GetKeyFocus(), b);
    EXPECT_EQ(log, (std::vector<std::string>{"a EndEdit(true)", "b BeginEdit"}));
    EXPECT_TRUE(type(root, '\t'));
    EXPECT_EQ(root.GetKeyFocus(), a);
    // Shift goes back, and from the first it wraps to the last one after it.
    EXPECT_TRUE(type(root, '\t', kHostShiftKeyModifier));
    EXPECT_EQ(root.GetKeyFocus(), b);
    EXPECT_TRUE(type(root, '\t', kHostShiftKeyModifier));
    EXPECT_EQ(root.GetKeyFocus(), a);
}

TEST_F(ClicksAndKeys, ShiftTabFromTheFirstFocusableSiblingGoesToTheLastOneAfterIt)
{
    add("before", {0, 0, 10, 10}, true, false);
    RecordingView* first = add("first", {0, 10, 10, 20}, true, true);
    add("second", {0, 20, 10, 30}, true, true);
    RecordingView* last = add("last", {0, 30, 10, 40}, true, true);
    add("after", {0, 40, 10, 50}, true, false);
    click(root, 15, 5);
    ASSERT_EQ(root.GetKeyFocus(), first);
    type(root, '\t', kHostShiftKeyModifier);
    EXPECT_EQ(root.GetKeyFocus(), last);
}

TEST_F(ClicksAndKeys, TabWithNoOtherCandidateClearsTheFocus)
{
    add("only", {0, 0, 10, 10}, true, true);
    click(root, 5, 5);
    log.clear();
    EXPECT_TRUE(type(root, '\t'));
    EXPECT_EQ(root.GetKeyFocus(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"only EndEdit(true)"}));
}

TEST_F(ClicksAndKeys, EnterEndsAndBeginsAgainReturnAcceptsEscapeCancels)
{
    RecordingView* field = add("field", {0, 0, 10, 10}, true, true);
    click(root, 5, 5);
    log.clear();
    EXPECT_TRUE(type(root, 3));
    EXPECT_EQ(root.GetKeyFocus(), field);
    EXPECT_TRUE(type(root, 'q'));
    EXPECT_TRUE(type(root, '\r'));
    EXPECT_EQ(root.GetKeyFocus(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"field EndEdit(true)", "field BeginEdit", "field HandleKey(113)",
                                             "field EndEdit(true)"}));
    click(root, 5, 5);
    log.clear();
    EXPECT_TRUE(type(root, 27));
    EXPECT_EQ(root.GetKeyFocus(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"field EndEdit(false)"}));
    // Without a focus view no key is handled; the character is the message's low byte.
    EXPECT_FALSE(type(root, 'q'));
    click(root, 5, 5);
    const HostEventRecord event{kHostKeyDownEvent, 0x7F00 | 'z', 0, {0, 0}, 0};
    bool handled = false;
    root.HandleKeyDown(&event, &handled);
    EXPECT_EQ(log.back(), "field HandleKey(122)");
    EXPECT_EQ(root.GetFocusDepth(), 0);
}

} // namespace
