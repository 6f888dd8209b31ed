#pragma once

// A text field the user types into. Shown like a display; a click opens a system EDIT window over it
// with the text selected, and Return or the loss of the keyboard focus ends the edit: the text is read
// back, the listener hears of a change, and the container is told "LooseFocus". One field edits at a
// time.

#include "platform/gdi/gdi_types.h"
#include "platform/window/window_types.h"
#include "toolkit/param_display.h"

namespace Toolkit {

// Turn the text into what the field shows.
using TextEditConvert = void (*)(const char* text, char* shown);
using TextEditConvertWithData = void (*)(const char* text, char* shown, void* userData);

class CTextEdit : public CParamDisplay {
public:
    CTextEdit(const CRect& size, CControlListener* listener, std::int32_t tag, const char* text = nullptr,
        CBitmap* background = nullptr, std::int32_t style = 0);
    // An edit still open is ended without telling anyone.
    ~CTextEdit() override;

    void draw(CDrawContext* context) override;
    // A left click on a field that does not have the frame's focus yet starts an edit; with
    // kDoubleClickStyle only a double click does.
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    // Opens the EDIT window; nothing without a frame or while an edit is open.
    void takeFocus(CDrawContext* context) override;
    // Ends the open edit; nothing without one.
    void looseFocus(CDrawContext* context) override;
    bool isTypeOf(const char* type) override;

    // Cut to 255 characters; null empties it.
    virtual void setText(const char* newText);
    virtual const char* getText() { return text; }
    // Wins over the converter without user data, and both over the display's value converters.
    virtual void setTextEditConvert(TextEditConvertWithData convert, void* data);
    virtual void setTextEditConvert(TextEditConvert convert);

    bool isEditing() const { return platformControl != nullptr; }
    // Whether Return ended the last edit, rather than the focus going elsewhere.
    bool wasReturnPressed() const { return bWasReturnPressed; }
    // The EDIT window asks its parent for its colours as it paints: the field's font and back colours,
    // on a brush that the field keeps until the edit ends.
    HBRUSH colourEditWindow(HDC dc);

private:
    friend LRESULT textEditWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Window, font and brush go; nobody is told.
    void closeEditWindow(HWND window);

    char text[kDisplayTextSize] = {};
    TextEditConvert editConvert = nullptr;
    TextEditConvertWithData editConvert2 = nullptr;
    void* editConvertData = nullptr;
    HWND platformControl = nullptr;
    HFONT platformFont = nullptr;
    HBRUSH platformBrush = nullptr;
    bool bWasReturnPressed = false;
};

} // namespace Toolkit
