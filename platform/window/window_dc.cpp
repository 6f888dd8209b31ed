#include "platform/window/window_dc.h"

#include "platform/desktop/desktop_switch.h"
#include "platform/gdi/drawing_surface.h"
#include "platform/window/ui_thread.h"
#include "platform/window/visible_regions.h"
#include "platform/window/window_table.h"

#include <map>
#include <memory>
#include <optional>

namespace {

// Looks its window up on every draw: a DC kept past its window's end draws nothing.
class WindowSurface : public platform::DrawingSurface {
public:
    WindowSurface(HWND window, const platform::RectangleSet* paintRegion) : window_(window)
    {
        if (paintRegion != nullptr)
            paintRegion_ = *paintRegion;
    }

    HWND window() const { return window_; }

    platform::PixelBuffer pixels() override
    {
        platform::window::Window* window = platform::window::lookUp(window_);
        if (window == nullptr)
            return {};
        platform::window::Window& topLevel = platform::window::topLevelOf(*window);
        return {topLevel.pixels.data(), topLevel.width(), topLevel.height()};
    }

    POINT origin() override
    {
        const platform::window::Window* window = platform::window::lookUp(window_);
        return window != nullptr ? platform::window::originInTopLevel(*window) : POINT{0, 0};
    }

    platform::RectangleSet deviceClip() override
    {
        const platform::window::Window* window = platform::window::lookUp(window_);
        if (window == nullptr)
            return {};
        platform::RectangleSet clip = platform::window::drawableRegion(*window);
        if (paintRegion_) {
            platform::RectangleSet painted = *paintRegion_;
            painted.offset(platform::window::originInTopLevel(*window));
            clip.intersect(painted);
        }
        return clip;
    }

private:
    HWND window_;
    std::optional<platform::RectangleSet> paintRegion_;
};

std::map<HDC, std::unique_ptr<WindowSurface>>& surfaces()
{
    static std::map<HDC, std::unique_ptr<WindowSurface>> held;
    return held;
}

} // namespace

namespace platform::window {

HDC openWindowDC(const Window& window, const RectangleSet* paintRegion)
{
    auto surface = std::make_unique<WindowSurface>(window.handle, paintRegion);
    HDC dc = platform::createSurfaceDC(*surface);
    surfaces().emplace(dc, std::move(surface));
    return dc;
}

void releaseAllWindowDCs()
{
    for (const auto& [dc, surface] : surfaces())
        platform::releaseSurfaceDC(dc);
    surfaces().clear();
}

} // namespace platform::window

HDC GetDC(HWND handle)
{
    if (handle == nullptr)
        return platform::createSurfaceDC(platform::screenSurface());
    platform::window::checkThread();
    const platform::window::Window* window = platform::window::find(handle);
    return window != nullptr ? platform::window::openWindowDC(*window, nullptr) : nullptr;
}

int ReleaseDC(HWND, HDC dc)
{
    const auto held = surfaces().find(dc);
    const HWND drawnOn = held != surfaces().end() ? held->second->window() : nullptr;
    if (!platform::releaseSurfaceDC(dc))
        return 0;
    surfaces().erase(dc);
    if (drawnOn != nullptr)
        platform::desktop::drawnOn(drawnOn);
    return 1;
}
