#include "hostframework/views/control_editor.h"

#include "hostframework/host_error.h"
#include "hostframework/process.h"
#include "hostframework/views/process_control_view.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "platform/four_char_code.h"

#include <memory>

namespace {

bool namesNoControl(std::uint32_t id)
{
    return id == FourCharCode("NoID") || id == FourCharCode("NoId") || id == CPlugInView::kNoID;
}

} // namespace

CControlEditor::~CControlEditor()
{
    if (controlView != nullptr)
        controlView->RemoveEditor(this);
}

void CControlEditor::ReadDescription(SParseState& state)
{
    CCustomView::ReadDescription(state);
    const SValueCell* group = state.TakeGroup();
    const SValueCell* element = group->List();
    ThrowIfNull(element);
    ThrowIfFalse(element->kind == kCodeKind && element->next == nullptr);
    controlID = element->Code();
}

bool CControlEditor::GetProcessControl(CProcess** process, std::int32_t* index) const
{
    if (controlView == nullptr || !controlView->IsControlView())
        return false;
    auto* bound = static_cast<CProcessControlView*>(controlView);
    *process = bound->GetProcess();
    *index = bound->GetControlIndex();
    return *process != nullptr;
}

void CControlEditor::GetControlIndexAt(std::int32_t* out)
{
    if (controlView != nullptr && controlView->IsControlView())
        *out = static_cast<CProcessControlView*>(controlView)->GetControlIndex();
}

bool CControlEditor::IsHighlightedByHost()
{
    return controlView != nullptr && controlView->IsHighlightedByHost();
}

void CControlEditor::GetHostHighlight(std::int16_t* colour, std::int16_t* number, const char** text)
{
    if (controlView != nullptr) {
        controlView->GetHostHighlight(colour, number, text);
        return;
    }
    *number = 0;
    *text = "";
}

CControlView* CControlEditor::FindControlView()
{
    if (namesNoControl(controlID))
        return nullptr;
    for (CPlugInView* ancestor = GetParent(); ancestor != nullptr; ancestor = ancestor->GetParent())
        if (CPlugInView* found = ancestor->FindSubViewByID(controlID))
            return dynamic_cast<CControlView*>(found);
    CPlugInView* root = GetRootView();
    CPlugInView* firstChild = root->GetFirstSubView();
    if (firstChild == nullptr)
        return nullptr;
    auto* made = new CProcessControlView;
    made->SetID(controlID);
    firstChild->AddSibling(made);
    made->Initialize();
    return made;
}

void CControlEditor::Connect()
{
    if (CControlView* view = FindControlView())
        view->AddEditor(this);
    CCustomView::Connect();
}

void CControlEditor::Disconnect()
{
    if (controlView != nullptr)
        controlView->RemoveEditor(this);
    controlView = nullptr;
    CCustomView::Disconnect();
}

void CControlEditor::SetControlView(CControlView* view)
{
    if (view != nullptr)
        ThrowIfFalse(controlView == nullptr);
    controlView = view;
}

// The control is held from the press to the release: the host hears of both. The host may run while
// the button is down and change anything, so each pass asks again what the editor is bound to.
void CControlEditor::Click(const HostEventRecord* event)
{
    const std::weak_ptr<void> alive = Life();
    CProcess* process = nullptr;
    std::int32_t index = 0;
    const bool held = GetProcessControl(&process, &index);
    if (held && event->what == kHostMouseDownEvent)
        process->TouchControl(index);
    if ((event->modifiers & kHostOptionKeyModifier) == 0) {
        CCustomView::Click(event);
        while (!alive.expired() && HostExtButton()) {
            Idle(event);
            if (alive.expired())
                return;
            CProcess* boundProcess = nullptr;
            std::int32_t boundIndex = 0;
            if (GetProcessControl(&boundProcess, &boundIndex))
                boundProcess->DoIdle();
        }
    } else {
        SetValue(GetDefaultValue());
        // Unbound, nothing would let the host run while the button is held: the editor does not wait.
        while (!alive.expired() && controlView != nullptr && HostExtButton())
            controlView->Idle(event);
    }
    if (alive.expired())
        return;
    if (held)
        process->ReleaseControl(index);
}

std::int32_t CControlEditor::GetDefaultValue()
{
    return controlView != nullptr ? controlView->GetDefaultValue() : 0;
}

void CControlEditor::SetValue(std::int32_t value)
{
    if (controlView != nullptr)
        controlView->SetValue(value);
    else
        ownValue = value;
}

void CControlEditor::GetValuePoint(HostPoint* out)
{
    HostRect frame{};
    GetFrame(&frame);
    *out = {static_cast<std::int16_t>((frame.top + frame.bottom) / 2),
            static_cast<std::int16_t>((frame.left + frame.right) / 2)};
}

std::int32_t CControlEditor::GetValue()
{
    return controlView != nullptr ? controlView->GetValue() : ownValue;
}

std::int32_t CControlEditor::GetNumSteps()
{
    return controlView != nullptr ? controlView->GetNumSteps() : 1;
}

std::int32_t CControlEditor::StepToValue(std::int32_t step)
{
    return controlView != nullptr ? controlView->StepToValue(step) : 0;
}

std::int32_t CControlEditor::ValueToStep(std::int32_t value)
{
    return controlView != nullptr ? controlView->ValueToStep(value) : 0;
}

std::int32_t CControlEditor::GetStep()
{
    return controlView != nullptr ? controlView->GetStep() : 0;
}

void CControlEditor::SetStep(std::int32_t step)
{
    if (controlView != nullptr)
        controlView->SetStep(step);
}
