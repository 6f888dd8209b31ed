#pragma once

// What the frame registers for its window so that drags from other programs reach its views: each drag
// becomes a drag container that the frame routes to the view under the pointer. The frame holds one
// reference while the target is registered.

#include "platform/ole/drop_target.h"

namespace Toolkit {

class CFrame;

class CDropTarget final : public IDropTarget {
public:
    // Counted from 0: whoever keeps it adds the first reference.
    explicit CDropTarget(CFrame* frame) : frame(frame) {}

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    // Answers copy, never move: a source may delete what was moved, and no view keeps it.
    HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT DragLeave() override;
    // Copy when a view took the drop, else none.
    HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

    // For a drag still holding the target after its frame is gone: it reaches no view.
    void forgetFrame() { frame = nullptr; }

private:
    virtual ~CDropTarget() = default;

    LONG referenceCount = 0;
    CFrame* frame;
};

} // namespace Toolkit
