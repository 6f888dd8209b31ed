#include "host/host_window_loop.h"

#include "platform/gdi/image.h"
#include "platform/module_resources.h"
#include "platform/window/cursors.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_styles.h"
#include "platform/window/keyboard_layout.h"
#include "platform/window/message_queue.h"
#include "platform/window/timers.h"
#include "platform/window/window_testing.h"

#include <cstdio>

namespace host {

namespace {

constexpr UINT_PTR kIdleTimer = 1;
constexpr UINT kIdleMilliseconds = 20;
// Enough host idles for the editor to have drawn everything once.
constexpr int kIdlesBeforePicture = 10;

} // namespace

HWND makeTopLevelWindow(const char* className, WNDPROC procedure, DWORD style, int width, int height)
{
    const WNDCLASSA windowClass{.style = 0,
                                .windowProc = procedure,
                                .classExtraBytes = 0,
                                .windowExtraBytes = 0,
                                .instance = platform::pluginModule(),
                                .icon = nullptr,
                                .cursor = LoadCursorA(nullptr, IDC_ARROW),
                                .background = nullptr,
                                .menuName = nullptr,
                                .className = className};
    // Later calls find the class registered by the first.
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, className, "Kravo", WS_VISIBLE | style, kWindowLeft, kWindowTop, width, height, nullptr,
                           nullptr, platform::pluginModule(), nullptr);
}

int runUntilClosed(HWND window)
{
    SetTimer(window, kIdleTimer, kIdleMilliseconds, nullptr);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

int writeWindowPicture(HWND window, const std::function<void()>& idle, const std::string& path)
{
    for (int n = 0; n < kIdlesBeforePicture; ++n) {
        platform::pumpMessages();
        idle();
    }
    platform::pumpMessages();
    const std::optional<platform::Image> picture = platform::captureWindow(window);
    if (!picture || !platform::writePng(*picture, path)) {
        std::fprintf(stderr, "kravo-host: cannot write the picture %s\n", path.c_str());
        return 1;
    }
    return 0;
}

} // namespace host
