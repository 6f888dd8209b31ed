#pragma once

// The frame comes later in the toolkit. Until then the contexts under test draw for this one: what they
// ask of a frame (its view size, its window, an idle pass) is set by the test and recorded.

#include "platform/window/window_types.h"
#include "toolkit/frame_link.h"
#include "toolkit/rect.h"

#include <functional>

namespace Toolkit {

class CFrame {
public:
    CRect viewSize{0, 0, 1000, 1000};
    HWND window = nullptr;
    int idlePasses = 0;
    std::function<void()> onIdle;
};

} // namespace Toolkit
