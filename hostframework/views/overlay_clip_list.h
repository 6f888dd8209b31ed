#pragma once

// The one list, for the whole module, of the views that drew clipped around a pop-up while it covered
// part of the screen, so that they can be drawn again, whole, when it goes.

#include "hostlibs/extension/host_graphics_types.h"

#include <array>

class CPlugInView;

class COverlayClipList {
public:
    static constexpr int kCapacity = 128;

    static COverlayClipList& Get();

    // Null while no pop-up is up.
    HostPort GetPort() const { return port; }
    // In global coordinates.
    const HostRect& GetRect() const { return rect; }
    // The rectangle is taken from the current port's local coordinates. A null port empties the list
    // from the last entry to the first, drawing each view's rectangle again.
    void SetPort(HostPort overlayPort, const HostRect* localRect);
    // A view already listed grows its rectangle; a view beyond the capacity fails with -7400.
    void Record(CPlugInView* view, const HostRect& clipped);
    // A view that leaves its tree leaves the list.
    void Forget(const CPlugInView* view);
    int GetCount() const { return count; }

private:
    struct SEntry {
        CPlugInView* view;
        HostRect rect;
    };

    HostPort port = nullptr;
    HostRect rect{0, 0, 0, 0};
    std::array<SEntry, kCapacity> entries{};
    int count = 0;
};
