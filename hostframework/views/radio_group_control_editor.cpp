#include "hostframework/views/radio_group_control_editor.h"

#include "hostframework/host_error.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"

#include <new>

namespace {

constexpr std::uint8_t kEnableHighlight[] = "\x0F"
                                            "EnableHighlight";

// The frame's colour for each of the host's highlight colours; another colour frames as 2 does.
constexpr HostColor kFrameColours[4] = {
    {0xFFFF, 0x0000, 0x0000}, {0x0000, 0x0000, 0xAAAA}, {0x0000, 0xDDDD, 0x0000}, {0xFFFF, 0xCCCC, 0x0000}};
constexpr int kOtherColour = 2;

} // namespace

CCustomView* NewRadioGroupControlEditor()
{
    return new (std::nothrow) CRadioGroupControlEditor;
}

void CRadioGroupControlEditor::ReadDescription(SParseState& state)
{
    CControlEditor::ReadDescription(state);
    const SValueCell* group = state.TakeGroup();
    for (const SValueCell* element = group->List(); element != nullptr; element = element->next) {
        ThrowIfFalse(element->kind == kStringKind);
        if (HostExtEqualString(element->String(), kEnableHighlight))
            highlightFrameEnabled = true;
    }
}

CPlugInView* CRadioGroupControlEditor::GetChild(std::int32_t index) const
{
    CPlugInView* child = GetFirstSubView();
    for (std::int32_t n = 0; n < index && child != nullptr; ++n)
        child = child->GetNextSibling();
    return index < 0 ? nullptr : child;
}

// The host may run after each selection and may delete the tree or take its port away: the tracking
// then ends at once.
void CRadioGroupControlEditor::TrackMouse(const HostEventRecord* /*event*/, bool skip)
{
    for (;;) {
        HostPoint mouse{};
        HostExtGetMouse(&mouse);
        const HostRect visible = GetVisibleRect();
        if (!HostExtPointInRect(mouse, &visible))
            return;
        std::int32_t index = 0;
        CPlugInView* child = GetFirstSubView();
        for (; child != nullptr; child = child->GetNextSibling(), ++index) {
            HostRect frame{};
            if (HostExtPointInRect(mouse, child->GetFrame(&frame)))
                break;
        }
        if (child == nullptr || index >= GetNumSteps())
            return;
        if (child != selectedChild) {
            SetStep(index);
            if (!YieldToHost())
                return;
        }
        if (!skip || !HostExtButton())
            return;
    }
}

void CRadioGroupControlEditor::UpdateFromControl()
{
    CPlugInView* child = GetChild(GetStep());
    if (child == selectedChild)
        return;
    CPlugInView* previous = selectedChild;
    selectedChild = child;
    if (previous != nullptr)
        previous->SetHighlighted(false);
    if (child != nullptr)
        child->SetHighlighted(true);
}

void CRadioGroupControlEditor::GetValuePoint(HostPoint* out)
{
    CPlugInView* child = GetChild(GetStep());
    if (child == nullptr) {
        CControlEditor::GetValuePoint(out);
        return;
    }
    HostRect frame{};
    child->GetFrame(&frame);
    *out = {static_cast<std::int16_t>((frame.top + frame.bottom) / 2),
            static_cast<std::int16_t>((frame.left + frame.right) / 2)};
}

void CRadioGroupControlEditor::DrawSelf(const HostRect& /*area*/)
{
    if (!highlightFrameEnabled)
        return;
    HostRect frame{};
    GetFrame(&frame);
    if (IsHighlightedByHost()) {
        std::int16_t colour = -1;
        std::int16_t number = 0;
        const char* text = nullptr;
        GetHostHighlight(&colour, &number, &text);
        HostColor saved{};
        HostExtGetForeColor(&saved);
        HostExtRGBForeColor(&kFrameColours[colour >= 0 && colour < 4 ? colour : kOtherColour]);
        HostExtPenSize(1, 1);
        HostExtFrameRect(&frame);
        HostExtRGBForeColor(&saved);
        highlightFrameShown = true;
    } else if (highlightFrameShown) {
        // The host draws the group again, and what lies beneath the frame, without it.
        highlightFrameShown = false;
        InvalidateFrame();
    }
}
