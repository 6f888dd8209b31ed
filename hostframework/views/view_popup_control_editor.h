#pragma once

// A control editor that shows only its background and, when clicked, pops up a panel: a whole dialog
// of the plug-in's resource file, drawn and clicked through the host's custom menu protocol. Up to four
// editors inside the panel, named by their ids, edit the editor's control while the panel is open; the
// panel opens with the first one's value point under the mouse. A panel that the screen cuts off shows
// arrow strips along its cut edges and scrolls while the mouse is on them. Described as
// "!ViewPopup[(id …)('ctrl')(dialog ['ed1' … 'ed4'])]".

#include "hostframework/views/control_editor.h"
#include "hostframework/views/pop_up_menu.h"

class CDialogView;

class CViewPopupControlEditor : public CControlEditor {
public:
    static constexpr int kMostLinkedEditors = 4;
    // The message of the click handed to the panel, and its modifiers.
    static constexpr std::int32_t kPanelClickMessage = 0x12345678;
    static constexpr std::int16_t kPanelClickModifiers = 0x80;
    // How long each scroll step waits.
    static constexpr std::uint32_t kScrollPauseTicks = 4;

    ~CViewPopupControlEditor() override;

    // -7053 when the host makes no region or menu.
    void Initialize() override;
    void TrackMouse(const HostEventRecord* event, bool skip) override;
    // Loads the panel and finds the linked editors in it, unbound.
    void FinishInitialize() override;
    void DrawSelf(const HostRect& area) override;
    // After the control id, one group: the dialog id, then at most four editor ids (-7053 when the group
    // or the dialog id is missing, -7400 for any other element or a fifth id).
    void ReadDescription(SParseState& state) override;

    // The panel's frame's size.
    virtual void GetMenuSize(std::int16_t* width, std::int16_t* height);
    // The panel at the click, moved so that the first linked editor's value point lies under it.
    virtual void PlaceMenu(HostRect* out, HostPoint click, std::int16_t* flags);
    // True when the mouse on an arrow strip moved the panel.
    virtual bool AutoScroll(HostPoint mouse);
    // Scrolls the panel, draws what shows anew and waits 4 ticks.
    virtual void ScrollMenu(std::int16_t dh, std::int16_t dv);

    // The menu-definition procedure of every view pop-up's menu: it finds the editor through the menu's
    // reference value, lets no error out and does nothing after one until the pop-up is over.
    static std::int32_t MenuDefinition(std::int16_t message, HostMenu menu, HostRect* rect, HostPoint point,
                                       HostMenuItemRecord* item) noexcept;

    HostMenu GetMenu() const { return menu; }
    const SPopUpMenuLayout& GetMenuLayout() const { return layout; }
    CDialogView* GetPanel() const { return panel; }
    std::int16_t GetDialogID() const { return dialogID; }
    std::uint32_t GetLinkedID(int n) const { return linkedIDs[n]; }
    CControlEditor* GetLinkedEditor(int n) const { return linkedEditors[n]; }

private:
    class CPopUpSession;

    std::int32_t HandleMenuMessage(std::int16_t message, HostRect* rect, HostPoint point, HostMenuItemRecord* item);
    // Places the panel on the screen that holds the click (the main one when none does).
    void PlaceOnScreen(HostPoint click);
    // The arrow strips, and the panel clipped to the inner rectangle, within the area.
    void DrawMenu(const HostRect& area);
    void ClickPanel(HostPoint mouse);

    std::int16_t font = 3;
    std::int16_t size = 9;
    SPopUpMenuLayout layout;
    HostRegion clipRegion = nullptr;
    CDialogView* panel = nullptr;
    CControlEditor* linkedEditors[kMostLinkedEditors]{};
    std::uint32_t linkedIDs[kMostLinkedEditors]{kNoID, kNoID, kNoID, kNoID};
    HostMenu menu = nullptr;
    std::int16_t dialogID = 0;
    CMenuProcedureFailure failure;
};

// The creator of "ViewPopup" views; null when there is no memory for one.
CCustomView* NewViewPopupControlEditor();
