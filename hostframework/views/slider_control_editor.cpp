#include "hostframework/views/slider_control_editor.h"

#include "hostframework/controls/host_value_conversions.h"
#include "hostframework/host_error.h"
#include "hostframework/views/control_view.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_graphics_types.h"

#include <memory>
#include <new>

namespace {

constexpr HostColor kGrooveShade{0x3333, 0x3333, 0x3333};
constexpr HostColor kGrooveLight{0x9999, 0x9999, 0x9999};
constexpr HostColor kRootBackground{0x6868, 0x6868, 0x6868};

std::int16_t narrow(int value)
{
    return static_cast<std::int16_t>(value);
}

} // namespace

CCustomView* NewSliderControlEditor()
{
    return new (std::nothrow) CSliderControlEditor;
}

void CSliderControlEditor::ReadDescription(SParseState& state)
{
    CControlEditor::ReadDescription(state);
    const SValueCell* group = state.TakeGroup();
    const SValueCell* element = group->List();
    if (element == nullptr)
        return;
    ThrowIfFalse(element->kind == kConstantKind && element->value == kReverseConstant && element->next == nullptr);
    reverse = true;
}

bool CSliderControlEditor::IsVertical()
{
    HostRect frame{};
    GetFrame(&frame);
    return frame.bottom - frame.top > frame.right - frame.left;
}

// The value's top 15 bits, rounded, place the thumb: the lowest value at the start of the travel and the
// highest exactly at its end.
void CSliderControlEditor::GetThumbRect(HostRect* out)
{
    HostRect frame{};
    GetFrame(&frame);
    const int height = frame.bottom - frame.top;
    const int width = frame.right - frame.left;
    const bool vertical = height > width;
    int travel = 0;
    if (vertical) {
        thumbHeight = narrow(static_cast<int>(width * 0.75));
        travel = height - thumbHeight;
    } else {
        thumbWidth = narrow(static_cast<int>(height * 0.75));
        travel = width - thumbWidth;
    }
    std::int32_t value = GetValue();
    if (value < 0x7FFF8000)
        value += 0x8000;
    std::int64_t place = (std::int64_t{value >> 17} + 0x4000) * travel / 0x7FFF;
    if (reverse)
        place = travel - place;
    if (vertical)
        *out = {narrow(frame.bottom - static_cast<int>(place) - thumbHeight), frame.left,
                narrow(frame.bottom - static_cast<int>(place)), frame.right};
    else
        *out = {frame.top, narrow(frame.left + static_cast<int>(place)), frame.bottom,
                narrow(frame.left + static_cast<int>(place) + thumbWidth)};
}

void CSliderControlEditor::FinishInitialize()
{
    HostRect thumb{};
    GetThumbRect(&thumb);
    std::unique_ptr<CCustomView> made(new (std::nothrow) CCustomView);
    ThrowIfNull(made.get());
    made->SetFrame(thumb);
    made->SetEnabled(false);
    made->SetDraggable(false);
    made->SetID(kKnobID);
    made->SetPlate(true, 0, IsVertical() ? kHorizontalRibs : kVerticalRibs);
    made->Initialize();
    AddSubView(made.get(), true);
    knob = made.release();
    CControlEditor::FinishInitialize();
}

void CSliderControlEditor::EraseBackground(const HostRect& area)
{
    if (GetParent() != nullptr)
        return;
    HostColor before{};
    HostExtGetBackColor(&before);
    HostExtRGBBackColor(&kRootBackground);
    BeginBackPattern();
    HostRect frame{};
    GetFrame(&frame);
    HostRect erased{};
    if (HostExtIntersectRect(&area, &frame, &erased))
        HostExtEraseRect(&erased);
    EndBackPattern();
    HostExtRGBBackColor(&before);
}

// A narrow groove along the middle, cut in: shaded above and left, lit below and right.
void CSliderControlEditor::DrawSelf(const HostRect& area)
{
    HostRect frame{};
    GetFrame(&frame);
    const int halfWidth = (frame.right - frame.left) / 2;
    const int halfHeight = (frame.bottom - frame.top) / 2;
    HostRect groove{};
    HostRect widened = area;
    if (IsVertical()) {
        groove = {narrow(frame.top + 2), narrow(frame.left + halfWidth - 1), narrow(frame.bottom - 2),
                  narrow(frame.left + halfWidth + 1)};
        widened.top = narrow(widened.top - 1);
        widened.bottom = narrow(widened.bottom + 1);
    } else {
        groove = {narrow(frame.top + halfHeight - 1), narrow(frame.left + 2), narrow(frame.top + halfHeight + 1),
                  narrow(frame.right - 2)};
        widened.left = narrow(widened.left - 1);
        widened.right = narrow(widened.right + 1);
    }
    HostColor saved{};
    HostExtGetForeColor(&saved);
    HostExtPenNormal();
    HostExtForeColor(kHostBlackConstant);
    EraseBackground(widened);
    HostExtRGBForeColor(&kGrooveShade);
    HostExtMoveTo(groove.left, narrow(groove.bottom - 1));
    HostExtLineTo(groove.left, groove.top);
    HostExtLineTo(narrow(groove.right - 1), groove.top);
    HostExtRGBForeColor(&kGrooveLight);
    HostExtMoveTo(groove.right, groove.top);
    HostExtLineTo(groove.right, narrow(groove.bottom - 1));
    HostExtLineTo(groove.left, narrow(groove.bottom - 1));
    HostExtRGBForeColor(&saved);
}

void CSliderControlEditor::UpdateFromControl()
{
    if (knob == nullptr)
        return;
    HostRect thumb{};
    GetThumbRect(&thumb);
    HostRect now{};
    knob->GetFrame(&now);
    knob->ScrollBy(narrow(thumb.left - now.left), narrow(thumb.top - now.top));
}

void CSliderControlEditor::UpdatePosition()
{
    if (knob == nullptr)
        return;
    HostRect thumb{};
    GetThumbRect(&thumb);
    knob->MoveTo(thumb.left, thumb.top);
}

void CSliderControlEditor::GetValuePoint(HostPoint* out)
{
    HostRect thumb{};
    GetThumbRect(&thumb);
    *out = {narrow((thumb.top + thumb.bottom) / 2), narrow((thumb.left + thumb.right) / 2)};
}

// The value follows the mouse's distance from the click along the slider, the whole travel spanning the
// whole range. The host may run on each pass (through the control's idle or the value it is sent) and
// may delete the tree or take its port away: the drag then ends at once.
void CSliderControlEditor::TrackMouse(const HostEventRecord* event, bool skip)
{
    HostRect thumb{};
    if (knob != nullptr)
        knob->GetFrame(&thumb);
    if (knob == nullptr || !HostExtPointInRect(event->where, &thumb)) {
        CControlEditor::TrackMouse(event, skip);
        return;
    }
    HostRect frame{};
    GetFrame(&frame);
    const bool vertical = IsVertical();
    std::int32_t travel = vertical ? (frame.bottom - frame.top) - (thumb.bottom - thumb.top)
                                   : (frame.right - frame.left) - (thumb.right - thumb.left);
    // Without travel there is no distance to map the range onto.
    if (travel <= 0)
        return;
    if ((event->modifiers & kHostCommandKeyModifier) != 0)
        travel *= GetFineScale();
    const std::int32_t start = HostToValueLinear(GetValue(), 0, travel);
    std::int32_t last = GetValue();
    const std::weak_ptr<void> alive = Life();
    knob->SetHighlighted(true);
    while (HostExtButton()) {
        HostPoint mouse{};
        HostExtGetMouse(&mouse);
        if (skip) {
            const HostRect visible = GetVisibleRect();
            if (!HostExtPointInRect(mouse, &visible) && HostExtPointInRect(mouse, &frame))
                break;
        }
        std::int32_t offset = vertical ? event->where.v - mouse.v : mouse.h - event->where.h;
        if (reverse)
            offset = -offset;
        const std::int32_t value = ValueToHostLinear(start + offset, 0, travel);
        if (value == last) {
            if (CControlView* view = GetControlView())
                view->Idle(event);
        } else {
            SetValue(value);
            last = value;
        }
        if (alive.expired() || GetPort() == nullptr)
            return;
        UpdateFromControl();
    }
    knob->SetHighlighted(false);
}
