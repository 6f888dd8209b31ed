#include "hostframework/views/control_view.h"

#include "hostframework/controls/host_value_conversions.h"
#include "hostframework/host_error.h"
#include "hostframework/host_text.h"
#include "hostframework/views/control_editor.h"
#include "hostframework/views/lp_strings.h"
#include "hostframework/views/view_description.h"

#include <algorithm>
#include <string>

namespace {

// A number of the description: an integer, or a real taken toward zero.
std::int32_t numberOf(const SValueCell* element)
{
    ThrowIfNull(element);
    if (element->kind == kIntegerKind)
        return element->Integer();
    ThrowIfFalse(element->kind == kRealKind);
    return static_cast<std::int32_t>(element->Real());
}

} // namespace

CControlView::~CControlView()
{
    RemoveAllEditors();
}

void CControlView::ReadDescription(SParseState& state)
{
    CCustomView::ReadDescription(state);
    const SValueCell* group = state.TakeGroup();
    const SValueCell* element = group->List();
    ThrowIfNull(element);
    ThrowIfFalse(element->kind == kStringKind);
    copyLPString63(element->String(), name);
    element = element->next;
    numSteps = numberOf(element);
    element = element->next;
    SetValue(numberOf(element));
    element = element->next;
    if (element != nullptr) {
        defaultValue = numberOf(element);
        ThrowIfFalse(element->next == nullptr);
    }
}

bool CControlView::IsHighlightedByHost()
{
    return hostHighlighted;
}

void CControlView::GetHostHighlight(std::int16_t* colour, std::int16_t* number, const char** text)
{
    *colour = highlightColour;
    *number = static_cast<std::int16_t>(highlightNumber);
    *text = highlightText;
}

std::int32_t CControlView::GetNumSteps()
{
    return numSteps;
}

std::int32_t CControlView::GetDefaultValue()
{
    return defaultValue;
}

std::int32_t CControlView::GetValue()
{
    return value;
}

void CControlView::SetValue(std::int32_t newValue)
{
    value = newValue;
}

void CControlView::GetName(std::uint8_t* out)
{
    copyLPString63(name, out);
}

void CControlView::GetValueText(std::int32_t shown, std::uint8_t* out, std::int32_t maxLength)
{
    out[0] = 0;
    std::uint8_t text[16] = {};
    WriteLengthPrefixed(std::to_string(shown >> 16), text);
    appendLPString(std::clamp(maxLength, 0, 255), text, out);
}

std::int32_t CControlView::SetValueFromText(std::int32_t* out, const char* /*text*/)
{
    *out = 0;
    return 0;
}

void CControlView::IsKeyValid(std::int16_t /*character*/, bool* valid)
{
    *valid = false;
}

void CControlView::SetHostHighlighted(bool flag)
{
    if (flag == hostHighlighted)
        return;
    hostHighlighted = flag;
    RedrawControlEditors();
}

void CControlView::SetHostHighlight(std::int16_t colour, std::int16_t number, const char* text)
{
    const bool changed = colour != highlightColour || number != highlightNumber;
    highlightColour = colour;
    highlightNumber = number;
    if (text == nullptr)
        highlightText[0] = '\0';
    else if (text != highlightText)
        *std::copy(text, std::find(text, text + sizeof highlightText - 1, '\0'), highlightText) = '\0';
    if (changed)
        RedrawControlEditors();
}

void CControlView::AddEditor(CControlEditor* editor)
{
    if (editor == nullptr || editor->GetControlView() != nullptr)
        return;
    CControlEditor* last = nullptr;
    for (CControlEditor* link = firstEditor; link != nullptr; link = link->GetNextEditor()) {
        if (link == editor)
            return;
        last = link;
    }
    if (last == nullptr)
        firstEditor = editor;
    else
        last->SetNextEditor(editor);
    editor->SetControlView(this);
    editor->UpdateFromControl();
    editor->SetNextEditor(nullptr);
}

void CControlView::RemoveEditor(CControlEditor* editor)
{
    if (editor == nullptr)
        return;
    if (firstEditor == editor) {
        firstEditor = editor->GetNextEditor();
    } else {
        for (CControlEditor* link = firstEditor; link != nullptr; link = link->GetNextEditor()) {
            if (link->GetNextEditor() == editor) {
                link->SetNextEditor(editor->GetNextEditor());
                break;
            }
        }
    }
    editor->SetControlView(nullptr);
    editor->SetNextEditor(nullptr);
}

void CControlView::RemoveAllEditors()
{
    CControlEditor* editor = firstEditor;
    while (editor != nullptr) {
        CControlEditor* next = editor->GetNextEditor();
        RemoveEditor(editor);
        editor = next;
    }
}

void CControlView::UpdateControlEditors()
{
    for (CControlEditor* editor = firstEditor; editor != nullptr; editor = editor->GetNextEditor())
        editor->UpdateFromControl();
}

void CControlView::RedrawControlEditors()
{
    for (CControlEditor* editor = firstEditor; editor != nullptr; editor = editor->GetNextEditor()) {
        HostRect frame{};
        editor->Draw(editor->GetFrame(&frame));
    }
}

std::int32_t CControlView::StepToValue(std::int32_t step)
{
    const std::int32_t steps = GetNumSteps();
    if (steps < 2)
        return INT32_MIN;
    if (steps % 2 == 1 && step == steps / 2)
        return 0;
    return ValueToHostLinear(step, 0, steps - 1);
}

std::int32_t CControlView::ValueToStep(std::int32_t hostValue)
{
    const std::int32_t steps = GetNumSteps();
    if (steps < 2)
        return 0;
    if (steps % 2 == 1 && hostValue == 0)
        return steps / 2;
    return HostToValueLinear(hostValue, 0, steps - 1);
}

std::int32_t CControlView::GetStep()
{
    return ValueToStep(GetValue());
}

void CControlView::SetStep(std::int32_t step)
{
    SetValue(StepToValue(step));
}
