#pragma once

#include "platform/ole/drop_target.h"

namespace kravo::test {

// A drop target on the stack: it answers for the drop target's interfaces and counts its references,
// never deleting itself.
class StackDropTarget : public IDropTarget {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        *object = iid == IID_IUnknown || iid == IID_IDropTarget ? this : nullptr;
        if (*object == nullptr)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return --references; }

    ULONG references = 1;
};

// A drop target on the stack that counts its references and answers every drag with no effect.
class CountingDropTarget final : public StackDropTarget {
public:
    HRESULT DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override { return none(effect); }
    HRESULT DragOver(DWORD, POINTL, DWORD* effect) override { return none(effect); }
    HRESULT DragLeave() override { return S_OK; }
    HRESULT Drop(IDataObject*, DWORD, POINTL, DWORD* effect) override { return none(effect); }

private:
    static HRESULT none(DWORD* effect)
    {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
};

} // namespace kravo::test
