#include "tests/toolkit/support/frame_stand_in.h"

namespace Toolkit {

CRect frameViewSize(CFrame& frame)
{
    return frame.viewSize;
}

HWND frameWindow(CFrame& frame)
{
    return frame.window;
}

void frameIdle(CFrame& frame)
{
    ++frame.idlePasses;
    if (frame.onIdle)
        frame.onIdle();
}

} // namespace Toolkit
