#include "tests/hostframework/views/view_test.h"

#include <algorithm>

namespace {

using kravo::test::RecordingView;
using kravo::test::ViewTest;

// A root container of 100 × 100 on a port with one enabled child at (10, 10, 20, 20).
class ViewTracking : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        root = new RecordingView(log, "root", {0, 0, 100, 100});
        root->SetPort(viewPort());
        child = view("child", {10, 10, 20, 20});
        child->SetEnabled(true);
        root->AddSubView(child, false);
        child->SetPort(root->GetPort());
    }
    void TearDown() override
    {
        delete root;
        ViewTest::TearDown();
    }

    std::vector<std::string> only(const std::string& call) const
    {
        std::vector<std::string> found;
        std::copy_if(log.begin(), log.end(), std::back_inserter(found),
                     [&](const std::string& entry) { return entry.find(call) != std::string::npos; });
        return found;
    }

    // A click on the child whose drag goes out and back, while the host deletes the whole tree at its first
    // turn: the loop ends at once and the click answers 0.
    void expectAHostDeletingTheTreeEndsTheLoop()
    {
        scriptDrag({{15, 15}, {50, 50}, {15, 15}});
        group.hostAction = [this] {
            delete root;
            root = nullptr;
        };
        EXPECT_EQ(click(*root, 15, 15), 0);
        EXPECT_EQ(group.yields, 1);
        runScript();
    }

    RecordingView* root = nullptr;
    RecordingView* child = nullptr;
};

TEST_F(ViewTracking, ADragFarBeyondTheContainerStopsAtItsInsetFrame)
{
    child->SetDraggable(true);
    scriptDrag({{15, 15}, {60, 60}, {500, 400}});
    EXPECT_EQ(click(*root, 15, 15), 0);
    HostRect frame{};
    child->GetFrame(&frame);
    EXPECT_EQ(frame.left, 99);
    EXPECT_EQ(frame.top, 99);
    EXPECT_EQ(frame.right, 109); // the size stays
    EXPECT_EQ(only("SubViewMoved"),
              (std::vector<std::string>{"root SubViewMoved(55,55)", "root SubViewMoved(99,99)"}));
    EXPECT_EQ(only("SetHighlighted"),
              (std::vector<std::string>{"child SetHighlighted(true)", "child SetHighlighted(false)"}));
    EXPECT_FALSE(child->IsDragging());
    EXPECT_GT(group.yields, 2); // every pass lets the host run
    EXPECT_EQ(root->GetFocusDepth(), 0);
}

TEST_F(ViewTracking, TheLowBoundIsTheInsetFrameToo)
{
    child->SetDraggable(true);
    scriptDrag({{15, 15}, {-300, 12}});
    click(*root, 15, 15);
    HostRect frame{};
    child->GetFrame(&frame);
    EXPECT_EQ(frame.left, 1);
    EXPECT_EQ(frame.top, 7);
}

TEST_F(ViewTracking, TrackingHighlightsOnlyWhileInsideAndEndsUnhighlighted)
{
    scriptDrag({{15, 15}, {50, 50}, {12, 18}});
    click(*root, 15, 15);
    EXPECT_EQ(only("SetHighlighted"),
              (std::vector<std::string>{"child SetHighlighted(true)", "child SetHighlighted(false)",
                                        "child SetHighlighted(true)", "child SetHighlighted(false)"}));
    EXPECT_FALSE(child->IsHighlighted());
    EXPECT_GT(group.yields, 0);
    EXPECT_EQ(child->GetFocusDepth(), 0);
}

TEST_F(ViewTracking, TheSkipMessageAndAReleasedButtonTrackNothing)
{
    scriptDrag({{15, 15}, {16, 16}});
    click(*root, 15, 15, CPlugInView::kSkipTrackingMessage);
    EXPECT_TRUE(only("SetHighlighted").empty());
    EXPECT_EQ(group.yields, 0);
    runScript();
    click(*root, 15, 15); // the button is up
    EXPECT_TRUE(only("SetHighlighted").empty());
    EXPECT_EQ(only("Click").size(), 2u);
}

TEST_F(ViewTracking, AHostThatDeletesTheTreeWhileTrackingEndsTheLoopCleanly)
{
    expectAHostDeletingTheTreeEndsTheLoop();
}

TEST_F(ViewTracking, AHostThatDeletesTheTreeWhileDraggingEndsTheLoopCleanly)
{
    child->SetDraggable(true);
    expectAHostDeletingTheTreeEndsTheLoop();
}

TEST_F(ViewTracking, AHostThatTakesThePortAwayEndsTheLoopAtOnce)
{
    child->SetDraggable(true);
    scriptDrag({{15, 15}, {50, 50}, {60, 60}});
    RecordingView* tree = root;
    group.hostAction = [tree] { tree->SetPort(nullptr); };
    EXPECT_EQ(click(*root, 15, 15), 0);
    EXPECT_EQ(group.yields, 1);
    EXPECT_TRUE(only("SubViewMoved").empty()); // the first pass read the press point: no move yet
    EXPECT_EQ(root->GetFocusDepth(), 0);
    runScript();
}

} // namespace
