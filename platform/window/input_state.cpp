#include "platform/window/input_state.h"

#include "platform/last_error.h"
#include "platform/window/input_source.h"
#include "platform/window/system_metrics.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_table.h"

#include <algorithm>

namespace {

constexpr SHORT kHeld = -0x8000;

bool isKey(int key)
{
    return key >= 0 && key < static_cast<int>(platform::window::KeyStates().size());
}

// A read of the input: what is due arrives first; finding nothing new lets the source move time on.
void readInput()
{
    platform::InputSource& source = platform::window::inputSource();
    if (!source.pull())
        source.nothingNew();
}

} // namespace

namespace platform::window {

InputState& inputState()
{
    static InputState state;
    return state;
}

void placePointer(POINT point)
{
    inputState().cursor = {std::clamp<LONG>(point.x, 0, GetSystemMetrics(SM_CXSCREEN) - 1),
        std::clamp<LONG>(point.y, 0, GetSystemMetrics(SM_CYSCREEN) - 1)};
}

void dropCaptureWithin(const Window& window)
{
    if (isWithin(inputState().capture, window))
        inputState().capture = nullptr;
}

void forgetInputState()
{
    inputState() = InputState{};
}

} // namespace platform::window

SHORT GetAsyncKeyState(int key)
{
    platform::window::checkThread();
    readInput();
    return isKey(key) && platform::window::inputState().physical[static_cast<std::size_t>(key)] ? kHeld : 0;
}

SHORT GetKeyState(int key)
{
    platform::window::checkThread();
    return isKey(key) && platform::window::inputState().synchronous[static_cast<std::size_t>(key)] ? kHeld : 0;
}

BOOL GetCursorPos(POINT* point)
{
    platform::window::checkThread();
    if (point == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    readInput();
    *point = platform::window::inputState().cursor;
    return TRUE;
}

HWND SetCapture(HWND window)
{
    platform::window::checkThread();
    if (platform::window::find(window) == nullptr)
        return nullptr;
    platform::window::InputState& state = platform::window::inputState();
    const HWND previous = platform::window::lookUp(state.capture) != nullptr ? state.capture : nullptr;
    state.capture = window;
    return previous;
}

BOOL ReleaseCapture()
{
    platform::window::checkThread();
    platform::window::inputState().capture = nullptr;
    return TRUE;
}
