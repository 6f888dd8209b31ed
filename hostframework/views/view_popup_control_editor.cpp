#include "hostframework/views/view_popup_control_editor.h"

#include "hostframework/host_error.h"
#include "hostframework/views/control_view.h"
#include "hostframework/views/dialog_view.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"

#include <new>

// While the panel is up its linked editors edit the editor's control, the host knows the menu by its id
// and the port draws in the editor's font; every way out, an error included, undoes all of it, takes the
// port from the panel and the overlay away, which draws whole again what the panel covered.
class CViewPopupControlEditor::CPopUpSession {
public:
    explicit CPopUpSession(CViewPopupControlEditor& editor) : editor(editor), inserted(editor.menu)
    {
        HostExtGetTextSettings(&saved);
        if (saved.font != editor.font)
            HostExtTextFont(editor.font);
        if (saved.size != editor.size)
            HostExtTextSize(editor.size);
    }
    ~CPopUpSession()
    {
        for (CControlEditor* linked : editor.linkedEditors) {
            if (linked == nullptr)
                continue;
            if (CControlView* view = linked->GetControlView())
                view->RemoveEditor(linked);
        }
        HostExtTextFont(saved.font);
        HostExtTextSize(saved.size);
        if (editor.panel != nullptr)
            editor.panel->SetPort(nullptr);
        SetOverlayPort(nullptr, nullptr);
    }
    CPopUpSession(const CPopUpSession&) = delete;
    CPopUpSession& operator=(const CPopUpSession&) = delete;

    void LinkEditors()
    {
        CControlView* view = editor.GetControlView();
        if (view == nullptr)
            return;
        for (CControlEditor* linked : editor.linkedEditors)
            view->AddEditor(linked);
    }

private:
    CViewPopupControlEditor& editor;
    const CInsertedPopUpMenu inserted;
    HostTextSettings saved{};
};

CCustomView* NewViewPopupControlEditor()
{
    return new (std::nothrow) CViewPopupControlEditor;
}

CViewPopupControlEditor::~CViewPopupControlEditor()
{
    HostExtDisposeRegion(clipRegion);
    HostExtDisposeMenu(menu);
    delete panel;
}

void CViewPopupControlEditor::ReadDescription(SParseState& state)
{
    CControlEditor::ReadDescription(state);
    const SValueCell* group = state.TakeGroup();
    const SValueCell* element = group->List();
    ThrowIfNull(element);
    ThrowIfFalse(element->kind == kIntegerKind);
    dialogID = static_cast<std::int16_t>(element->Integer());
    int count = 0;
    for (element = element->next; element != nullptr; element = element->next) {
        ThrowIfFalse(element->kind == kCodeKind && count < kMostLinkedEditors);
        linkedIDs[count++] = element->Code();
    }
}

void CViewPopupControlEditor::Initialize()
{
    CControlEditor::Initialize();
    clipRegion = HostExtNewRegion();
    ThrowIfNull(clipRegion);
    menu = NewPopUpMenu(&MenuDefinition, this);
}

// A linked editor that joined a control view of the panel's own leaves its chain too, so that the
// chain of the editor's control can take it. An id of a view that is no control editor links nothing.
void CViewPopupControlEditor::FinishInitialize()
{
    panel = new CDialogView;
    panel->SetDialogID(dialogID);
    panel->Initialize();
    for (int n = 0; n < kMostLinkedEditors; ++n) {
        auto* linked = dynamic_cast<CControlEditor*>(panel->FindSubViewByID(linkedIDs[n]));
        linkedEditors[n] = linked;
        if (linked == nullptr)
            continue;
        if (CControlView* view = linked->GetControlView())
            view->RemoveEditor(linked);
    }
    CControlEditor::FinishInitialize();
}

void CViewPopupControlEditor::DrawSelf(const HostRect& area)
{
    EraseBackground(area);
}

void CViewPopupControlEditor::TrackMouse(const HostEventRecord* event, bool skip)
{
    if (!HostExtStillDown())
        return;
    if (skip) {
        CControlEditor::TrackMouse(event, skip);
        return;
    }
    failure.Forget();
    HostExtCalcMenuSize(menu);
    CPopUpSession session(*this);
    HostPoint where = event->where;
    HostExtLocalToGlobal(&where);
    session.LinkEditors();
    HostExtPopUpMenuSelect(menu, where, 0);
    failure.ThrowKept();
}
