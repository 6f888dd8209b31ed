#include "hostframework/process.h"

#include "hostframework/process_group.h"
#include "hostframework/views/process_control_view.h"
#include "platform/four_char_code.h"

// The control half of the bridge between the process and its tree of views: each control has its
// view by the control's id, which the process binds, redisplays and highlights.

namespace {

constexpr std::uint32_t kNoViewID = FourCharCode("NONE");

// The view of the control: a control view whose id the control answers; none for anything else.
CControlView* controlViewOf(CProcess& process, std::int32_t control)
{
    CPlugInView* root = process.GetRootView();
    std::uint32_t id = kNoViewID;
    if (root == nullptr || process.GetControlViewID(control, &id) != 0)
        return nullptr;
    return dynamic_cast<CControlView*>(root->FindSubViewByID(id));
}

} // namespace

std::int32_t CProcess::GetControlViewID(std::int32_t control, std::uint32_t* id)
{
    *id = kNoViewID;
    if (IsValidControlIndex(control)) {
        *id = GetControl(control)->GetID();
        return 0;
    }
    if (CProcessGroup::HostViewsDisabled() || rootView == nullptr)
        return kHostErrBadListPosition;
    for (CPlugInView* child = rootView->GetFirstSubView(); child != nullptr; child = child->GetNextSibling()) {
        if (!child->IsControlView())
            continue;
        const auto* bound = static_cast<CProcessControlView*>(child);
        if (bound->GetProcess() == this && bound->GetControlIndex() == control) {
            *id = child->GetID();
            return 0;
        }
    }
    return kHostErrBadListPosition;
}

void CProcess::BindControlViews(bool bind)
{
    if (rootView == nullptr)
        return;
    for (std::int32_t position = 1; position <= controls.Count(); ++position) {
        auto* view = dynamic_cast<CProcessControlView*>(controlViewOf(*this, position));
        if (view == nullptr)
            continue;
        if (bind)
            view->AttachToControl(this, position, true);
        else
            view->AttachToControl(nullptr, 0, true);
    }
}

std::int32_t CProcess::UpdateControlView(std::int32_t control, std::int32_t /*value*/)
{
    if (rootView == nullptr || !IsValidControlIndex(control))
        return 0;
    if (auto* view = dynamic_cast<CControlView*>(rootView->FindSubViewByID(GetControl(control)->GetID())))
        view->UpdateControlEditors();
    return 0;
}

void CProcess::HighlightControl(std::int32_t control, std::int16_t on, std::int16_t colour, std::int16_t style,
                                const char* text)
{
    if (CProcessGroup::HostViewsDisabled())
        return;
    if (CControlView* view = controlViewOf(*this, control)) {
        view->SetHostHighlighted(on != 0);
        view->SetHostHighlight(colour, style, text);
    }
}

std::int32_t CProcess::GetControlHighlight(std::int32_t control, std::int16_t* on, std::int16_t* colour)
{
    clearOut(on, colour);
    if (CProcessGroup::HostViewsDisabled())
        return 0;
    if (CControlView* view = controlViewOf(*this, control)) {
        std::int16_t shownColour = 0;
        std::int16_t number = 0;
        const char* text = nullptr;
        view->GetHostHighlight(&shownColour, &number, &text);
        setOut(on, std::int16_t{view->IsHighlightedByHost()});
        setOut(colour, shownColour);
    }
    return 0;
}

std::int32_t CProcess::SetControlHighlight(std::int32_t control, std::int16_t on, std::int16_t colour)
{
    if (CProcessGroup::HostViewsDisabled())
        return 0;
    if (CControlView* view = controlViewOf(*this, control)) {
        view->SetHostHighlighted(on != 0);
        std::int16_t currentColour = 0;
        std::int16_t number = 0;
        const char* text = nullptr;
        view->GetHostHighlight(&currentColour, &number, &text);
        view->SetHostHighlight(colour, number, text);
    }
    return 0;
}
