#include "platform/window/window_testing.h"

#include "platform/window/cursors.h"
#include "platform/window/focus.h"
#include "platform/window/input_events.h"
#include "platform/window/input_source.h"
#include "platform/window/input_state.h"
#include "platform/window/keyboard_layout.h"
#include "platform/window/message_queue.h"
#include "platform/window/scripted_input.h"
#include "platform/window/system_metrics.h"
#include "platform/window/timers.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_dc.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_table.h"

#include <string>

namespace platform {

int pumpMessages()
{
    MSG message{};
    int pumped = 0;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (++pumped > kMaxPumpedMessages) {
            scriptedInput().recordFailure("messages kept coming: the last was " + std::to_string(message.message));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return pumped;
}

std::optional<Image> captureWindow(HWND handle)
{
    window::Window* window = window::lookUp(handle);
    if (window == nullptr)
        return std::nullopt;
    const window::Window& topLevel = window::topLevelOf(*window);
    const POINT origin = window::originInTopLevel(*window);
    Image image(window->width(), window->height(), RGB(0, 0, 0));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int pixelX = origin.x + x;
            const int pixelY = origin.y + y;
            if (pixelX < 0 || pixelY < 0 || pixelX >= topLevel.width() || pixelY >= topLevel.height())
                continue;
            const std::uint32_t pixel = topLevel.pixels[static_cast<std::size_t>(pixelY) *
                    static_cast<std::size_t>(topLevel.width()) + static_cast<std::size_t>(pixelX)];
            image.set(x, y,
                RGB(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8), static_cast<BYTE>(pixel)));
        }
    return image;
}

std::size_t windowCount()
{
    return window::windowCount();
}

void resetWindowSystem()
{
    window::releaseAllWindowDCs();
    for (HWND handle : window::allWindows())
        window::runWindowEndHooks(handle);
    window::forgetAllWindows();
    window::forgetAllClasses();
    window::forgetAllMessages();
    window::forgetAllTimers();
    window::forgetFocus();
    window::forgetInputState();
    window::forgetClicks();
    window::forgetCursor();
    setSwapButtons(false);
    setInputSource(nullptr);
    scriptedInput().reset();
    window::forgetThread();
}

} // namespace platform
