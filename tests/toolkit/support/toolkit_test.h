#pragma once

// Fixtures and helpers of the toolkit's tests: every test starts and ends with the toolkit's
// process-wide state cleared and the system as the platform starts it (the NT family, the complete image
// library, buttons not swapped), and leaves no GDI object behind.

#include "platform/gdi/image_library.h"
#include "platform/module_loading.h"
#include "platform/system_version.h"
#include "platform/window/system_metrics.h"
#include "resources/test_images/test_images.h"
#include "tests/support/gdi_checked_test.h"
#include "tests/support/window_test.h"
#include "toolkit/frame.h"
#include "toolkit/image_library.h"
#include "toolkit/option_menu_scheme.h"
#include "toolkit/process_state.h"

#include <cstdint>

namespace kravo::test {

inline void resetToolkitState()
{
    Toolkit::alphaBlendEntry = nullptr;
    Toolkit::transparentBltEntry = nullptr;
    Toolkit::systemVersion = {};
    Toolkit::swapButtons = false;
    Toolkit::knobMode = 0;
    Toolkit::defaultOptionMenuScheme = nullptr;
    platform::setImageLibrary(platform::ImageLibrary::complete);
    platform::setSystemFamily(platform::SystemFamily::nt);
    platform::setSwapButtons(false);
}

class ToolkitTest : public GdiCheckedTest {
protected:
    void SetUp() override
    {
        resetToolkitState();
        GdiCheckedTest::SetUp();
    }
    void TearDown() override
    {
        if (imageLibrary_ != nullptr)
            FreeLibrary(imageLibrary_);
        GdiCheckedTest::TearDown();
        resetToolkitState();
    }

    // As the frame does when it is made; the library is freed at the end of the test.
    void loadImageLibrary()
    {
        if (imageLibrary_ != nullptr)
            FreeLibrary(imageLibrary_);
        imageLibrary_ = Toolkit::loadImageLibrary();
    }

private:
    HMODULE imageLibrary_ = nullptr;
};

class ToolkitWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        resetToolkitState();
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        resetToolkitState();
    }
};

// Where the window is on the screen.
inline Toolkit::CRect screenRectOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// A frame without a window, as drawing contexts see one: a view size, and idle passes counted.
class WindowlessFrame : public Toolkit::CFrame {
public:
    explicit WindowlessFrame(const Toolkit::CRect& size = {0, 0, 1000, 1000}) : CFrame(size, HWND{}, nullptr) {}
    void doIdleStuff() override { ++idlePasses; }

    int idlePasses = 0;
};

// Drops the reference it holds at the end of the scope.
template <class T>
class Held {
public:
    explicit Held(T* object) : object_(object) {}
    ~Held()
    {
        if (object_ != nullptr)
            object_->forget();
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    T* get() const { return object_; }
    T* operator->() const { return object_; }

private:
    T* object_;
};

// A decoded pixel as it lies in memory (blue in the low byte, alpha in the high one), computed from the
// picture's own colour: premultiplied by alpha, truncated, and all zero without alpha.
inline std::uint32_t storedPixel(test_images::Rgba colour)
{
    if (colour.alpha == 0)
        return 0;
    const auto times = [&](std::uint32_t channel) { return (channel * colour.alpha) >> 8; };
    return times(colour.blue) | (times(colour.green) << 8) | (times(colour.red) << 16) |
        (std::uint32_t{colour.alpha} << 24);
}

} // namespace kravo::test
