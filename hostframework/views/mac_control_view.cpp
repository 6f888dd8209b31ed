#include "hostframework/views/mac_control_view.h"

#include "hostframework/host_error.h"
#include "hostframework/host_text.h"
#include "hostframework/views/view_description.h"

#include <new>

namespace {

// The next element, which must be there (-7053) and of the kind (-7400).
const SValueCell* nextElement(const SValueCell* element, bool (*fits)(const SValueCell&))
{
    ThrowIfNull(element);
    ThrowIfFalse(fits(*element));
    return element;
}

bool isString(const SValueCell& cell)
{
    return cell.kind == kStringKind;
}

bool isNumber(const SValueCell& cell)
{
    return cell.kind == kIntegerKind || cell.kind == kRealKind;
}

std::int16_t number16(const SValueCell& cell)
{
    const std::int32_t number = cell.kind == kIntegerKind ? cell.Integer() : static_cast<std::int32_t>(cell.Real());
    return static_cast<std::int16_t>(number);
}

} // namespace

CCustomView* NewButtonView()
{
    return new (std::nothrow) CButtonView;
}

CCustomView* NewCheckBoxView()
{
    return new (std::nothrow) CCheckBoxView;
}

CCustomView* NewRadioButtonView()
{
    return new (std::nothrow) CRadioButtonView;
}

CMacControlView::~CMacControlView()
{
    HostExtDisposeControl(control);
}

void CMacControlView::SetTitle(std::string_view text)
{
    WriteLengthPrefixed(text, title);
}

std::int16_t CMacControlView::GetControlKind()
{
    throw CHostError(kHostErrCheckFailed);
}

HostControl CMacControlView::CreateControl()
{
    HostRect frame{};
    return HostExtNewControl(GetPort(), GetFrame(&frame), title, false, value, minimum, maximum, GetControlKind(),
                             reinterpret_cast<std::intptr_t>(this));
}

void CMacControlView::SetPort(HostPort port)
{
    CCustomView::SetPort(port);
    // A port given again makes the control again: the one made for the last port goes first.
    HostExtDisposeControl(control);
    control = nullptr;
    if (port == nullptr)
        return;
    control = CreateControl();
    ThrowIfNull(control);
    showOnNextDraw = true;
}

void CMacControlView::OffsetBy(std::int16_t dh, std::int16_t dv)
{
    CCustomView::OffsetBy(dh, dv);
    if (control != nullptr) {
        HostRect frame{};
        GetFrame(&frame);
        HostExtMoveControl(control, frame.left, frame.top);
    }
}

void CMacControlView::DrawSelf(const HostRect& /*area*/)
{
    if (control == nullptr)
        return;
    if (showOnNextDraw) {
        showOnNextDraw = false;
        HostExtShowControl(control);
    } else {
        HostExtDrawControl(control);
    }
}

void CMacControlView::Click(const HostEventRecord* event)
{
    if (control != nullptr)
        HostExtTrackControl(control, event->where);
}

void CMacControlView::ReadDescription(SParseState& state)
{
    CCustomView::ReadDescription(state);
    const SValueCell* group = state.TakeGroup();
    const SValueCell* text = nextElement(group->List(), isString);
    const SValueCell* low = nextElement(text->next, isNumber);
    const SValueCell* high = nextElement(low->next, isNumber);
    const SValueCell* start = nextElement(high->next, isNumber);
    ThrowIfFalse(start->next == nullptr);
    const std::uint8_t* string = text->String();
    SetTitle(std::string_view(reinterpret_cast<const char*>(string + 1), string[0]));
    minimum = number16(*low);
    maximum = number16(*high);
    value = number16(*start);
}

CResControlView::CResControlView()
{
    minimum = 0;
    maximum = 0;
    value = 0;
}

HostControl CResControlView::CreateControl()
{
    ThrowIfFalse(resourceID != -1);
    const std::int16_t previous = UsePlugInResFile();
    HostControl made = HostExtGetNewControl(resourceID, GetPort());
    RestoreResFile(previous);
    ThrowIfNull(made);
    HostRect frame{};
    GetFrame(&frame);
    HostExtMoveControl(made, frame.left, frame.top);
    HostRect bounds{};
    HostExtGetControlBounds(made, &bounds);
    SetFrame(bounds);
    return made;
}
