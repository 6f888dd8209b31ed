#pragma once

// Windows that accept drops, each with its drop target. The target is held (one reference more) from
// its registration until it is revoked or its window is destroyed.

#include "platform/ole/drop_target.h"

// CO_E_NOTINITIALIZED before OleInitialize on this thread, E_INVALIDARG without a target or for a
// handle that is not a living window, DRAGDROP_E_ALREADYREGISTERED when the window has a target already
// (the new one is not held).
HRESULT RegisterDragDrop(HWND window, IDropTarget* target);
// DRAGDROP_E_NOTREGISTERED when the window has no target.
HRESULT RevokeDragDrop(HWND window);

namespace platform {

// The target registered for the window, or null; valid while it stays registered (a drag over the
// window takes its own reference for as long as it uses it).
IDropTarget* registeredDropTarget(HWND window);

} // namespace platform
