#pragma once

// Where mouse and keyboard input comes from: the script of headless runs and tests
// (platform/window/scripted_input.h), or a live source. Input arrives only where the program reads it:
// GetAsyncKeyState, GetCursorPos, PeekMessageA and GetMessageA ask the source for what is due, so that a
// modal loop polling the buttons sees them change. A source hands what happened to applyInput
// (platform/window/input_events.h).

#include "platform/window/window_types.h"

#include <optional>

namespace platform {

class InputSource {
public:
    virtual ~InputSource() = default;
    // Applies what has happened by now; answers whether anything had.
    virtual bool pull() = 0;
    // A read found nothing new.
    virtual void nothingNew() = 0;
    // GetMessageA found nothing to hand out: waits for input, at most until the deadline when one is
    // given (the next timer). False when nothing can come any more.
    virtual bool waitForInput(std::optional<DWORD> deadline) = 0;
};

// Null returns to the script.
void setInputSource(InputSource* source);

} // namespace platform

namespace platform::window {

InputSource& inputSource();

} // namespace platform::window
