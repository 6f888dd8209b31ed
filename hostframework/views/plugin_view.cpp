#include "hostframework/views/plugin_view.h"

#include "hostframework/plugin_library.h"
#include "hostframework/process_group.h"
#include "hostframework/process_group_interface.h"
#include "hostframework/views/overlay_clip_list.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"
#include "platform/four_char_code.h"

namespace {

constexpr std::uint32_t kPixelPatternType = FourCharCode("ppat");
// Hiding moves a view this far to the right; a left edge past the threshold means hidden.
constexpr std::int16_t kHideDistance = 16384;
constexpr std::int16_t kHiddenThreshold = 8192;

bool encloses(const HostRect& outer, const HostRect& inner)
{
    return outer.top <= inner.top && outer.left <= inner.left && outer.bottom >= inner.bottom &&
           outer.right >= inner.right;
}

} // namespace

CPlugInView::~CPlugInView()
{
    DeleteSubViews();
    if (parent != nullptr)
        parent->RemoveSubView(this);
    COverlayClipList::Get().Forget(this);
    DropFocusStack();
}

void CPlugInView::Initialize()
{
    FinishInitialize();
}

void CPlugInView::ReadItemRecord(const SViewRecord* /*record*/) {}

void CPlugInView::AddSubView(CPlugInView* view, bool nest)
{
    if (view == nullptr)
        return;
    if (nest) {
        for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling) {
            if (encloses(child->frame, view->frame)) {
                child->AddSubView(view, true);
                return;
            }
        }
    }
    if (firstChild == nullptr) {
        firstChild = view;
        view->SetParent(this);
        view->SetNextSibling(nullptr);
    } else {
        firstChild->AddSibling(view);
    }
}

void CPlugInView::AddSibling(CPlugInView* view)
{
    view->SetParent(parent);
    CPlugInView* last = this;
    while (last->nextSibling != nullptr)
        last = last->nextSibling;
    last->nextSibling = view;
    view->SetNextSibling(nullptr);
}

void CPlugInView::SetParent(CPlugInView* view)
{
    parent = view;
}

CPlugInView* CPlugInView::FindViewAtPoint(HostPoint point)
{
    if (!HostExtPointInRect(point, &frame))
        return nullptr;
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling)
        if (HostExtPointInRect(point, &child->frame))
            return child->FindViewAtPoint(point);
    return this;
}

void CPlugInView::SubViewMoved(CPlugInView* /*view*/) {}

void CPlugInView::Deactivate()
{
    active = false;
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling)
        child->Deactivate();
}

void CPlugInView::Activate()
{
    active = true;
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling)
        child->Activate();
}

void CPlugInView::SetPort(HostPort newPort)
{
    port = newPort;
    if (port == nullptr) {
        if (keyFocus != nullptr) {
            CPlugInView* const focus = keyFocus;
            if (focus != this)
                focus->SetPort(nullptr);
            focus->EndEdit(false);
            keyFocus = nullptr;
        }
        // What the stack would give back belongs to a port that is no longer the tree's.
        DropFocusStack();
    } else {
        HostRect bounds{};
        HostExtGetPortBounds(port, &bounds);
        origin = {bounds.top, bounds.left};
    }
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling)
        child->SetPort(newPort);
}

HostRect* CPlugInView::GetFrame(HostRect* out)
{
    *out = frame;
    return out;
}

void CPlugInView::Show()
{
    if (frame.left >= kHiddenThreshold)
        MoveBy(-kHideDistance, 0);
}

void CPlugInView::Hide()
{
    if (frame.left < kHiddenThreshold)
        MoveBy(kHideDistance, 0);
}

void CPlugInView::HandleKey(std::int16_t /*character*/, bool* handled)
{
    *handled = false;
}

void CPlugInView::EndEdit(bool /*accept*/) {}

void CPlugInView::BeginEdit() {}

bool CPlugInView::CanTakeFocus()
{
    return false;
}

void CPlugInView::SetEnabled(bool flag)
{
    enabled = flag;
}

bool CPlugInView::IsEnabled()
{
    return enabled;
}

void CPlugInView::OffsetBy(std::int16_t dh, std::int16_t dv)
{
    frame.top = static_cast<std::int16_t>(frame.top + dv);
    frame.bottom = static_cast<std::int16_t>(frame.bottom + dv);
    frame.left = static_cast<std::int16_t>(frame.left + dh);
    frame.right = static_cast<std::int16_t>(frame.right + dh);
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling)
        child->OffsetBy(dh, dv);
}

void CPlugInView::GetForeColor(HostColor* out)
{
    static constexpr HostColor kHighlight{0x0000, 0x6666, 0xFFFF};
    *out = highlighted ? kHighlight : foreColor;
}

void CPlugInView::GetBackColor(HostColor* out)
{
    if (parent != nullptr)
        parent->GetBackColor(out);
    else
        *out = backColor;
}

void CPlugInView::SetForeColor(const HostColor& colour)
{
    foreColor = colour;
}

void CPlugInView::SetBackColor(const HostColor& colour)
{
    backColor = colour;
}

HostPixelPattern CPlugInView::GetBackPattern()
{
    return parent != nullptr ? parent->GetBackPattern() : nullptr;
}

void CPlugInView::GetControlIndexAt(std::int32_t* out)
{
    *out = 0;
}

bool CPlugInView::IsControlView()
{
    return false;
}

bool CPlugInView::IsHighlightedByHost()
{
    return parent != nullptr && parent->IsHighlightedByHost();
}

void CPlugInView::GetHostHighlight(std::int16_t* colour, std::int16_t* number, const char** text)
{
    if (parent != nullptr) {
        parent->GetHostHighlight(colour, number, text);
        return;
    }
    *number = 0;
    *text = "";
}

HostPixelPattern CPlugInView::LoadPixPat(std::int16_t patternID)
{
    char** resource = HostExtGetResource(kPixelPatternType, patternID);
    if (resource == nullptr)
        return nullptr;
    HostPixelPattern pattern = HostExtGetPixelPattern(patternID);
    HostExtReleaseResource(resource);
    return pattern;
}

void CPlugInView::FinishInitialize()
{
    if (parent == nullptr)
        Connect();
}

void CPlugInView::Connect()
{
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling)
        child->Connect();
}

void CPlugInView::Disconnect()
{
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling)
        child->Disconnect();
}

void CPlugInView::RemoveSubView(CPlugInView* view)
{
    if (view == nullptr)
        return;
    bool wasChild = false;
    if (firstChild == view) {
        firstChild = view->nextSibling;
        wasChild = true;
    } else {
        for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling) {
            if (child->nextSibling == view) {
                child->nextSibling = view->nextSibling;
                wasChild = true;
                break;
            }
        }
    }
    if (wasChild)
        LeaveTree(view);
    view->parent = nullptr;
    view->nextSibling = nullptr;
}

// A view leaving the tree takes its subtree with it: none of them keeps the root's key focus or a
// place in the overlay list.
void CPlugInView::LeaveTree(CPlugInView* view)
{
    CPlugInView* root = GetRootView();
    if (root->keyFocus != nullptr && view->Contains(root->keyFocus))
        root->keyFocus = nullptr;
    view->LeaveOverlayList();
}

void CPlugInView::LeaveOverlayList()
{
    COverlayClipList::Get().Forget(this);
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling)
        child->LeaveOverlayList();
}

bool CPlugInView::Contains(const CPlugInView* view) const
{
    for (; view != nullptr; view = view->parent)
        if (view == this)
            return true;
    return false;
}

void CPlugInView::DeleteSubViews()
{
    while (CPlugInView* child = firstChild) {
        RemoveSubView(child);
        delete child;
    }
}

CPlugInView* CPlugInView::FindSubViewByID(std::uint32_t wanted)
{
    if (wanted == kNoID)
        return nullptr;
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling)
        if (child->id == wanted)
            return child;
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling)
        if (CPlugInView* found = child->FindSubViewByID(wanted))
            return found;
    return nullptr;
}

HostRect CPlugInView::GetVisibleRect()
{
    HostRect visible{};
    HostExtIntersectRect(&limit, &frame, &visible);
    if (parent != nullptr) {
        const HostRect own = visible;
        const HostRect parentVisible = parent->GetVisibleRect();
        HostExtIntersectRect(&own, &parentVisible, &visible);
    }
    return visible;
}

void CPlugInView::MoveTo(std::int16_t h, std::int16_t v)
{
    MoveBy(static_cast<std::int16_t>(h - frame.left), static_cast<std::int16_t>(v - frame.top));
}

void CPlugInView::MoveBy(std::int16_t dh, std::int16_t dv)
{
    if (dh == 0 && dv == 0)
        return;
    InvalidateFrame();
    OffsetBy(dh, dv);
    InvalidateFrame();
}

CPlugInView* CPlugInView::GetRootView()
{
    CPlugInView* root = this;
    while (root->parent != nullptr)
        root = root->parent;
    return root;
}

std::int16_t CPlugInView::UsePlugInResFile()
{
    return CProcessGroup::usePlugInResFile();
}

void CPlugInView::RestoreResFile(std::int16_t previous)
{
    CProcessGroup::restoreResFile(previous);
}

bool CPlugInView::YieldToHost()
{
    const std::weak_ptr<void> alive = life;
    if (gProcessGroup != nullptr)
        gProcessGroup->YieldHostCall();
    return !alive.expired() && port != nullptr;
}
