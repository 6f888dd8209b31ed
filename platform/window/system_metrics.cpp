#include "platform/window/system_metrics.h"

#include "platform/gdi/drawing_surface.h"

#include <atomic>

namespace {

constexpr int kFixedFrameHeight = 3;
constexpr UINT kDoubleClickMilliseconds = 500;

std::atomic<bool> swapped{false};

} // namespace

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN: return platform::kScreenWidth;
    case SM_CYSCREEN: return platform::kScreenHeight;
    case SM_CYFIXEDFRAME: return kFixedFrameHeight;
    case SM_SWAPBUTTON: return swapped.load() ? 1 : 0;
    default: return 0;
    }
}

UINT GetDoubleClickTime()
{
    return kDoubleClickMilliseconds;
}

namespace platform {

void setSwapButtons(bool swap)
{
    swapped.store(swap);
}

} // namespace platform

namespace platform::window {

bool buttonsSwapped()
{
    return swapped.load();
}

} // namespace platform::window
