#pragma once

// The editor's menu: shows a text of its own when it has one, else its current entry, in the editor's
// font and colours; model and modulation-source menus show the short form of a long name.

#include "toolkit/option_menu.h"

class myOptionMenu : public Toolkit::COptionMenu {
public:
    static constexpr std::size_t kDisplayTextSize = 128;

    myOptionMenu(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
                 Toolkit::CBitmap* background, Toolkit::CBitmap* backgroundWhenClicked, std::int32_t style,
                 bool centred);

    void draw(Toolkit::CDrawContext* context) override;
    // The left button opens the menu, and so does any button on a command menu; the right button opens
    // the editor's context menu for a parameter's menu.
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;
    // Draws nothing for a null text.
    virtual void drawMenuText(Toolkit::CDrawContext* context, const Toolkit::CRect& rect, const char* text);

    // Shown instead of the current entry until set again; an empty text shows the entry, a null one a
    // blank.
    void setDisplayText(const char* text);
    const char* getDisplayText() const { return displayText; }
    void setHighlighted(bool state) { highlighted = state; }
    void setTextHidden() { textShown = false; }
    void setShadowStyle() { shadowStyle = true; }

private:
    char displayText[kDisplayTextSize] = {};
    bool centred;
    bool highlighted = false;
    bool textShown = true;
    bool shadowStyle = false;
};
