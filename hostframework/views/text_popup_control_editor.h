#pragma once

// A stepped control's current text on a plate; a click opens a pop-up menu of the control's text for
// every step, with the current one bold under the mouse, and the step chosen at the release becomes the
// control's. The editor draws and hit-tests the menu itself through the host's custom menu protocol; a
// menu taller or wider than the screen shows arrow strips along its cut edges and scrolls while the
// mouse is held on them. Described as "!TextPopup[(id …)('ctrl')]".

#include "hostframework/views/control_editor.h"
#include "hostframework/views/pop_up_menu.h"

class CTextPopupControlEditor : public CControlEditor {
public:
    // Messages of the menu-definition procedure beyond the toolbox's own and kMenuFindItemMessage.
    static constexpr std::int16_t kMenuKindMessage = 7;
    static constexpr std::int16_t kMenuHighlightMessage = 11;
    // The answer to the kind message: the menu is one of texts.
    static constexpr std::int32_t kTextMenuKind = 0x7473;
    // How long a scroll step waits while the mouse is on an arrow strip.
    static constexpr std::uint32_t kScrollPauseTicks = 10;

    ~CTextPopupControlEditor() override;

    // -7053 when the host makes no region or menu.
    void Initialize() override;
    void TrackMouse(const HostEventRecord* event, bool skip) override;
    void DrawSelf(const HostRect& area) override;
    void UpdateFromControl() override;
    void UpdatePosition() override;

    virtual void GetPlateTextRect(HostRect* out);
    virtual void GetTextColor(HostColor* out);
    // One item's text in the rectangle, shortened (as the control words it) until it fits: on the plate
    // in the editor's style and alignment, in the menu plain and left-aligned over its erased rectangle,
    // the shown step's item bold.
    virtual void DrawItemText(std::int16_t item, const HostRect& rect, bool onPlate);
    // The widest item and the items' heights together.
    virtual void GetMenuSize(std::int16_t* width, std::int16_t* height);
    // The menu's rectangle with the current item's two-thirds point at the click, 10 pixels to its right.
    virtual void PlaceMenu(HostRect* out, HostPoint click, std::int16_t* flags);
    virtual void DrawHighlightedItem(std::int16_t item, const HostRect& rect);
    // In the current port's font: its height + 4, and the text's width in bold + 14.
    virtual void GetItemSize(std::int16_t item, std::int16_t* width, std::int16_t* height);
    // True when the mouse on or beyond an arrow strip moved the menu.
    virtual bool AutoScroll(HostPoint mouse);
    // Scrolls the menu's items and draws what shows anew; with the pause the host waits 10 ticks.
    virtual void ScrollMenu(std::int16_t dh, std::int16_t dv, bool pause);

    // The menu-definition procedure of every text pop-up's menu: it finds the editor through the menu's
    // reference value, lets no error out and does nothing after one until the pop-up is over.
    static std::int32_t MenuDefinition(std::int16_t message, HostMenu menu, HostRect* rect, HostPoint point,
                                       HostMenuItemRecord* item) noexcept;

    HostMenu GetMenu() const { return menu; }
    const SPopUpMenuLayout& GetMenuLayout() const { return layout; }
    std::int16_t GetItemHeight() const { return itemHeight; }
    std::int16_t GetShownStep() const { return shownStep; }

private:
    static constexpr std::int16_t kBoldFace = 1;
    static constexpr std::int32_t kLongestItemText = 255;

    std::int32_t HandleMenuMessage(std::int16_t message, HostRect* rect, HostPoint point, HostMenuItemRecord* item);
    // The control's text for the item's step, at most maxLength characters; empty when unbound.
    void GetItemText(std::int16_t item, std::uint8_t* out, std::int32_t maxLength);
    HostRect GetItemRect(std::int16_t item) const;
    bool ShowsWhole(std::int16_t item) const;
    // The item under the mouse that shows whole; none while the menu scrolls or outside it.
    std::int16_t FindItem(HostPoint mouse);
    // Places the menu on the screen for the click; the visible rectangle is the pop-up's.
    void PlaceOnScreen(HostPoint click);
    // The arrow strips, and the items within the area.
    void DrawMenu(const HostRect& area);
    // Steps 2 to 4 of a click: pops the menu up in the editor's font and answers the host's choice.
    std::int32_t PopUp(HostPoint where, std::int32_t step);

    std::int16_t shownStep = -1;
    std::int16_t font = 3;
    std::int16_t size = 9;
    std::int16_t style = 0;
    std::int32_t alignment = 0;
    std::int32_t leftInset = 0;
    std::int32_t rightInset = 0;
    std::int32_t verticalShift = 0;
    std::int32_t pressedH = 0;
    std::int32_t pressedV = 0;
    std::int16_t itemHeight = 0;
    SPopUpMenuLayout layout;
    HostRect screen{0, 0, 0, 0};
    HostRegion clipRegion = nullptr;
    HostMenu menu = nullptr;
    CMenuProcedureFailure failure;
};

// The creator of "TextPopup" views; null when there is no memory for one.
CCustomView* NewTextPopupControlEditor();
