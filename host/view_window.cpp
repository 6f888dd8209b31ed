#include "host/view_window.h"

#include "host/host_window_loop.h"
#include "host/hosted_plugin.h"
#include "hostlibs/extension/host_graphics.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/painting.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_procedures.h"
#include "platform/window/window_styles.h"
#include "platform/window/window_testing.h"

#include <cstdio>
#include <stdexcept>

namespace host {

namespace {

constexpr const char* kWindowClass = "KravoHostViewWindow";

// The instance whose views the window shows; one window at a time.
HostedPlugin* shownPlugin = nullptr;

LRESULT viewWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(window, &paint);
        if (shownPlugin != nullptr)
            shownPlugin->drawView();
        EndPaint(window, &paint);
        return 0;
    }
    case WM_TIMER:
        if (shownPlugin != nullptr)
            shownPlugin->idle();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

ViewWindow::ViewWindow(HostedPlugin& plugin, int width, int height) : plugin_(plugin)
{
    window_ = makeTopLevelWindow(kWindowClass, &viewWindowProcedure, WS_CLIPCHILDREN, width, height);
    if (window_ == nullptr)
        throw std::runtime_error("the host's window could not be made");
    port_ = HostExtNewWindowPort(window_);
    if (port_ == nullptr) {
        DestroyWindow(window_);
        throw std::runtime_error("the host's window has no port");
    }
    shownPlugin = &plugin_;
}

ViewWindow::~ViewWindow()
{
    if (attached_) {
        try {
            plugin_.setViewPort(nullptr);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "kravo-host: %s\n", error.what());
        }
    }
    shownPlugin = nullptr;
    HostExtDisposePort(port_);
    DestroyWindow(window_);
    platform::pumpMessages();
}

void ViewWindow::attach()
{
    plugin_.setViewPort(port_);
    attached_ = true;
}

int ViewWindow::writePicture(const std::string& path)
{
    return writeWindowPicture(window_, [this] { plugin_.idle(); }, path);
}

int ViewWindow::showUntilClosed()
{
    return runUntilClosed(window_);
}

} // namespace host
