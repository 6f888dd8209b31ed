#include "hostframework/views/overlay_clip_list.h"

#include "hostframework/host_error.h"
#include "hostframework/views/plugin_view.h"
#include "hostlibs/extension/host_graphics.h"

#include <algorithm>

COverlayClipList& COverlayClipList::Get()
{
    static COverlayClipList list;
    return list;
}

void COverlayClipList::SetPort(HostPort overlayPort, const HostRect* localRect)
{
    port = overlayPort;
    if (localRect != nullptr) {
        HostPoint topLeft{localRect->top, localRect->left};
        HostPoint bottomRight{localRect->bottom, localRect->right};
        HostExtLocalToGlobal(&topLeft);
        HostExtLocalToGlobal(&bottomRight);
        rect = {topLeft.v, topLeft.h, bottomRight.v, bottomRight.h};
    }
    if (port != nullptr)
        return;
    // Each entry leaves before its view draws, so a draw that fails leaves a list that is still whole.
    while (count > 0) {
        const SEntry entry = entries[--count];
        entry.view->Draw(&entry.rect);
    }
}

void COverlayClipList::Record(CPlugInView* view, const HostRect& clipped)
{
    SEntry* const end = entries.data() + count;
    SEntry* found = std::find_if(entries.data(), end, [view](const SEntry& entry) { return entry.view == view; });
    if (found != end) {
        const HostRect before = found->rect;
        HostExtUnionRect(&before, &clipped, &found->rect);
        return;
    }
    ThrowIfFalse(count < kCapacity);
    entries[count++] = {view, clipped};
}

void COverlayClipList::Forget(const CPlugInView* view)
{
    SEntry* const end = entries.data() + count;
    SEntry* kept = std::remove_if(entries.data(), end, [view](const SEntry& entry) { return entry.view == view; });
    count = static_cast<int>(kept - entries.data());
}
