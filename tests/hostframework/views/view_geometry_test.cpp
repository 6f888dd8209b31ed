#include "tests/hostframework/views/view_test.h"

namespace {

using kravo::test::RecordingView;
using kravo::test::ViewTest;

class ViewGeometry : public ViewTest {
protected:
    static std::vector<int> sides(CPlugInView& view)
    {
        HostRect frame{};
        view.GetFrame(&frame);
        return {frame.top, frame.left, frame.bottom, frame.right};
    }
    static std::vector<int> sides(const HostRect& rect) { return {rect.top, rect.left, rect.bottom, rect.right}; }
};

TEST_F(ViewGeometry, ShowAfterTwoHideCallsRestoresTheFrame)
{
    CPlugInView root;
    auto* child = view("child", {10, 20, 30, 60});
    root.AddSubView(child, false);
    root.SetFrame({10, 20, 30, 60});
    root.Hide();
    EXPECT_EQ(sides(root), (std::vector<int>{10, 16404, 30, 16444}));
    EXPECT_EQ(sides(*child), (std::vector<int>{10, 16404, 30, 16444})); // the subtree goes along
    root.Hide();
    EXPECT_EQ(sides(root), (std::vector<int>{10, 16404, 30, 16444}));
    root.Show();
    EXPECT_EQ(sides(root), (std::vector<int>{10, 20, 30, 60}));
    root.Show();
    EXPECT_EQ(sides(*child), (std::vector<int>{10, 20, 30, 60}));
    // The threshold is 8192.
    root.SetFrame({0, 8191, 1, 8192});
    root.Show();
    EXPECT_EQ(sides(root)[1], 8191);
    root.Hide();
    EXPECT_EQ(sides(root)[1], 8191 + 16384);
}

TEST_F(ViewGeometry, TheVisibleRectangleIsLimitFrameAndTheParentsVisibleRectangle)
{
    CPlugInView root;
    root.SetFrame({0, 0, 100, 100});
    root.SetLimitRect({10, -50, 200, 90});
    auto* child = view("child", {50, 50, 150, 150});
    root.AddSubView(child, false);
    auto* grandchild = view("grandchild", {40, 60, 120, 140});
    child->AddSubView(grandchild, false);
    grandchild->SetLimitRect({0, 0, 95, 1000});
    EXPECT_EQ(sides(root.GetVisibleRect()), (std::vector<int>{10, 0, 100, 90}));
    EXPECT_EQ(sides(child->GetVisibleRect()), (std::vector<int>{50, 50, 100, 90}));
    EXPECT_EQ(sides(grandchild->GetVisibleRect()), (std::vector<int>{50, 60, 95, 90}));
    // Nothing in common: all zeros.
    child->SetFrame({300, 300, 310, 310});
    EXPECT_EQ(sides(child->GetVisibleRect()), (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(ViewGeometry, ScrollingDrawsTheNewFrameAndTheUncoveredStripsThroughTheRoot)
{
    RecordingView root(log, "root", {-50, -50, 100, 100});
    auto* moving = view("moving", {0, 0, 10, 10});
    root.AddSubView(moving, false);
    root.SetPort(viewPort());
    moving->ScrollBy(3, -2);
    EXPECT_EQ(sides(*moving), (std::vector<int>{-2, 3, 8, 13}));
    EXPECT_EQ(log, (std::vector<std::string>{"moving Draw(-2,3,8,13)", "root Draw(8,0,10,10)", "root Draw(0,0,8,3)"}));

    // Down and to the left.
    moving->SetFrame({0, 0, 10, 10});
    log.clear();
    moving->ScrollBy(-4, 2);
    EXPECT_EQ(log, (std::vector<std::string>{"moving Draw(2,-4,12,6)", "root Draw(0,0,2,10)", "root Draw(2,6,10,10)"}));

    // A move off the old frame redraws all of it; the second strip is empty.
    moving->SetFrame({0, 0, 10, 10});
    log.clear();
    moving->ScrollBy(30, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"moving Draw(0,30,10,40)", "root Draw(0,0,10,10)", "root Draw(0,0,0,0)"}));

    // No move draws nothing; neither does a move without a port.
    log.clear();
    moving->ScrollBy(0, 0);
    root.SetPort(nullptr);
    moving->ScrollBy(5, 5);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(sides(*moving), (std::vector<int>{5, 35, 15, 45}));
    EXPECT_EQ(moving->GetFocusDepth(), 0);
}

TEST_F(ViewGeometry, ScrollingRepaintsTheStripsInTheRootsGrey)
{
    CPlugInView root;
    root.SetFrame({0, 0, 16, 16});
    auto* moving = new CPlugInView;
    moving->SetFrame({0, 0, 10, 10});
    root.AddSubView(moving, false);
    HostPort port = viewPort();
    root.SetPort(port);
    // Paint the view's old place black, then scroll: the root erases the strips in its grey; the view
    // itself paints nothing.
    HostExtForeColor(kHostBlackConstant);
    const HostRect old{0, 0, 10, 10};
    HostExtFillRect(&old);
    moving->ScrollBy(3, -2);
    const auto picture = pictureOf(port);
    const COLORREF grey = RGB(0x88, 0x88, 0x88);
    EXPECT_EQ(picture.at(0, 9), grey);  // first strip
    EXPECT_EQ(picture.at(1, 0), grey);  // second strip
    EXPECT_EQ(picture.at(5, 5), kBlack);
    EXPECT_EQ(picture.at(12, 0), kWhite);
    EXPECT_EQ(picture.at(15, 15), kWhite);
}

TEST_F(ViewGeometry, MovingInvalidatesTheOldAndTheNewFrame)
{
    CPlugInView root;
    auto* moving = view("moving", {10, 10, 20, 20});
    root.AddSubView(moving, false);
    HostPort port = viewPort();
    root.SetPort(port);
    hostext::logPortOperations(port, true);
    moving->MoveBy(0, 0);
    EXPECT_TRUE(hostext::portOperations(port).empty());
    moving->MoveTo(30, 5); // h, v
    const auto operations = hostext::portOperations(port);
    ASSERT_EQ(operations.size(), 2u);
    EXPECT_EQ(operations[0].kind, "invalidate");
    EXPECT_EQ(sides(operations[0].rect), (std::vector<int>{10, 10, 20, 20}));
    EXPECT_EQ(sides(operations[1].rect), (std::vector<int>{5, 30, 15, 40}));
    hostext::logPortOperations(port, false);
    EXPECT_EQ(moving->GetFocusDepth(), 0);
}

} // namespace
