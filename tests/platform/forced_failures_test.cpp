#include "platform/forced_failures.h"

#include "tests/support/window_test.h"

namespace {

using ForcedFailures = kravo::test::WindowTest;

// Each switch fails exactly the next creation of its kind and nothing else.
TEST_F(ForcedFailures, OnlyTheNextWindowOrCompatibleBitmapFails)
{
    registerRecordingClass();
    platform::failNextWindowCreation();
    EXPECT_EQ(makeWindow(nullptr, {0, 0, 10, 10}), nullptr);
    HWND window = makeWindow(nullptr, {0, 0, 10, 10});
    EXPECT_NE(window, nullptr);
    DestroyWindow(window);

    HDC screen = GetDC(nullptr);
    platform::failNextCompatibleBitmap();
    EXPECT_EQ(CreateCompatibleBitmap(screen, 4, 4), nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
    EXPECT_NE(bitmap, nullptr);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
}

} // namespace
