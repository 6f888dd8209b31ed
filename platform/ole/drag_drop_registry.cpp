#include "platform/ole/drag_drop_registry.h"

#include "platform/ole/ole_initialize.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_table.h"

#include <unordered_map>

namespace {

// Windows live on the user-interface thread, and so does this table.
std::unordered_map<HWND, IDropTarget*>& targets()
{
    static std::unordered_map<HWND, IDropTarget*> registered;
    return registered;
}

// A window's registration ends with it, as if it had revoked it.
void forgetEndingWindow(HWND window)
{
    RevokeDragDrop(window);
}

} // namespace

HRESULT RegisterDragDrop(HWND window, IDropTarget* target)
{
    if (platform::oleInitializeCount() == 0)
        return CO_E_NOTINITIALIZED;
    if (platform::window::lookUp(window) == nullptr || target == nullptr)
        return E_INVALIDARG;
    platform::addWindowEndHook(&forgetEndingWindow);
    if (!targets().try_emplace(window, target).second)
        return DRAGDROP_E_ALREADYREGISTERED;
    target->AddRef();
    return S_OK;
}

HRESULT RevokeDragDrop(HWND window)
{
    const auto found = targets().find(window);
    if (found == targets().end())
        return DRAGDROP_E_NOTREGISTERED;
    IDropTarget* target = found->second;
    targets().erase(found);
    target->Release();
    return S_OK;
}

namespace platform {

IDropTarget* registeredDropTarget(HWND window)
{
    const auto found = targets().find(window);
    return found == targets().end() ? nullptr : found->second;
}

} // namespace platform
