#pragma once

// What drawing contexts ask of the frame they draw for. They come before the frame and know it only by
// name; these are defined with the frame's class.

#include "platform/window/window_types.h"
#include "toolkit/rect.h"

namespace Toolkit {

class CFrame;

CRect frameViewSize(CFrame& frame);
// The frame's own window.
HWND frameWindow(CFrame& frame);
// One pass of the editor's idle work, while a mouse loop waits.
void frameIdle(CFrame& frame);

} // namespace Toolkit
