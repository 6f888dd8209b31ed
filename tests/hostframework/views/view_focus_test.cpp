#include "tests/hostframework/views/view_test.h"

#include "tests/hostframework/support/host_error_code.h"

#include "hostframework/views/overlay_clip_list.h"

#include <memory>

namespace {

using kravo::test::hostErrorCode;
using kravo::test::RecordingView;
using kravo::test::ViewTest;

class ViewFocus : public ViewTest {};

TEST_F(ViewFocus, FocusingNestsFourDeepAndUnfocusingNeedsAFocus)
{
    CPlugInView view;
    view.SetFrame({0, 0, 10, 10});
    EXPECT_EQ(hostErrorCode([&] { view.FocusView(nullptr); }), -7053); // no port
    view.SetPort(viewPort());
    EXPECT_EQ(hostErrorCode([&] { view.UnfocusView(); }), -7400);
    for (int depth = 1; depth <= 4; ++depth) {
        view.FocusView(nullptr);
        EXPECT_EQ(view.GetFocusDepth(), depth);
    }
    EXPECT_EQ(hostErrorCode([&] { view.FocusView(nullptr); }), -7400);
    EXPECT_EQ(view.GetFocusDepth(), 4);
    for (int depth = 3; depth >= 0; --depth) {
        view.UnfocusView();
        EXPECT_EQ(view.GetFocusDepth(), depth);
    }
    EXPECT_EQ(hostErrorCode([&] { view.UnfocusView(); }), -7400);
}

TEST_F(ViewFocus, FocusingMakesThePortCurrentWithTheViewsOriginAndClipAndUnfocusingGivesItBack)
{
    HostPort other = viewPort({0, 0, 8, 8});
    HostPort port = viewPort({0, 0, 20, 20});
    CPlugInView view;
    view.SetFrame({2, 2, 12, 12});
    view.SetPort(port);
    HostExtSetPort(port);
    HostExtSetOrigin(5, 5); // the port as someone else left it
    const HostRect outside{100, 100, 101, 101};
    HostExtClipRect(&outside);
    HostExtSetPort(other);

    const HostRect clip{0, 0, 6, 8};
    view.FocusView(&clip);
    EXPECT_EQ(HostExtGetPort(), port);
    HostExtForeColor(kHostBlackConstant);
    const HostRect all{-100, -100, 100, 100};
    HostExtFillRect(&all);
    // Clipped to frame ∩ clip, in the view's origin (the port's top-left when it was set: 0, 0).
    EXPECT_EQ(painted(port), block(2, 2, 6, 8));
    view.UnfocusView();
    EXPECT_EQ(HostExtGetPort(), other);
    HostExtSetPort(port);
    HostRect bounds{};
    HostExtGetPortBounds(port, &bounds);
    EXPECT_EQ(bounds.left, 5); // origin given back
    const HostRect everything{-1000, -1000, 1000, 1000};
    HostExtFillRect(&everything); // clip given back: nothing lands
    EXPECT_EQ(painted(port), block(2, 2, 6, 8));
}

TEST_F(ViewFocus, AViewUnderTheOverlayRectangleIsClippedAroundIt)
{
    HostPort popup = viewPort({0, 0, 30, 30});
    const HostRect covered{4, 4, 8, 8};
    CPlugInView::SetOverlayPort(popup, &covered); // in the popup's local coordinates
    HostPort port = viewPort({0, 0, 16, 16});
    CPlugInView root;
    root.SetFrame({0, 0, 16, 16});
    root.SetPort(port);
    root.Draw(nullptr);
    auto expected = block(0, 0, 16, 16);
    for (const auto& pixel : block(4, 4, 8, 8))
        expected.erase(pixel);
    EXPECT_EQ(painted(port), expected);
    EXPECT_EQ(COverlayClipList::Get().GetCount(), 1);

    // Ending the overlay draws what was left out.
    CPlugInView::SetOverlayPort(nullptr, nullptr);
    EXPECT_EQ(painted(port), block(0, 0, 16, 16));
    EXPECT_EQ(COverlayClipList::Get().GetCount(), 0);
}

TEST_F(ViewFocus, ViewsOfThePopupsOwnPortOrAwayFromItAreNotListed)
{
    HostPort popup = viewPort({0, 0, 30, 30});
    const HostRect covered{4, 4, 8, 8};
    CPlugInView::SetOverlayPort(popup, &covered);
    CPlugInView onPopup;
    onPopup.SetFrame({0, 0, 30, 30});
    onPopup.SetPort(popup);
    onPopup.Draw(nullptr);
    CPlugInView away;
    away.SetFrame({10, 10, 20, 20});
    away.SetPort(viewPort({0, 0, 30, 30}));
    away.Draw(nullptr);
    EXPECT_EQ(COverlayClipList::Get().GetCount(), 0);
}

TEST_F(ViewFocus, TheListHolds128ViewsAndANullPortRedrawsThemLastToFirst)
{
    HostPort popup = viewPort({0, 0, 30, 30});
    const HostRect covered{0, 0, 30, 30};
    CPlugInView::SetOverlayPort(popup, &covered);
    HostPort port = viewPort();
    RecordingView root(log, "root", {0, 0, 200, 200});
    root.SetPort(port);
    for (int n = 0; n < 129; ++n) {
        auto* child = view(std::to_string(n), {0, 0, 10, 10});
        root.AddSubView(child, false);
        child->SetPort(port);
    }
    CPlugInView* child = root.GetFirstSubView();
    for (int n = 0; n < 128; ++n, child = child->GetNextSibling()) {
        child->FocusView(nullptr);
        child->UnfocusView();
    }
    // The same view again grows its entry instead of taking another.
    const HostRect wider{0, 0, 10, 20};
    root.GetFirstSubView()->SetFrame(wider);
    root.GetFirstSubView()->FocusView(nullptr);
    root.GetFirstSubView()->UnfocusView();
    EXPECT_EQ(COverlayClipList::Get().GetCount(), 128);
    EXPECT_EQ(hostErrorCode([&] { child->FocusView(nullptr); }), -7400);
    EXPECT_EQ(child->GetFocusDepth(), 0); // the failed focus gave its level back

    // A view that leaves the tree leaves the list.
    CPlugInView* second = root.GetFirstSubView()->GetNextSibling();
    root.RemoveSubView(second);
    delete second;
    EXPECT_EQ(COverlayClipList::Get().GetCount(), 127);

    log.clear();
    CPlugInView::SetOverlayPort(nullptr, nullptr);
    ASSERT_EQ(log.size(), 127u);
    EXPECT_EQ(log.front(), "127 Draw(0,0,10,10)");
    EXPECT_EQ(log[125], "2 Draw(0,0,10,10)");
    EXPECT_EQ(log.back(), "0 Draw(0,0,10,20)");
    EXPECT_EQ(COverlayClipList::Get().GetCount(), 0);
}

} // namespace
