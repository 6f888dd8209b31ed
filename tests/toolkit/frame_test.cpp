#include "toolkit/frame.h"

#include "platform/module_resources.h"
#include "platform/ole/drag_drop_registry.h"
#include "platform/ole/ole_initialize.h"
#include "tests/toolkit/support/recording_views.h"
#include "tests/toolkit/support/toolkit_test.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/offscreen_context.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace Toolkit;
using kravo::test::screenRectOf;
using kravo::test::RecordingView;
using kravo::test::WindowlessFrame;

constexpr RECT kHostPlace{300, 200, 400, 280};
constexpr CRect kFrameSize{0, 0, 100, 80};
constexpr unsigned char kTab = 2;
constexpr unsigned char kShift = 1;

// The host's window away from the screen's origin, and frames made in it.
class Frame : public kravo::test::ToolkitWindowTest {
protected:
    void SetUp() override
    {
        ToolkitWindowTest::SetUp();
        registerRecordingClass();
        host = makeWindow(nullptr, kHostPlace);
    }
    void TearDown() override
    {
        if (host != nullptr)
            DestroyWindow(host);
        EXPECT_EQ(platform::oleInitializeCount(), 0);
        ToolkitWindowTest::TearDown();
    }

    CFrame* newFrame() { return new CFrame(kFrameSize, host, nullptr); }

    template <class V>
    V* added(CViewContainer& container, V* view)
    {
        container.addView(view);
        return view;
    }

    void click(int x, int y)
    {
        script().move(x, y);
        script().press(VK_LBUTTON);
        script().wait(10);
        script().release(VK_LBUTTON);
        runScript();
    }

    HWND host = nullptr;
};

std::string expectedClassName()
{
    char name[32];
    std::snprintf(name, sizeof name, "Plugin%p", static_cast<void*>(platform::pluginModule()));
    return name;
}

TEST_F(Frame, TheFirstFrameRegistersTheClassASecondSharesItAndItGoesWithTheLast)
{
    platform::setSwapButtons(true);
    const std::string name = expectedClassName();
    CFrame* first = newFrame();
    EXPECT_NE(first->getWindow(), nullptr);
    EXPECT_NE(platform::window::findClass(name.c_str()), nullptr);
    EXPECT_TRUE(swapButtons); // read as the class was registered
    char text[32] = {};
    GetClassNameA(first->getWindow(), text, sizeof text);
    EXPECT_EQ(text, name);
    GetWindowTextA(first->getWindow(), text, sizeof text);
    EXPECT_EQ(std::string(text), "Window");
    EXPECT_EQ(GetParent(first->getWindow()), host);
    EXPECT_EQ(screenRectOf(first->getWindow()), (CRect{300, 200, 400, 280}));
    EXPECT_EQ(GetWindowLongPtrA(first->getWindow(), GWL_STYLE),
        static_cast<LONG_PTR>(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS));

    CFrame* second = newFrame();
    GetClassNameA(second->getWindow(), text, sizeof text);
    EXPECT_EQ(text, name);
    first->forget();
    EXPECT_NE(platform::window::findClass(name.c_str()), nullptr);
    second->forget();
    EXPECT_EQ(platform::window::findClass(name.c_str()), nullptr);
    EXPECT_EQ(platform::windowCount(), 1u); // the host's
}

TEST_F(Frame, AFrameMadeWithATitleHasNoWindowAndOpenAndCloseRefuseWithoutOne)
{
    const std::string name = expectedClassName();
    CFrame* frame = new CFrame(kFrameSize, "Kravo", nullptr);
    EXPECT_EQ(frame->getWindow(), nullptr);
    EXPECT_EQ(platform::window::findClass(name.c_str()), nullptr);
    EXPECT_FALSE(frame->isOpen());
    EXPECT_FALSE(frame->getOpenFlag());
    EXPECT_EQ(frame->getFrame(), frame);
    EXPECT_FALSE(frame->open()); // no window to open it in
    EXPECT_FALSE(frame->isOpen());
    EXPECT_FALSE(frame->close());
    // Closed, it neither redraws nor resizes.
    auto* view = added(*frame, new RecordingView({10, 10, 20, 20}));
    frame->idle();
    EXPECT_EQ(view->draws, 0);
    EXPECT_FALSE(frame->setSize(50, 40));
    CRect size;
    EXPECT_EQ(frame->getViewSize(size), kFrameSize);
    frame->forget();
    EXPECT_EQ(platform::windowCount(), 1u); // the host's
}

TEST_F(Frame, IdleBeforeTheFirstPaintDrawsNothingEvenWithDirtyViews)
{
    CFrame* frame = newFrame();
    auto* view = added(*frame, new RecordingView({10, 10, 20, 20}));
    frame->idle();
    EXPECT_EQ(view->draws, 0);
    platform::pumpMessages();
    EXPECT_EQ(view->draws, 1);
    view->setDirty(true);
    frame->idle();
    EXPECT_EQ(view->draws, 2);
    // Without a context a view is drawn straight into the window.
    view->setDirty(true);
    view->update(nullptr);
    EXPECT_EQ(view->draws, 3);
    EXPECT_FALSE(frame->isDirty());
    frame->invalidate({0, 0, 10, 10}); // touches the view's corner
    EXPECT_TRUE(view->isDirty());

    // Nothing while updates are off, nor once the frame is closed.
    view->setDirty(true);
    EXPECT_FALSE(frame->updatesDisabled(true));
    frame->idle();
    EXPECT_TRUE(frame->updatesDisabled(false));
    frame->setOpenFlag(false);
    frame->idle();
    EXPECT_EQ(view->draws, 3);
    frame->forget();
}

TEST_F(Frame, AClickOutsideTheModalViewDoesNothingButClearsTheFocus)
{
    std::vector<std::string> log;
    CFrame* frame = newFrame();
    auto* focused = added(*frame, new RecordingView({60, 0, 70, 10}, "focused", &log));
    auto* under = added(*frame, new RecordingView({40, 40, 60, 60}, "under", &log));
    auto* modal = new RecordingView({10, 10, 30, 30}, "modal", &log);
    EXPECT_TRUE(frame->setModalView(modal));
    EXPECT_FALSE(frame->setModalView(under)); // one at a time
    EXPECT_EQ(frame->getCurrentView(), modal);
    frame->setFocusView(focused);

    click(350, 250); // (50, 50) in the frame, on `under`
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"focused looseFocus"}));

    click(320, 220);
    EXPECT_EQ(modal->clicks, (std::vector<CPoint>{{20, 20}}));
    EXPECT_EQ(modal->lastButtons, kLeftButton);

    // Without the modal view the click reaches the view under it.
    EXPECT_TRUE(frame->setModalView(nullptr));
    EXPECT_FALSE(frame->isChild(modal));
    click(350, 250);
    EXPECT_EQ(under->clicks.size(), 1u);
    frame->forget();
    modal->forget();
}

TEST_F(Frame, TabAndShiftTabWalkTheFocusThroughNestedContainersAndOutOfThem)
{
    WindowlessFrame frame;
    auto* a = added(frame, new RecordingView({0, 0, 1, 1}, "a"));
    auto* b = added(frame, new RecordingView({0, 0, 1, 1}, "b"));
    added(frame, new RecordingView({0, 0, 1, 1}, "c"));
    auto* group = added(frame, new CViewContainer({0, 0, 10, 10}, &frame, nullptr));
    auto* d1 = added(*group, new RecordingView({0, 0, 1, 1}, "d1"));
    auto* d2 = added(*group, new RecordingView({0, 0, 1, 1}, "d2"));
    for (CView* view : {static_cast<CView*>(a), static_cast<CView*>(b), static_cast<CView*>(d1),
             static_cast<CView*>(d2)})
        view->setWantsFocus(true);

    PlugKeyCode tab{0, kTab, 0};
    PlugKeyCode backTab{0, kTab, kShift};
    std::vector<CView*> walked;
    for (int step = 0; step < 4; ++step) {
        EXPECT_EQ(frame.onKeyDown(tab), 1);
        walked.push_back(frame.getFocusView());
    }
    EXPECT_EQ(walked, (std::vector<CView*>{a, b, d1, d2}));
    EXPECT_EQ(frame.onKeyDown(tab), -1); // past the last: the focus goes
    EXPECT_EQ(frame.getFocusView(), nullptr);

    walked.clear();
    for (int step = 0; step < 3; ++step) {
        EXPECT_EQ(frame.onKeyDown(backTab), 1);
        walked.push_back(frame.getFocusView());
    }
    EXPECT_EQ(walked, (std::vector<CView*>{d2, d1, b}));

    // The focus view sees the key first; with a modal view nothing walks.
    d1->keyAnswer = 7;
    frame.setFocusView(d1);
    EXPECT_EQ(frame.onKeyDown(tab), 7);
    d1->keyAnswer = -1;
    auto* modal = new RecordingView({0, 0, 1, 1}, "modal");
    frame.setModalView(modal);
    EXPECT_EQ(frame.onKeyDown(tab), -1);
    modal->keyAnswer = 3;
    EXPECT_EQ(frame.onKeyUp(tab), 3);
    frame.setModalView(nullptr);
    modal->forget();
}

TEST_F(Frame, TabWithNothingToFocusAnswersMinusOne)
{
    WindowlessFrame frame;
    added(frame, new RecordingView({0, 0, 1, 1}));
    PlugKeyCode tab{0, kTab, 0};
    EXPECT_EQ(frame.onKeyDown(tab), -1);
    PlugKeyCode other{'x', 0, 0};
    EXPECT_EQ(frame.onKeyUp(other), -1);
}

TEST_F(Frame, WheelTurnsReachTheViewUnderThePointerWithTheHostAwayFromTheOrigin)
{
    CFrame* frame = newFrame();
    auto* left = added(*frame, new RecordingView({0, 0, 40, 40}));
    auto* right = added(*frame, new RecordingView({50, 30, 90, 70}));
    script().move(360, 240); // (60, 40) in the frame
    script().wheel(WHEEL_DELTA);
    script().wheel(-WHEEL_DELTA);
    script().wheel(WHEEL_DELTA / 2);
    runScript();
    EXPECT_EQ(right->wheels, (std::vector<std::pair<CPoint, float>>{{{60, 40}, 1.0f}, {{60, 40}, -1.0f}, {{60, 40}, 0.5f}}));
    EXPECT_TRUE(left->wheels.empty());
    EXPECT_EQ(count(WM_MOUSEWHEEL, host), 3); // passed on to the host
    EXPECT_EQ(frame->getCurrentView(), right);
    frame->forget();
}

TEST_F(Frame, AViewsMouseLocationIsInItsContainersCoordinates)
{
    CFrame* frame = newFrame();
    auto* container = added(*frame, new CViewContainer({20, 10, 80, 70}, frame, nullptr));
    auto* view = added(*container, new RecordingView({5, 5, 15, 15}));
    script().move(330, 220);
    runScript();
    CDrawContext* context = frame->createDrawContext();
    CPoint where;
    view->getMouseLocation(context, where);
    EXPECT_EQ(where, (CPoint{10, 10}));
    EXPECT_EQ(context->offsetScreen, (CPoint{300, 200}));
    context->forget();
    EXPECT_EQ(container->getCurrentView(), view);
    CPoint inFrame;
    EXPECT_TRUE(frame->getCurrentLocation(inFrame));
    EXPECT_EQ(inFrame, (CPoint{30, 20}));
    frame->forget();
}

TEST_F(Frame, ResizingToTheSameSizeKeepsTheBackBufferAndAnotherSizeGrowsTheHostsWindow)
{
    CFrame* frame = newFrame();
    COffscreenContext* buffer = frame->getBackBuffer();
    EXPECT_FALSE(frame->setSize(100, 80));
    EXPECT_EQ(frame->getBackBuffer(), buffer);

    EXPECT_TRUE(frame->setSize(120, 90));
    EXPECT_EQ(frame->getBackBuffer()->getWidth(), 120);
    EXPECT_EQ(frame->getBackBuffer()->getHeight(), 90);
    CRect size;
    EXPECT_EQ(frame->getViewSize(size), (CRect{0, 0, 120, 90}));
    EXPECT_EQ(screenRectOf(frame->getWindow()), (CRect{300, 200, 420, 290}));
    EXPECT_EQ(screenRectOf(host), (CRect{300, 200, 420, 290}));

    frame->setViewSize({0, 0, 60, 50});
    EXPECT_EQ(screenRectOf(host), (CRect{300, 200, 360, 250}));
    frame->setOpenFlag(false);
    EXPECT_FALSE(frame->setSize(70, 70));
    frame->forget();
}

TEST_F(Frame, PositionAndSizeAreTheHostWindowsPlace)
{
    CFrame* frame = newFrame();
    std::int32_t x = 0;
    std::int32_t y = 0;
    EXPECT_TRUE(frame->getPosition(x, y));
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 200);
    CRect size;
    EXPECT_TRUE(frame->getSize(&size));
    EXPECT_EQ(size, (CRect{300, 200, 400, 280}));
    EXPECT_FALSE(frame->setPosition(10, 10));
    frame->forget();

    WindowlessFrame windowless;
    EXPECT_FALSE(windowless.getPosition(x, y));
    EXPECT_FALSE(windowless.getSize(size));
}

TEST_F(Frame, CursorsAreTheSystemsAndUnknownTypesPutBackTheOneInForceAtFirst)
{
    CFrame* frame = newFrame();
    const HCURSOR arrow = GetCursor();
    frame->setCursor(CFrame::kHandCursor);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    frame->setCursor(CFrame::kHorizontalSizeCursor);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    frame->setCursor(7);
    EXPECT_EQ(GetCursor(), arrow);
    frame->setCursor(CFrame::kNotAllowedCursor);
    frame->forget(); // back to the default
    EXPECT_EQ(GetCursor(), arrow);
}

TEST_F(Frame, TheWindowTakesDropsUntilTurnedOff)
{
    CFrame* frame = newFrame();
    EXPECT_TRUE(frame->isDropActive());
    EXPECT_NE(platform::registeredDropTarget(frame->getWindow()), nullptr);
    EXPECT_TRUE(frame->setDropActive(false));
    EXPECT_EQ(platform::registeredDropTarget(frame->getWindow()), nullptr);
    EXPECT_TRUE(frame->setDropActive(false));
    EXPECT_TRUE(frame->setDropActive(true));
    EXPECT_NE(platform::registeredDropTarget(frame->getWindow()), nullptr);
    frame->forget();

    WindowlessFrame windowless;
    EXPECT_FALSE(windowless.setDropActive(true));
    EXPECT_FALSE(windowless.isDropActive());
}

TEST_F(Frame, AHostThatDestroysItsWindowFirstLeavesAClosedFrameThatStillGoesCleanly)
{
    const std::string name = expectedClassName();
    CFrame* frame = newFrame();
    auto* view = added(*frame, new RecordingView({0, 0, 10, 10}));
    platform::pumpMessages();
    DestroyWindow(host);
    host = nullptr;
    EXPECT_FALSE(frame->isOpen());
    view->setDirty(true);
    frame->idle();
    EXPECT_EQ(view->draws, 1);
    frame->forget();
    EXPECT_EQ(platform::window::findClass(name.c_str()), nullptr);
}

} // namespace
