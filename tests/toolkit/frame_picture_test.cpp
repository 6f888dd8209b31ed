#include "toolkit/frame.h"

#include "tests/toolkit/support/toolkit_test.h"
#include "toolkit/bitmap.h"
#include "toolkit/offscreen_context.h"
#include "toolkit/view.h"

#include <gtest/gtest.h>

namespace {

using namespace Toolkit;
using test_images::Picture;
using test_images::Rgba;
using FramePicture = kravo::test::ToolkitWindowTest;

constexpr CColor kFill{30, 60, 90, 255};
constexpr CRect kContainerPlace{8, 6, 32, 26};
constexpr CPoint kInnerBadgeAt{2, 2};
constexpr CPoint kOuterBadgeAt{36, 4};
constexpr COLORREF kScribble = RGB(255, 0, 0);

// An opaque pixel as the blend leaves it: the colour premultiplied by its alpha.
COLORREF shown(Rgba colour)
{
    const std::uint32_t stored = kravo::test::storedPixel(colour);
    return RGB((stored >> 16) & 0xFF, (stored >> 8) & 0xFF, stored & 0xFF);
}

// The badge's opaque pixels over what is there; its holes show what lies under them.
void putBadge(platform::Image& image, const Picture& badge, CPoint at)
{
    for (int y = 0; y < badge.height; ++y)
        for (int x = 0; x < badge.width; ++x)
            if (badge.pixel(x, y).alpha == 255)
                image.set(at.h + x, at.v + y, shown(badge.pixel(x, y)));
}

// The background picture, the container in its fill colour (whose buffer keeps the first column and
// row black, as the fill leaves them), a badge in the container and one on the background.
platform::Image expectedPicture(const Picture& innerBadge)
{
    const Picture& background = test_images::kFrameBackground;
    platform::Image image(background.width, background.height, 0);
    for (int y = 0; y < background.height; ++y)
        for (int x = 0; x < background.width; ++x)
            image.set(x, y, shown(background.pixel(x, y)));
    image.fill({kContainerPlace.left, kContainerPlace.top, kContainerPlace.right, kContainerPlace.bottom}, 0);
    image.fill({kContainerPlace.left + 1, kContainerPlace.top + 1, kContainerPlace.right, kContainerPlace.bottom},
        kFill.gdiValue());
    putBadge(image, innerBadge, {kContainerPlace.left + kInnerBadgeAt.h, kContainerPlace.top + kInnerBadgeAt.v});
    putBadge(image, test_images::kBadge, kOuterBadgeAt);
    return image;
}

CView* badgeView(CPoint at, CBitmap* bitmap)
{
    auto* view = new CView({at.h, at.v, at.h + 8, at.v + 8});
    view->setBackground(bitmap);
    view->setTransparency(true);
    return view;
}

TEST_F(FramePicture, PaintedThroughTheQueueAndRedrawnByIdleTheFrameShowsWhatItsViewsDraw)
{
    const platform::GdiObjectCounts atStart = platform::gdiObjectCounts();
    registerRecordingClass();
    const Picture& background = test_images::kFrameBackground;
    HWND host = makeWindow(nullptr, {300, 200, 300 + background.width, 200 + background.height});
    auto* backgroundBitmap = new CBitmap(background.id);
    auto* badge = new CBitmap(test_images::kBadge.id);
    auto* lit = new CBitmap(test_images::kBadgeLit.id);

    auto* frame = new CFrame({0, 0, background.width, background.height}, host, nullptr);
    frame->setBackground(backgroundBitmap);
    auto* container = new CViewContainer(kContainerPlace, frame, nullptr);
    container->setBackgroundColor(kFill);
    container->useOffscreen(true);
    frame->addView(container);
    CView* innerBadge = badgeView(kInnerBadgeAt, badge);
    container->addView(innerBadge);
    frame->addView(badgeView(kOuterBadgeAt, badge));

    platform::pumpMessages();
    expectWindowPicture(frame->getWindow(), expectedPicture(test_images::kBadge));

    // Marks left in the back buffer outside the changed view survive the idle pass: only the view is
    // drawn again, and the whole buffer shown.
    innerBadge->setBackground(lit);
    frame->getBackBuffer()->drawPoint({1, 1}, {255, 0, 0, 255});
    frame->getBackBuffer()->drawPoint({40, 28}, {255, 0, 0, 255});
    frame->idle();
    platform::Image expected = expectedPicture(test_images::kBadgeLit);
    expected.set(1, 1, kScribble);
    expected.set(40, 28, kScribble);
    expectWindowPicture(frame->getWindow(), expected);
    EXPECT_FALSE(frame->isDirty());

    frame->forget();
    for (CBitmap* bitmap : {backgroundBitmap, badge, lit})
        bitmap->forget();
    DestroyWindow(host);
    EXPECT_EQ(platform::gdiObjectCounts(), atStart);
}

} // namespace
