#include "hostframework/host_error.h"
#include "hostframework/views/overlay_clip_list.h"
#include "hostframework/views/plugin_view.h"
#include "hostlibs/extension/host_graphics.h"

// Focusing makes the view's port current with the view's origin and clip, and remembers what was there
// so that drawing can nest: a view drawn inside another's drawing gives the port back as it found it.

namespace {

// Both the pen and the text paint over what is there.
constexpr std::int16_t kCopyMode = 8;

// A region made now, or -7053.
HostRegion newRegion()
{
    HostRegion region = HostExtNewRegion();
    ThrowIfNull(region);
    return region;
}

} // namespace

void CPlugInView::FocusView(const HostRect* clip)
{
    ThrowIfNull(port);
    ThrowIfFalse(focusDepth < kFocusDepth);
    SFocusEntry& entry = focusStack[focusDepth];
    entry.clip = newRegion();
    entry.port = HostExtGetPort();
    HostExtSetPort(port);
    HostExtPenMode(kCopyMode);
    HostExtTextMode(kCopyMode);
    HostExtGetClip(entry.clip);
    HostRect bounds{};
    HostExtGetPortBounds(port, &bounds);
    entry.origin = {bounds.top, bounds.left};
    HostExtSetOrigin(origin.h, origin.v);
    ++focusDepth;

    HostRect clipRect = GetVisibleRect();
    if (clip != nullptr) {
        const HostRect visible = clipRect;
        HostExtIntersectRect(&visible, clip, &clipRect);
    }
    // A failure gives the level back, so that the stack stays as deep as the calls that succeeded.
    try {
        ClipTo(clipRect);
    } catch (...) {
        UnfocusView();
        throw;
    }
}

// A pop-up of another port covers part of the screen: the view draws around it and is listed, so that
// the part it left out is drawn when the pop-up goes.
void CPlugInView::ClipTo(const HostRect& clip)
{
    COverlayClipList& overlay = COverlayClipList::Get();
    if (overlay.GetPort() != nullptr && overlay.GetPort() != port) {
        const HostRect& global = overlay.GetRect();
        HostPoint topLeft{global.top, global.left};
        HostPoint bottomRight{global.bottom, global.right};
        HostExtGlobalToLocal(&topLeft);
        HostExtGlobalToLocal(&bottomRight);
        const HostRect covered{topLeft.v, topLeft.h, bottomRight.v, bottomRight.h};
        HostRect meet{};
        if (HostExtIntersectRect(&covered, &clip, &meet)) {
            HostRegion whole = newRegion();
            HostRegion hole = HostExtNewRegion();
            if (hole == nullptr) {
                HostExtDisposeRegion(whole);
                throw CHostError(kHostErrNullValue);
            }
            HostExtRectRegion(whole, &clip);
            HostExtRectRegion(hole, &covered);
            HostExtDifferenceRegion(whole, hole, whole);
            HostExtSetClip(whole);
            HostExtDisposeRegion(hole);
            HostExtDisposeRegion(whole);
            overlay.Record(this, clip);
            return;
        }
    }
    HostExtClipRect(&clip);
}

void CPlugInView::UnfocusView()
{
    ThrowIfFalse(focusDepth > 0);
    SFocusEntry& entry = focusStack[--focusDepth];
    HostExtSetOrigin(entry.origin.h, entry.origin.v);
    HostExtSetClip(entry.clip);
    HostExtDisposeRegion(entry.clip);
    HostExtSetPort(entry.port);
    entry = {};
}

void CPlugInView::DropFocusStack()
{
    while (focusDepth > 0) {
        SFocusEntry& entry = focusStack[--focusDepth];
        HostExtDisposeRegion(entry.clip);
        entry = {};
    }
}

void CPlugInView::InvalidateFrame()
{
    if (port == nullptr)
        return;
    FocusView(nullptr);
    HostExtInvalidateRect(&frame);
    UnfocusView();
}

void CPlugInView::SetOverlayPort(HostPort overlayPort, const HostRect* rect)
{
    COverlayClipList::Get().SetPort(overlayPort, rect);
}
