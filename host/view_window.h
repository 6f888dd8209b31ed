#pragma once

// The host's window for an instance's views: a top-level window with a graphics port over its client
// area. The host gives the instance the port, draws the instance's host views at every paint and idles
// the instance; the plug-in's editor opens as a child window inside it.

#include "hostlibs/extension/host_graphics_types.h"
#include "platform/win_types.h"

#include <string>

namespace host {

class HostedPlugin;

class ViewWindow {
public:
    // Throws std::runtime_error when the window or its port cannot be made.
    ViewWindow(HostedPlugin& plugin, int width, int height);
    // Takes the port away from the instance before the port and the window go.
    ~ViewWindow();
    ViewWindow(const ViewWindow&) = delete;
    ViewWindow& operator=(const ViewWindow&) = delete;

    HostPort port() const { return port_; }
    // Gives the instance the port: its editor opens.
    void attach();
    // Headless: the instance idled until its editor has drawn everything once, the window written as a
    // picture; 1 when the picture cannot be written.
    int writePicture(const std::string& path);
    // On the desktop until the person closes the window.
    int showUntilClosed();

private:
    HostedPlugin& plugin_;
    HWND window_ = nullptr;
    HostPort port_ = nullptr;
    bool attached_ = false;
};

} // namespace host
