#include "platform/ole/simulated_drag.h"

#include "platform/ole/drag_drop_registry.h"
#include "platform/window/input_state.h"
#include "platform/window/window_data.h"
#include "platform/window/window_layout.h"

namespace platform {

namespace {

IDropTarget* targetAt(POINTL point)
{
    for (HWND window = WindowFromPoint({point.x, point.y}); window != nullptr; window = GetParent(window))
        if (IDropTarget* target = registeredDropTarget(window))
            return target;
    return nullptr;
}

} // namespace

DWORD simulateDrag(IDataObject* data, DWORD allowedEffects, const std::vector<DragStep>& steps, DragEnd end)
{
    if (data == nullptr || steps.empty())
        return DROPEFFECT_NONE;
    IDropTarget* current = nullptr;
    DWORD effect = DROPEFFECT_NONE;
    for (const DragStep& step : steps) {
        window::placePointer({step.point.x, step.point.y});
        IDropTarget* under = targetAt(step.point);
        effect = allowedEffects;
        if (under == current) {
            if (current != nullptr && FAILED(current->DragOver(step.keyState, step.point, &effect)))
                effect = DROPEFFECT_NONE;
        } else {
            if (current != nullptr) {
                current->DragLeave();
                current->Release();
            }
            current = under;
            if (current != nullptr) {
                current->AddRef();
                if (FAILED(current->DragEnter(data, step.keyState, step.point, &effect)))
                    effect = DROPEFFECT_NONE;
            }
        }
        effect = current != nullptr ? effect & allowedEffects : DROPEFFECT_NONE;
    }
    if (current == nullptr)
        return DROPEFFECT_NONE;
    if (end == DragEnd::release && effect != DROPEFFECT_NONE) {
        const DragStep& last = steps.back();
        effect = allowedEffects;
        const HRESULT dropped = current->Drop(data, last.keyState, last.point, &effect);
        effect = SUCCEEDED(dropped) ? effect & allowedEffects : DROPEFFECT_NONE;
    } else {
        current->DragLeave();
        effect = DROPEFFECT_NONE;
    }
    current->Release();
    return effect;
}

} // namespace platform
