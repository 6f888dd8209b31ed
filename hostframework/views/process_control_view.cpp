#include "hostframework/views/process_control_view.h"

#include "hostframework/process.h"
#include "hostframework/process_group_interface.h"

#include <algorithm>
#include <new>

namespace {

// The message of the host's installed procedure that lets the host run while a control is held.
constexpr std::int16_t kIdleMessage = 16;

} // namespace

CCustomView* NewProcessControlView()
{
    return new (std::nothrow) CProcessControlView;
}

void CProcessControlView::Idle(const HostEventRecord* event)
{
    if (process != nullptr)
        process->DoIdle();
    if (const ComponentDispatcher dispatcher = GetComponentDispatcher())
        dispatcher(kIdleMessage, nullptr, nullptr);
    CControlView::Idle(event);
}

std::int32_t CProcessControlView::GetNumSteps()
{
    if (process == nullptr)
        return CControlView::GetNumSteps();
    std::int32_t steps = 0;
    process->GetControlNumSteps(controlIndex, &steps);
    return steps;
}

std::int32_t CProcessControlView::GetDefaultValue()
{
    if (process == nullptr)
        return CControlView::GetDefaultValue();
    std::int32_t value = 0;
    process->GetControlDefaultValue(controlIndex, &value);
    return value;
}

std::int32_t CProcessControlView::GetValue()
{
    if (process == nullptr)
        return CControlView::GetValue();
    std::int32_t value = 0;
    process->GetControlValue(controlIndex, &value);
    return value;
}

void CProcessControlView::SetValue(std::int32_t newValue)
{
    CControlView::SetValue(newValue);
    if (process != nullptr)
        process->SetControlValue(controlIndex, newValue);
}

void CProcessControlView::GetValueText(std::int32_t shown, std::uint8_t* out, std::int32_t maxLength)
{
    if (process == nullptr) {
        CControlView::GetValueText(shown, out, maxLength);
        return;
    }
    // The control writes a terminated text there and the process turns it around in place.
    char text[257] = {};
    process->GetControlValueText(controlIndex, shown, std::clamp(maxLength, 0, 255), text);
    std::copy_n(text, static_cast<std::uint8_t>(text[0]) + 1, out);
}

std::int32_t CProcessControlView::SetValueFromText(std::int32_t* out, const char* text)
{
    if (process == nullptr)
        return CControlView::SetValueFromText(out, text);
    return process->SetControlValueFromText(controlIndex, text, out);
}

void CProcessControlView::IsKeyValid(std::int16_t character, bool* valid)
{
    if (process == nullptr) {
        CControlView::IsKeyValid(character, valid);
        return;
    }
    std::uint8_t answer = 0;
    process->IsControlKeyValid(controlIndex, character, &answer);
    *valid = answer != 0;
}

void CProcessControlView::AttachToControl(CProcess* newProcess, std::int32_t index, bool update)
{
    process = newProcess;
    controlIndex = index;
    if (process != nullptr) {
        std::int32_t value = 0;
        process->GetControlValue(controlIndex, &value);
        CControlView::SetValue(value);
    }
    if (update)
        UpdateControlEditors();
}
