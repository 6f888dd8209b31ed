#pragma once

// A drag from another program, for tests and headless runs: the system's part played over the windows
// registered for drops (platform/ole/drag_drop_registry.h).

#include "platform/ole/drop_target.h"

#include <vector>

namespace platform {

// Where the drag is, on the screen, and the MK_ key states held there.
struct DragStep {
    POINTL point;
    DWORD keyState;
};

// How the drag ends after its last step: the button let go over where it is, or Escape.
enum class DragEnd { release, cancel };

// At each step the pointer moves to the point (without mouse messages: the drag holds the mouse) and
// the target is looked for: the one registered for the window under the point, or else for the nearest
// window above it that has one (a registered window takes drops over its child windows too). The target
// the drag comes onto gets DragEnter with the data, the one it leaves DragLeave, and one it stays over
// DragOver; each is offered the allowed effects and its answer is cut to them (a failure answers none).
// After the last step the target there gets Drop, with the last step's key state and point, when the
// drag is released and the target's last answer was an effect; otherwise DragLeave. Each target is held
// while the drag is over it. Answers the effect Drop answered, DROPEFFECT_NONE when there was no drop.
DWORD simulateDrag(IDataObject* data, DWORD allowedEffects, const std::vector<DragStep>& steps,
    DragEnd end = DragEnd::release);

} // namespace platform
