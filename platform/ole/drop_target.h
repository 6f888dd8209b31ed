#pragma once

// IDropTarget: what a window registered for drops is told while a drag passes over it.

#include "platform/ole/data_object.h"

// What the drop would do, as the target answers it; the drag source offers a combination.
inline constexpr DWORD DROPEFFECT_NONE = 0;
inline constexpr DWORD DROPEFFECT_COPY = 0x1;
inline constexpr DWORD DROPEFFECT_MOVE = 0x2;

// A point on the screen.
struct POINTL {
    LONG x;
    LONG y;
};

inline constexpr IID IID_IDropTarget{0x6B72766F, 0x0002, 0x4000, {0x80, 0x4B, 0x52, 0x56, 0x4F, 0x00, 0x00, 0x02}};

// keyState holds MK_ bits (platform/input/mouse_key_state.h). effect comes in as the effects the
// source allows and goes out as the one the target would take.
struct IDropTarget : IUnknown {
    virtual HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;
    virtual HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;
};
