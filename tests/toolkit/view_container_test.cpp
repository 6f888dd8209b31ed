#include "toolkit/view_container.h"

#include "tests/toolkit/support/recording_views.h"
#include "tests/toolkit/support/toolkit_test.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"
#include "toolkit/messages.h"
#include "toolkit/mouse_buttons.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace Toolkit;
using kravo::test::CountingContainer;
using kravo::test::Held;
using kravo::test::RecordingView;
using kravo::test::WindowlessFrame;
using ViewContainer = kravo::test::ToolkitTest;

constexpr COLORREF kCanvas = RGB(255, 255, 255);

// Added to the container, which holds it from now on.
template <class V>
V* added(CViewContainer& container, V* view)
{
    container.addView(view);
    return view;
}

TEST_F(ViewContainer, TheLaterOfTwoOverlappingChildrenTakesTheClickInTheContainersCoordinates)
{
    WindowlessFrame frame;
    auto* container = added(frame, new CViewContainer({100, 50, 200, 150}, &frame, nullptr));
    auto* below = added(*container, new RecordingView({0, 0, 40, 40}));
    auto* above = added(*container, new RecordingView({20, 20, 60, 60}));
    CDrawContext context(&frame, nullptr, nullptr);

    container->mouse(&context, {130, 80}, kLeftButton); // (30, 30) inside: both overlap there
    ASSERT_EQ(above->clicks.size(), 1u);
    EXPECT_EQ(above->clicks[0], (CPoint{30, 30}));
    EXPECT_EQ(above->lastButtons, kLeftButton);
    EXPECT_TRUE(below->clicks.empty());

    // A child that takes no mouse lets the click through to the one below.
    above->setMouseEnabled(false);
    container->mouse(&context, {110, 60}, kRightButton);
    EXPECT_EQ(below->clicks.size(), 1u);
    EXPECT_EQ(above->clicks.size(), 1u);
}

TEST_F(ViewContainer, KeysAreOfferedLastChildFirstUntilOneHandlesThem)
{
    std::vector<std::string> log;
    WindowlessFrame frame;
    auto* first = added(frame, new RecordingView({0, 0, 1, 1}, "first", &log));
    auto* second = added(frame, new RecordingView({0, 0, 1, 1}, "second", &log));
    CViewContainer& container = frame;
    PlugKeyCode key{'a', 0, 0};
    EXPECT_EQ(container.CViewContainer::onKeyDown(key), -1);
    EXPECT_EQ(log, (std::vector<std::string>{"second keyDown", "first keyDown"}));

    first->keyAnswer = 1;
    log.clear();
    EXPECT_EQ(container.CViewContainer::onKeyUp(key), 1);
    second->keyAnswer = 0;
    EXPECT_EQ(container.CViewContainer::onKeyDown(key), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"second keyUp", "first keyUp", "second keyDown"}));
}

TEST_F(ViewContainer, RemovingAStrangerOrAskingPastTheEndDoesNothing)
{
    std::vector<std::string> log;
    WindowlessFrame frame;
    auto* child = added(frame, new RecordingView({0, 0, 5, 5}, "child", &log));
    bool strangerEnded = false;
    auto* stranger = new RecordingView({0, 0, 5, 5}, "stranger", &log);
    stranger->ended = &strangerEnded;
    frame.removeView(stranger, true);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(strangerEnded);
    stranger->forget();
    EXPECT_TRUE(strangerEnded);

    EXPECT_EQ(frame.getNbViews(), 1);
    EXPECT_EQ(frame.getView(0), child);
    EXPECT_EQ(frame.getView(1), nullptr);
    EXPECT_EQ(frame.getView(-1), nullptr);
    EXPECT_TRUE(frame.isChild(child));
    EXPECT_FALSE(frame.isChild(stranger));
}

TEST_F(ViewContainer, RemovedWithoutForgetAViewStaysTheCallersAndWithForgetItEnds)
{
    WindowlessFrame frame;
    bool ended = false;
    auto* view = new RecordingView({0, 0, 5, 5});
    view->ended = &ended;
    view->remember(); // the test's own reference, besides the one addView takes over
    frame.addView(view, {1, 1, 3, 3}, false);
    EXPECT_EQ(view->getFrame(), &frame);
    EXPECT_EQ(view->getParentView(), &frame);
    EXPECT_FALSE(view->getMouseEnabled());
    CRect area;
    EXPECT_EQ(view->getMouseableArea(area), (CRect{1, 1, 3, 3}));

    frame.removeView(view, false);
    EXPECT_FALSE(ended);
    EXPECT_EQ(frame.getNbViews(), 0);
    frame.addView(view);
    frame.removeView(view, true);
    EXPECT_FALSE(ended); // the test's reference
    view->forget();
    EXPECT_TRUE(ended);
}

TEST_F(ViewContainer, ADirtyChildHalfInsideTheUpdateIsDrawnInThatHalfAndStaysDirtyForTheNextIdle)
{
    WindowlessFrame frame({0, 0, 60, 40});
    auto* child = added(frame, new RecordingView({10, 10, 30, 30}));
    auto* elsewhere = added(frame, new RecordingView({40, 10, 50, 20}));
    HDC dc = canvas(60, 40);
    CDrawContext context(&frame, dc, nullptr);

    frame.drawRect(&context, {0, 0, 20, 40});
    EXPECT_EQ(child->draws, 1);
    EXPECT_EQ(child->lastClip, (CRect{10, 10, 20, 30}));
    EXPECT_TRUE(child->isDirty());
    EXPECT_EQ(elsewhere->draws, 0);
    EXPECT_TRUE(elsewhere->isDirty()); // not touched: dirty since it was added

    frame.idle();
    EXPECT_EQ(child->draws, 2);
    EXPECT_EQ(child->lastClip, (CRect{10, 10, 30, 30}));
    EXPECT_FALSE(child->isDirty());
    EXPECT_EQ(elsewhere->draws, 1);
    EXPECT_FALSE(frame.isDirty());
}

TEST_F(ViewContainer, OnlyDirtyChildrenAreRedrawnAndACleanContainerDrawsNothing)
{
    WindowlessFrame frame({0, 0, 60, 40});
    auto* container = added(frame, new CountingContainer({10, 5, 50, 35}, &frame));
    auto* first = added(*container, new RecordingView({0, 0, 10, 10}));
    auto* second = added(*container, new RecordingView({20, 0, 30, 10}));
    HDC dc = canvas(60, 40);
    CDrawContext context(&frame, dc, nullptr);
    container->draw(&context);
    ASSERT_FALSE(container->isDirty());
    const int containerDraws = container->draws;

    container->update(&context);
    EXPECT_EQ(container->draws, containerDraws);
    EXPECT_EQ(first->draws, 1);

    second->setDirty(true);
    container->update(&context);
    EXPECT_EQ(first->draws, 1);
    EXPECT_EQ(second->draws, 2);

    // In the normal mode a dirty child has the whole container redrawn; other modes draw nothing.
    container->setMode(CViewContainer::kNormalUpdate);
    second->setDirty(true);
    container->update(&context);
    EXPECT_EQ(first->draws, 2);
    second->setDirty(true);
    container->setMode(7);
    container->update(&context);
    EXPECT_EQ(second->draws, 3);
    EXPECT_TRUE(second->isDirty());
}

TEST_F(ViewContainer, ATransparentContainerHasItsParentRepaintWhatShowsThrough)
{
    WindowlessFrame frame({0, 0, 60, 40});
    auto* under = added(frame, new RecordingView({0, 0, 20, 20}));
    auto* container = added(frame, new CViewContainer({0, 0, 20, 20}, &frame, nullptr));
    auto* child = added(*container, new RecordingView({5, 5, 10, 10}));
    HDC dc = canvas(60, 40);
    CDrawContext context(&frame, dc, nullptr);
    frame.draw(&context);
    ASSERT_EQ(under->draws, 1);

    child->setDirty(true);
    container->update(&context);
    EXPECT_EQ(under->draws, 1);
    EXPECT_EQ(child->draws, 2);
    container->setTransparency(true);
    child->setDirty(true);
    container->update(&context);
    EXPECT_EQ(under->draws, 2);
    EXPECT_EQ(child->draws, 3);
}

TEST_F(ViewContainer, OnlyAChildThatShowsMakesTheContainerDirty)
{
    WindowlessFrame frame;
    auto* container = added(frame, new CViewContainer({0, 0, 20, 20}, &frame, nullptr));
    auto* outside = added(*container, new RecordingView({25, 0, 30, 5}));
    auto* edge = added(*container, new RecordingView({20, 0, 30, 5})); // touches the edge, shows nothing
    container->setDirty(false);
    EXPECT_FALSE(container->isDirty());
    EXPECT_TRUE(outside->isDirty() && edge->isDirty());
    auto* inside = added(*container, new RecordingView({19, 19, 30, 30}));
    container->setDirty(false);
    EXPECT_TRUE(container->isDirty());
    inside->setDirty(false);
    container->setBackgroundColor({1, 2, 3, 255});
    EXPECT_TRUE(container->isDirty());
}

TEST_F(ViewContainer, CoordinatesPassThroughTheCornersOfEveryContainer)
{
    WindowlessFrame frame;
    auto* outer = added(frame, new CViewContainer({100, 50, 300, 250}, &frame, nullptr));
    auto* inner = added(*outer, new CViewContainer({10, 20, 110, 120}, &frame, nullptr));
    auto* view = added(*inner, new RecordingView({5, 5, 15, 15}));

    CPoint point{0, 0};
    EXPECT_EQ(view->localToFrame(point), (CPoint{110, 70}));
    EXPECT_EQ(view->frameToLocal(point), (CPoint{0, 0}));

    // Deep, the search goes on into the inner container; otherwise it stops there.
    EXPECT_EQ(frame.getViewAt({120, 80}, true), view);
    EXPECT_EQ(frame.getViewAt({120, 80}, false), outer);
    EXPECT_EQ(frame.getViewAt({130, 90}, true), nullptr); // inside the inner container, on no view
    EXPECT_EQ(frame.getViewAt({99, 80}, true), nullptr);
    EXPECT_TRUE(inner->isTypeOf("CViewContainer") && inner->isTypeOf("CView"));
    EXPECT_EQ(inner->notify(view, kMsgCheckIfViewContainer), 1);
    EXPECT_EQ(view->notify(inner, kMsgCheckIfViewContainer), 0);
}

TEST_F(ViewContainer, TheWheelReachesTheChildUnderThePointerInItsContainersCoordinates)
{
    WindowlessFrame frame;
    auto* container = added(frame, new CViewContainer({100, 50, 200, 150}, &frame, nullptr));
    auto* view = added(*container, new RecordingView({10, 10, 20, 20}));
    CDrawContext context(&frame, nullptr, nullptr);
    EXPECT_TRUE(container->onWheel(&context, {115, 65}, -0.5f));
    ASSERT_EQ(view->wheels.size(), 1u);
    EXPECT_EQ(view->wheels[0].first, (CPoint{15, 15}));
    EXPECT_EQ(view->wheels[0].second, -0.5f);
    EXPECT_EQ(context.offset, (CPoint{0, 0})); // the shift is undone
    EXPECT_FALSE(container->onWheel(&context, {150, 100}, 1.0f));
}

TEST_F(ViewContainer, DragsAreRoutedToTheChildUnderThePointerAsItMoves)
{
    std::vector<std::string> log;
    WindowlessFrame frame;
    auto* left = added(frame, new RecordingView({0, 0, 10, 10}, "left", &log));
    auto* right = added(frame, new RecordingView({20, 0, 30, 10}, "right", &log));
    right->takesDrops = true;
    CDrawContext context(&frame, nullptr, nullptr);
    frame.onDragEnter(&context, nullptr, {5, 5});
    frame.onDragMove(&context, nullptr, {6, 5});
    frame.onDragMove(&context, nullptr, {25, 5});
    frame.onDragMove(&context, nullptr, {15, 5}); // between them
    EXPECT_FALSE(frame.onDrop(&context, nullptr, {5, 5}));
    EXPECT_EQ(log, (std::vector<std::string>{"left enter", "left move", "left leave", "right enter", "right leave",
                       "left drop", "left leave"}));

    log.clear();
    frame.onDragEnter(&context, nullptr, {25, 5});
    EXPECT_TRUE(frame.onDrop(&context, nullptr, {25, 5}));
    frame.onDragEnter(&context, nullptr, {5, 5});
    frame.onDragLeave(&context, nullptr, {5, 5});
    EXPECT_EQ(log, (std::vector<std::string>{"right enter", "right drop", "right leave", "left enter", "left leave"}));
    EXPECT_EQ(left->lastDragPoint, (CPoint{5, 5}));
}

TEST_F(ViewContainer, AViewTakenAwayIsNeitherTheFocusNorTheDragViewAfterwards)
{
    std::vector<std::string> log;
    WindowlessFrame frame;
    auto* container = added(frame, new CViewContainer({0, 0, 50, 50}, &frame, nullptr));
    auto* focused = added(*container, new RecordingView({0, 0, 10, 10}, "focused", &log));
    auto* dragged = added(*container, new RecordingView({20, 0, 30, 10}, "dragged", &log));
    CDrawContext context(&frame, nullptr, nullptr);

    frame.setFocusView(focused);
    container->onDragEnter(&context, nullptr, {25, 5});
    container->removeView(focused, true);
    container->removeView(dragged, true);
    container->onDragMove(&context, nullptr, {25, 5}); // reaches no removed view
    container->onDragLeave(&context, nullptr, {25, 5});
    EXPECT_EQ(frame.getFocusView(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"dragged enter", "focused looseFocus", "focused removed",
                       "dragged removed"}));

    // Taking away the container that holds the focus clears it too; removeAll does so without a word to
    // the views, which are on their way out.
    auto* inner = added(frame, new CViewContainer({0, 0, 50, 50}, &frame, nullptr));
    auto* deep = added(*inner, new RecordingView({0, 0, 10, 10}, "deep", &log));
    frame.setFocusView(deep);
    log.clear();
    frame.removeAll(true);
    EXPECT_EQ(frame.getFocusView(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"deep removed"}));
}

TEST_F(ViewContainer, DrawnDirectlyOrThroughItsBufferAContainerLooksTheSame)
{
    constexpr CColor kFill{30, 60, 90, 255};
    platform::Image expected(40, 30, kCanvas);
    // The fill leaves the container's first column and row; its buffer starts black there.
    expected.fill({10, 5, 30, 25}, kFill.gdiValue());
    expected.fill({14, 8, 18, 12}, RGB(0, 0, 255));
    for (const bool buffered : {false, true}) {
        WindowlessFrame frame({0, 0, 40, 30});
        auto* container = new CViewContainer({10, 5, 30, 25}, &frame, nullptr);
        container->setBackgroundColor(kFill);
        container->useOffscreen(buffered);
        added(frame, container);
        auto* child = added(*container, new CViewContainer({3, 2, 8, 7}, &frame, nullptr));
        child->setBackgroundColor({0, 0, 255, 255});
        HDC dc = canvas(40, 30);
        CDrawContext context(&frame, dc, nullptr);
        container->draw(&context);
        platform::Image picture = expected;
        if (buffered) {
            picture.fill({10, 5, 30, 6}, RGB(0, 0, 0));
            picture.fill({10, 5, 11, 25}, RGB(0, 0, 0));
        } else {
            picture.fill({10, 5, 30, 6}, kCanvas);
            picture.fill({10, 5, 11, 25}, kCanvas);
        }
        // The child's own fill leaves its first column and row the container's.
        picture.fill({13, 7, 18, 8}, kFill.gdiValue());
        picture.fill({13, 7, 14, 12}, kFill.gdiValue());
        expectPicture(dc, picture);
        EXPECT_EQ(context.offset, (CPoint{0, 0}));
        EXPECT_FALSE(container->isDirty());
    }
}

} // namespace
