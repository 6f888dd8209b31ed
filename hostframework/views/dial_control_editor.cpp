#include "hostframework/views/dial_control_editor.h"

#include "hostframework/host_error.h"
#include "hostframework/host_keys.h"
#include "hostframework/views/control_view.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/plate_colours.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>

namespace {

// A touch above pi: at value 0 the tip's h falls one pixel left of the centre.
constexpr double kHalfTurn = 3.1415926538;
// The share of the half turn a dial that is not cyclical sweeps to either side of straight up.
constexpr double kSweep = 0.8;
constexpr double kInnerRadius = 0.25;
// The face sits inside the frame by this much, the pointer's circle inside it again.
constexpr std::int16_t kFaceInset = 4;
constexpr std::int16_t kPointerInset = 8;
constexpr HostColor kFaceColour{0xAAAA, 0xAAAA, 0xAAAA};

HostRect inset(const HostRect& rect, std::int16_t by)
{
    return {static_cast<std::int16_t>(rect.top + by), static_cast<std::int16_t>(rect.left + by),
            static_cast<std::int16_t>(rect.bottom - by), static_cast<std::int16_t>(rect.right - by)};
}

bool samePoint(HostPoint a, HostPoint b)
{
    return a.v == b.v && a.h == b.h;
}

void line(HostPoint from, HostPoint to)
{
    HostExtPenSize(1, 1);
    HostExtMoveTo(from.h, from.v);
    HostExtLineTo(to.h, to.v);
}

} // namespace

CCustomView* NewDialControlEditor()
{
    return new (std::nothrow) CDialControlEditor;
}

void CDialControlEditor::ReadDescription(SParseState& state)
{
    CControlEditor::ReadDescription(state);
    const SValueCell* group = state.TakeGroup();
    for (const SValueCell* element = group->List(); element != nullptr; element = element->next) {
        ThrowIfFalse(element->kind == kConstantKind);
        if (element->value == kReverseConstant)
            reverse = true;
        else if (element->value == kCyclicalConstant)
            cyclical = true;
        else
            ThrowIfFalse(false);
    }
}

void CDialControlEditor::GetPointerEnds(HostPoint* inner, HostPoint* outer)
{
    double angle = GetValue() / 2147483647.0 * kHalfTurn;
    if (!cyclical)
        angle *= kSweep;
    if (reverse)
        angle = -angle;
    angle -= kHalfTurn / 2.0;
    HostRect frame{};
    GetFrame(&frame);
    const HostRect face = inset(frame, kPointerInset);
    const int centreH = (face.left + face.right) / 2;
    const int centreV = (face.top + face.bottom) / 2;
    const int radiusH = (face.right - face.left) / 2;
    const int radiusV = (face.bottom - face.top) / 2;
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    *outer = {static_cast<std::int16_t>(centreV + radiusV * sine), static_cast<std::int16_t>(centreH + radiusH * cosine)};
    *inner = {static_cast<std::int16_t>(centreV + radiusV * sine * kInnerRadius),
              static_cast<std::int16_t>(centreH + radiusH * cosine * kInnerRadius)};
}

void CDialControlEditor::OffsetBy(std::int16_t dh, std::int16_t dv)
{
    CControlEditor::OffsetBy(dh, dv);
    for (HostPoint* end : {&innerEnd, &outerEnd}) {
        end->h = static_cast<std::int16_t>(end->h + dh);
        end->v = static_cast<std::int16_t>(end->v + dv);
    }
}

void CDialControlEditor::GetForeColor(HostColor* out)
{
    if (IsHighlighted() && IsHighlightedByHost()) {
        std::int16_t colour = -1;
        std::int16_t number = 0;
        const char* text = nullptr;
        GetHostHighlight(&colour, &number, &text);
        if (HighlightForeColour(colour, out))
            return;
    }
    if (!OwnStyleForeColour(GetOwnPlateStyle(), out))
        CControlEditor::GetForeColor(out);
}

void CDialControlEditor::DrawSelf(const HostRect& area)
{
    EraseBackground(area);
    HostRect frame{};
    GetFrame(&frame);
    const HostRect face = inset(frame, kFaceInset);
    HostColor savedBack{};
    HostColor savedFore{};
    HostExtGetBackColor(&savedBack);
    HostExtGetForeColor(&savedFore);
    HostExtRGBBackColor(&kFaceColour);
    BeginBackPattern();
    HostExtEraseOval(&face);
    EndBackPattern();
    HostColor outline{};
    GetForeColor(&outline);
    HostExtRGBForeColor(&outline);
    HostExtPenSize(2, 2);
    HostExtFrameOval(&face);
    HostExtPenSize(1, 1);
    HostExtRGBForeColor(&savedFore);
    HostExtRGBBackColor(&savedBack);
    DrawPointer(innerEnd, outerEnd);
}

void CDialControlEditor::DrawPointer(HostPoint inner, HostPoint outer)
{
    HostColor saved{};
    HostExtGetForeColor(&saved);
    HostColor colour{};
    GetForeColor(&colour);
    HostExtRGBForeColor(&colour);
    line(inner, outer);
    HostExtRGBForeColor(&saved);
}

void CDialControlEditor::ErasePointer(HostPoint inner, HostPoint outer)
{
    HostColor savedFore{};
    HostColor savedBack{};
    HostExtGetForeColor(&savedFore);
    HostExtGetBackColor(&savedBack);
    HostExtRGBForeColor(&kFaceColour);
    HostExtRGBBackColor(&kFaceColour);
    line(inner, outer);
    HostExtRGBForeColor(&savedFore);
    HostExtRGBBackColor(&savedBack);
}

void CDialControlEditor::UpdateFromControl()
{
    HostPoint inner{};
    HostPoint outer{};
    GetPointerEnds(&inner, &outer);
    if (samePoint(inner, innerEnd) && samePoint(outer, outerEnd))
        return;
    const HostPoint oldInner = innerEnd;
    const HostPoint oldOuter = outerEnd;
    innerEnd = inner;
    outerEnd = outer;
    if (GetPort() == nullptr)
        return;
    FocusView(nullptr);
    ErasePointer(oldInner, oldOuter);
    DrawPointer(innerEnd, outerEnd);
    UnfocusView();
}

void CDialControlEditor::UpdatePosition()
{
    HostPoint inner{};
    HostPoint outer{};
    GetPointerEnds(&inner, &outer);
    if (!samePoint(inner, innerEnd) || !samePoint(outer, outerEnd))
        InvalidateFrame();
}

void CDialControlEditor::GetValuePoint(HostPoint* out)
{
    *out = outerEnd;
}

// The host may run on each pass (through the control's idle or the value it is sent) and may delete the
// tree or take its port away: the drag then ends at once.
void CDialControlEditor::TrackMouse(const HostEventRecord* event, bool skip)
{
    HostPoint last = event->where;
    // Unlike every later point, the click's own is taken as a move, so that a click alone sets a value.
    if (!skip)
        last.h = static_cast<std::int16_t>(last.h - 1);
    std::int32_t value = GetValue();
    HostRect frame{};
    GetFrame(&frame);
    const std::weak_ptr<void> alive = Life();
    SetHighlighted(true);
    while (HostExtButton()) {
        HostPoint mouse{};
        HostExtGetMouse(&mouse);
        if (skip) {
            const HostRect visible = GetVisibleRect();
            if (!HostExtPointInRect(mouse, &visible) && HostExtPointInRect(mouse, &frame))
                break;
        }
        if (CControlView* view = GetControlView())
            view->Idle(event);
        if (alive.expired() || GetPort() == nullptr)
            return;
        if (samePoint(mouse, last))
            continue;
        value = PointToValue(mouse, last, value);
        last = mouse;
        SetValue(value);
        if (alive.expired() || GetPort() == nullptr)
            return;
    }
    SetHighlighted(false);
}

std::int32_t CDialControlEditor::PointToValue(HostPoint mouse, HostPoint last, std::int32_t current)
{
    return angular ? AngularValue(mouse, current) : LinearValue(mouse, last, current);
}

// The mouse's angle picks the value in steps of 65536; a move within the current step keeps the value.
std::int32_t CDialControlEditor::AngularValue(HostPoint mouse, std::int32_t current)
{
    HostRect frame{};
    GetFrame(&frame);
    std::int32_t angle = HostExtPointToAngle(&frame, mouse);
    if (angle > 180)
        angle -= 360;
    if (reverse)
        angle = -angle;
    // The 144-degree sweep covers the whole range.
    if (!cyclical)
        angle = angle * 10 / 8;
    angle = std::clamp(angle, -180, 180);
    const std::int32_t coarse = angle == 180 ? 0x7FFF : angle * 65536 / 360;
    if (coarse == current >> 16)
        return current;
    // The low half grows with the high one, so that the top step reaches one below the maximum.
    if (coarse > 0)
        return coarse * 65536 + ((coarse * 2) & 0xFFFF);
    return coarse * 65536;
}

// The move counts in one direction only: when it goes up and left, or down and right, the longer part
// wins. The sum is taken in 64 bits, so that a long drag stops at the end of the range.
std::int32_t CDialControlEditor::LinearValue(HostPoint mouse, HostPoint last, std::int32_t current)
{
    std::int32_t dh = mouse.h - last.h;
    std::int32_t dv = last.v - mouse.v;
    if ((dh > 0 && dv < 0) || (dh < 0 && dv > 0)) {
        if (std::abs(dh) > std::abs(dv))
            dv = 0;
        else
            dh = 0;
    }
    const std::int32_t speed = IsCommandKeyDown() ? kFineSpeed : kCoarseSpeed;
    const std::int64_t sum = current + std::int64_t{dh + dv} * speed * kLinearStep;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}
