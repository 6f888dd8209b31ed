#include "toolkit/drop_target.h"

#include "toolkit/drag_container.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"

namespace Toolkit {

namespace {

// The drag over the window now; one at a time in the process.
CDragContainer* currentDrag = nullptr;

void releaseCurrentDrag()
{
    if (currentDrag != nullptr)
        currentDrag->forget();
    currentDrag = nullptr;
}

// Calls the frame with a context on its window and the pointer in the frame's coordinates.
template <class Call>
void withPointer(CFrame& frame, Call call)
{
    CDrawContext* context = frame.createDrawContext();
    CPoint where;
    frame.getMouseLocation(context, where);
    call(context, where);
    context->forget();
}

} // namespace

HRESULT CDropTarget::QueryInterface(REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CDropTarget::AddRef()
{
    return static_cast<ULONG>(++referenceCount);
}

ULONG CDropTarget::Release()
{
    if (--referenceCount > 0)
        return static_cast<ULONG>(referenceCount);
    delete this;
    return 0;
}

HRESULT CDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect)
{
    DWORD answer = DROPEFFECT_NONE;
    if (data != nullptr && frame != nullptr) {
        releaseCurrentDrag();
        currentDrag = new CDragContainer(data);
        withPointer(*frame,
            [&](CDrawContext* context, const CPoint& where) { frame->onDragEnter(context, currentDrag, where); });
        answer = DROPEFFECT_COPY;
    }
    if (effect != nullptr)
        *effect = answer;
    return S_OK;
}

HRESULT CDropTarget::DragOver(DWORD, POINTL, DWORD* effect)
{
    DWORD answer = DROPEFFECT_NONE;
    if (currentDrag != nullptr && frame != nullptr) {
        withPointer(*frame,
            [&](CDrawContext* context, const CPoint& where) { frame->onDragMove(context, currentDrag, where); });
        answer = DROPEFFECT_COPY;
    }
    if (effect != nullptr)
        *effect = answer;
    return S_OK;
}

HRESULT CDropTarget::DragLeave()
{
    if (currentDrag != nullptr && frame != nullptr)
        withPointer(*frame,
            [&](CDrawContext* context, const CPoint& where) { frame->onDragLeave(context, currentDrag, where); });
    releaseCurrentDrag();
    return S_OK;
}

HRESULT CDropTarget::Drop(IDataObject*, DWORD, POINTL, DWORD* effect)
{
    bool taken = false;
    if (currentDrag != nullptr && frame != nullptr)
        withPointer(*frame, [&](CDrawContext* context, const CPoint& where) {
            taken = frame->onDrop(context, currentDrag, where);
        });
    releaseCurrentDrag();
    if (effect != nullptr)
        *effect = taken ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

} // namespace Toolkit
