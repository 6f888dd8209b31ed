#include "platform/window/message_queue.h"

#include "platform/clock.h"
#include "platform/last_error.h"
#include "platform/window/input_source.h"
#include "platform/window/message_numbers.h"
#include "platform/window/painting.h"
#include "platform/window/timers.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_table.h"

#include <algorithm>
#include <deque>
#include <optional>

namespace {

struct QueuedMessage {
    MSG message;
    // Input messages only.
    platform::window::KeyStates keysAfter;
};

struct MessageQueue {
    std::deque<QueuedMessage> posted;
    std::deque<QueuedMessage> input;
    bool quit = false;
    int exitCode = 0;
    DWORD lastTime = 0;
};

MessageQueue& queue()
{
    static MessageQueue messages;
    return messages;
}

struct Filter {
    HWND window;
    UINT first;
    UINT last;

    bool passes(UINT message) const { return (first == 0 && last == 0) || (message >= first && message <= last); }
    bool passes(const MSG& message) const
    {
        return (window == nullptr || message.window == window) && passes(message.message);
    }
};

MSG made(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return {window, message, wParam, lParam, GetTickCount(), platform::window::inputState().cursor};
}

bool isMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEWHEEL;
}

std::optional<MSG> takeQueued(std::deque<QueuedMessage>& from, const Filter& filter, bool remove, bool input)
{
    const auto found = std::find_if(
        from.begin(), from.end(), [&](const QueuedMessage& queued) { return filter.passes(queued.message); });
    if (found == from.end())
        return std::nullopt;
    const MSG message = found->message;
    if (remove) {
        if (input)
            platform::window::inputState().synchronous = found->keysAfter;
        from.erase(found);
    }
    return message;
}

std::optional<MSG> takeMessage(const Filter& filter, bool remove)
{
    MessageQueue& messages = queue();
    std::optional<MSG> message = takeQueued(messages.posted, filter, remove, false);
    if (!message) {
        message = takeQueued(messages.input, filter, remove, true);
        if (message && remove && isMouseMessage(message->message) &&
            platform::window::lookUp(platform::window::inputState().capture) == nullptr)
            SendMessageA(message->window, WM_SETCURSOR, reinterpret_cast<WPARAM>(message->window),
                static_cast<LPARAM>(message->message));
    }
    if (!message && messages.quit && filter.window == nullptr && filter.passes(WM_QUIT)) {
        message = made(nullptr, WM_QUIT, static_cast<WPARAM>(messages.exitCode), 0);
        messages.quit = !remove;
    }
    if (!message && filter.passes(WM_PAINT))
        if (HWND window = platform::window::windowToPaint(filter.window))
            message = made(window, WM_PAINT, 0, 0);
    if (!message && filter.passes(WM_TIMER))
        message = platform::window::dueTimer(filter.window, remove);
    if (message)
        messages.lastTime = message->time;
    return message;
}

} // namespace

namespace platform::window {

void postInput(const MSG& message, const KeyStates& keysAfter)
{
    queue().input.push_back({message, keysAfter});
}

void dropMessagesOf(HWND window)
{
    const auto addressedTo = [window](const QueuedMessage& queued) { return queued.message.window == window; };
    std::erase_if(queue().posted, addressedTo);
    std::erase_if(queue().input, addressedTo);
}

void forgetAllMessages()
{
    queue() = MessageQueue{};
}

} // namespace platform::window

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    platform::window::checkThread();
    if (window != nullptr && platform::window::find(window) == nullptr)
        return FALSE;
    queue().posted.push_back({made(window, message, wParam, lParam), {}});
    return TRUE;
}

LRESULT SendMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    platform::window::checkThread();
    const platform::window::Window* window = platform::window::find(handle);
    return window != nullptr ? window->proc(handle, message, wParam, lParam) : 0;
}

BOOL PeekMessageA(MSG* message, HWND window, UINT first, UINT last, UINT remove)
{
    platform::window::checkThread();
    if (message == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    platform::InputSource& source = platform::window::inputSource();
    const bool arrived = source.pull();
    if (const auto found = takeMessage({window, first, last}, (remove & PM_REMOVE) != 0)) {
        *message = *found;
        return TRUE;
    }
    if (!arrived)
        source.nothingNew();
    return FALSE;
}

BOOL GetMessageA(MSG* message, HWND window, UINT first, UINT last)
{
    platform::window::checkThread();
    if (message == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    platform::InputSource& source = platform::window::inputSource();
    const Filter filter{window, first, last};
    for (;;) {
        source.pull();
        if (const auto found = takeMessage(filter, true)) {
            *message = *found;
            return message->message != WM_QUIT ? TRUE : FALSE;
        }
        const std::optional<DWORD> timer =
            filter.passes(WM_TIMER) ? platform::window::nextTimerDue(window) : std::nullopt;
        if (!source.waitForInput(timer)) {
            *message = made(nullptr, WM_QUIT, 0, 0);
            return FALSE;
        }
    }
}

LRESULT DispatchMessageA(const MSG* message)
{
    platform::window::checkThread();
    if (message == nullptr || message->window == nullptr)
        return 0;
    if (message->message == WM_TIMER && message->lParam != 0) {
        reinterpret_cast<TIMERPROC>(message->lParam)(message->window, WM_TIMER, message->wParam, GetTickCount());
        return 0;
    }
    return SendMessageA(message->window, message->message, message->wParam, message->lParam);
}

LONG GetMessageTime()
{
    platform::window::checkThread();
    return static_cast<LONG>(queue().lastTime);
}

void PostQuitMessage(int exitCode)
{
    platform::window::checkThread();
    queue().quit = true;
    queue().exitCode = exitCode;
}
