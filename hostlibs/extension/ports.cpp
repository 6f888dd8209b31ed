#include "hostlibs/extension/graphics_state.h"

#include "platform/gdi/bitmaps.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_layout.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_procedures.h"
#include "platform/window/window_styles.h"
#include "platform/window/window_testing.h"

namespace {

using hostext::graphics;

// As large as a window may be.
constexpr int kMaxOffscreenSize = 4096;

HostPort newPort()
{
    auto* port = new HostPortRecord;
    port->clip = platform::RectangleSet(hostext::everywhere());
    ++graphics().ports;
    return port;
}

// Where the port's top-left pixel lies on the screen.
POINT screenPlace(const HostPortRecord& port)
{
    POINT place{0, 0};
    if (port.window != nullptr)
        ClientToScreen(port.window, &place);
    return place;
}

void shiftPoint(HostPoint* point, LONG dh, LONG dv)
{
    point->h = static_cast<std::int16_t>(point->h + dh);
    point->v = static_cast<std::int16_t>(point->v + dv);
}

} // namespace

extern "C" {

HostPort HostExtNewWindowPort(HWND window)
{
    RECT client{};
    if (window == nullptr || !GetClientRect(window, &client))
        return nullptr;
    HostPort port = newPort();
    port->window = window;
    return port;
}

HostPort HostExtNewOffscreenPort(const HostRect* bounds)
{
    if (bounds == nullptr)
        return nullptr;
    const int width = bounds->right - bounds->left;
    const int height = bounds->bottom - bounds->top;
    if (width <= 0 || height <= 0 || width > kMaxOffscreenSize || height > kMaxOffscreenSize)
        return nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HDC dc = bitmap != nullptr ? CreateCompatibleDC(nullptr) : nullptr;
    if (dc == nullptr) {
        DeleteObject(bitmap);
        return nullptr;
    }
    SelectObject(dc, bitmap);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HostPort port = newPort();
    port->offscreen = dc;
    port->offscreenBitmap = bitmap;
    port->offscreenSize = {width, height};
    port->origin = {bounds->top, bounds->left};
    return port;
}

void HostExtDisposePort(HostPort port)
{
    if (port == nullptr)
        return;
    if (graphics().current == port)
        graphics().current = nullptr;
    hostext::forgetPortOfTextEdits(port);
    if (port->offscreen != nullptr) {
        DeleteDC(port->offscreen);
        DeleteObject(port->offscreenBitmap);
    }
    delete port;
    --graphics().ports;
}

void HostExtSetPort(HostPort port)
{
    graphics().current = port;
}

HostPort HostExtGetPort()
{
    return graphics().current;
}

HWND HostExtGetPortWindow(HostPort port)
{
    return port != nullptr ? port->window : nullptr;
}

void HostExtGetPortBounds(HostPort port, HostRect* bounds)
{
    if (port != nullptr && bounds != nullptr)
        *bounds = hostext::toHostRect(hostext::portArea(*port));
}

void HostExtSetOrigin(std::int16_t h, std::int16_t v)
{
    if (HostPort port = graphics().current)
        port->origin = {v, h};
}

void HostExtLocalToGlobal(HostPoint* point)
{
    const HostPort port = graphics().current;
    if (port == nullptr || point == nullptr)
        return;
    const POINT place = screenPlace(*port);
    shiftPoint(point, place.x - port->origin.h, place.y - port->origin.v);
}

void HostExtGlobalToLocal(HostPoint* point)
{
    const HostPort port = graphics().current;
    if (port == nullptr || point == nullptr)
        return;
    const POINT place = screenPlace(*port);
    shiftPoint(point, port->origin.h - place.x, port->origin.v - place.y);
}

void HostExtClipRect(const HostRect* rect)
{
    if (HostPort port = graphics().current; port != nullptr && rect != nullptr)
        port->clip = platform::RectangleSet(hostext::toRect(*rect));
}

void HostExtSetClip(HostRegion region)
{
    if (HostPort port = graphics().current; port != nullptr && region != nullptr)
        port->clip = region->area;
}

void HostExtGetClip(HostRegion region)
{
    if (HostPort port = graphics().current; port != nullptr && region != nullptr)
        region->area = port->clip;
}

} // extern "C"

namespace hostext {

void logPortOperations(HostPort port, bool on)
{
    if (port == nullptr)
        return;
    port->logging = on;
    if (on)
        port->log.clear();
}

std::vector<PortOperation> portOperations(HostPort port)
{
    return port != nullptr ? port->log : std::vector<PortOperation>();
}

std::optional<platform::Image> capturePort(HostPort port)
{
    if (port == nullptr)
        return std::nullopt;
    if (port->window != nullptr)
        return platform::captureWindow(port->window);
    return platform::captureImage(port->offscreen, {0, 0, port->offscreenSize.width, port->offscreenSize.height});
}

int livePortCount()
{
    return graphics().ports;
}

HWND makeHostWindow(const RECT& rect)
{
    static constexpr const char* kClassName = "KravoHostToolboxWindow";
    const WNDCLASSA windowClass{.style = 0,
                                .windowProc = &DefWindowProcA,
                                .classExtraBytes = 0,
                                .windowExtraBytes = 0,
                                .instance = nullptr,
                                .icon = nullptr,
                                .cursor = nullptr,
                                .background = nullptr,
                                .menuName = nullptr,
                                .className = kClassName};
    // Registered by the first window after each reset of the window system; later ones find it there.
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, kClassName, "", WS_VISIBLE, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, nullptr, nullptr, nullptr, nullptr);
}

} // namespace hostext
