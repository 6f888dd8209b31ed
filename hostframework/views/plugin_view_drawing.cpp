#include "hostframework/views/plugin_view.h"
#include "hostlibs/extension/host_graphics.h"

#include <vector>

namespace {

// The back patterns that BeginBackPattern took from the current port, innermost last: each
// EndBackPattern gives back the one its own Begin took, so erasing nests (a scroll inside an erase
// keeps the outer pattern). Null where no copy could be made.
std::vector<HostPixelPattern>& savedBackPatterns()
{
    static std::vector<HostPixelPattern> saved;
    return saved;
}

bool meets(const HostRect& a, const HostRect& b)
{
    HostRect meet{};
    return HostExtIntersectRect(&a, &b, &meet);
}

// The parts of the old frame that the new one no longer covers: one above or below it and one beside it.
void uncoveredStrips(const HostRect& old, const HostRect& now, HostRect* first, HostRect* second)
{
    if (!meets(old, now)) {
        *first = old;
        *second = {0, 0, 0, 0};
        return;
    }
    *first = old;
    *second = old;
    const bool upward = now.top < old.top;
    if (upward)
        first->top = now.bottom;
    else
        first->bottom = now.top;
    if (now.left < old.left)
        second->left = now.right;
    else
        second->right = now.left;
    if (now.top != old.top && now.left != old.left) {
        if (upward)
            second->bottom = now.bottom;
        else
            second->top = now.top;
    }
}

} // namespace

void CPlugInView::DrawContents(const HostRect& area)
{
    DrawSelf(area);
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling) {
        HostRect part{};
        if (HostExtIntersectRect(&area, &child->frame, &part))
            child->DrawContents(part);
    }
}

void CPlugInView::Draw(const HostRect* area)
{
    if (port == nullptr)
        return;
    HostRect rect = GetVisibleRect();
    if (area != nullptr) {
        const HostRect visible = rect;
        if (!HostExtIntersectRect(&visible, area, &rect))
            return;
    }
    FocusView(&rect);
    DrawContents(rect);
    UnfocusView();
}

void CPlugInView::SetHighlighted(bool flag)
{
    if (flag == highlighted)
        return;
    highlighted = flag;
    Draw(nullptr);
}

void CPlugInView::BeginBackPattern()
{
    HostPixelPattern saved = HostExtNewPixelPattern();
    if (saved != nullptr)
        HostExtGetBackPixelPattern(saved);
    savedBackPatterns().push_back(saved);
    if (HostPixelPattern pattern = GetBackPattern())
        HostExtBackPixelPattern(pattern);
    else
        HostExtBackPatternPlain();
}

void CPlugInView::EndBackPattern()
{
    std::vector<HostPixelPattern>& saved = savedBackPatterns();
    if (saved.empty())
        return;
    HostPixelPattern pattern = saved.back();
    saved.pop_back();
    if (pattern == nullptr)
        return;
    // The port keeps a copy of its own.
    HostExtBackPixelPattern(pattern);
    HostExtDisposePixelPattern(pattern);
}

void CPlugInView::EraseBackground(const HostRect& area)
{
    if (parent != nullptr)
        return;
    HostColor before{};
    HostExtGetBackColor(&before);
    HostColor colour{};
    GetBackColor(&colour);
    HostExtRGBBackColor(&colour);
    BeginBackPattern();
    HostRect erased{};
    if (HostExtIntersectRect(&area, &frame, &erased))
        HostExtEraseRect(&erased);
    EndBackPattern();
    HostExtRGBBackColor(&before);
}

void CPlugInView::DrawSelf(const HostRect& area)
{
    EraseBackground(area);
}

void CPlugInView::ScrollBy(std::int16_t dh, std::int16_t dv)
{
    if (port == nullptr) {
        OffsetBy(dh, dv);
        return;
    }
    if (dh == 0 && dv == 0)
        return;
    FocusView(nullptr);
    const HostRect old = frame;
    OffsetBy(dh, dv);
    HostRect first{};
    HostRect second{};
    uncoveredStrips(old, frame, &first, &second);
    const HostRect now = frame;
    Draw(&now);
    CPlugInView* root = GetRootView();
    root->Draw(&first);
    root->Draw(&second);
    UnfocusView();
}
