#include "toolkit/text_edit.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text.h"
#include "platform/window/edit/edit_control.h"
#include "platform/window/focus.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_data.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_procedures.h"
#include "platform/window/window_styles.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"
#include "toolkit/messages.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace Toolkit {

namespace {

constexpr int kMostCharacters = kDisplayTextSize - 1;

// The EDIT class's own procedure, which the field's replacement passes messages on to. One for the
// toolkit: only one field edits at a time.
WNDPROC editClassProcedure = nullptr;

DWORD alignmentStyle(std::int32_t horiAlign)
{
    switch (horiAlign) {
    case kAlignCentre: return ES_CENTER;
    case kAlignRight: return ES_RIGHT;
    default: return ES_LEFT;
    }
}

void copyText(char* target, const char* source)
{
    std::snprintf(target, kDisplayTextSize, "%s", source != nullptr ? source : "");
}

} // namespace

LRESULT textEditWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* field = reinterpret_cast<CTextEdit*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (field != nullptr) {
        switch (message) {
        case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (wParam != VK_RETURN)
                break;
            field->bWasReturnPressed = true;
            field->looseFocus(nullptr);
            return 0;
        case WM_KILLFOCUS:
            field->looseFocus(nullptr);
            return 0;
        default: break;
        }
    }
    return CallWindowProcA(editClassProcedure, window, message, wParam, lParam);
}

CTextEdit::CTextEdit(const CRect& size, CControlListener* listener, std::int32_t tag, const char* text,
    CBitmap* background, std::int32_t style)
    : CParamDisplay(size, background, style)
{
    this->listener = listener;
    this->tag = tag;
    copyText(this->text, text);
    setWantsFocus(true);
}

CTextEdit::~CTextEdit()
{
    if (platformControl != nullptr) {
        HWND window = platformControl;
        platformControl = nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        closeEditWindow(window);
    }
    if (platformBrush != nullptr)
        DeleteObject(platformBrush);
}

bool CTextEdit::isTypeOf(const char* type)
{
    return std::strcmp(type, "CTextEdit") == 0 || CParamDisplay::isTypeOf(type);
}

void CTextEdit::setText(const char* newText)
{
    copyText(text, newText);
    setDirty(true);
}

void CTextEdit::setTextEditConvert(TextEditConvertWithData convert, void* data)
{
    editConvert2 = convert;
    editConvertData = data;
}

void CTextEdit::setTextEditConvert(TextEditConvert convert)
{
    editConvert = convert;
}

// The value converters make the text from the value, and the text keeps what they made.
void CTextEdit::draw(CDrawContext* context)
{
    if (platformControl != nullptr) {
        setDirty(false);
        return;
    }
    char shown[kDisplayTextSize] = {};
    if (editConvert2 != nullptr) {
        editConvert2(text, shown, editConvertData);
    } else if (editConvert != nullptr) {
        editConvert(text, shown);
    } else if (stringConvert2 != nullptr) {
        stringConvert2(value, shown, userData);
        copyText(text, shown);
    } else if (stringConvert != nullptr) {
        stringConvert(value, shown);
        copyText(text, shown);
    } else {
        copyText(shown, text);
    }
    drawText(context, shown);
}

void CTextEdit::mouse(CDrawContext* context, const CPoint&, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, false))
        return;
    if (parentFrame == nullptr || parentFrame->getFocusView() == this)
        return;
    if ((style & kDoubleClickStyle) != 0 && !isDoubleClick())
        return;
    beginEdit();
    takeFocus(context);
}

void CTextEdit::takeFocus(CDrawContext* context)
{
    if (parentFrame == nullptr || platformControl != nullptr)
        return;
    CRect place = size;
    if (context != nullptr)
        place.offset(context->offset.h, context->offset.v);
    for (CView* parent = parentView; parent != nullptr; parent = parent->getParentView()) {
        if (parent->notify(this, kMsgCheckIfViewContainer) == 1) {
            CRect corner;
            parent->getViewSize(corner);
            place.offset(corner.left, corner.top);
        }
    }

    HWND window = CreateWindowExA(0, platform::window::kEditClassName, text,
        WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | alignmentStyle(horiAlign), place.left, place.top, place.width(),
        place.height(), parentFrame->getWindow(), nullptr, nullptr, nullptr);
    if (window == nullptr)
        return;
    bWasReturnPressed = false;
    const FontDescription& font = fontDescription(fontID);
    const int height = std::min(font.defaultSize, size.height() - 2);
    platformFont = CreateFontA(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_STRING_PRECIS,
        CLIP_STROKE_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, font.face);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(platformFont), TRUE);
    SendMessageA(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SendMessageA(window, EM_SETSEL, 0, -1);
    SendMessageA(window, EM_LIMITTEXT, kMostCharacters, 0);
    SetFocus(window);
    platformControl = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editClassProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&textEditWindowProcedure)));
}

// The window is forgotten before it goes, so that the focus loss its destruction sends finds the edit
// already ended.
void CTextEdit::looseFocus(CDrawContext* context)
{
    if (platformControl == nullptr)
        return;
    HWND window = platformControl;
    platformControl = nullptr;
    endEdit();
    if (parentFrame != nullptr && parentFrame->getFocusView() == this)
        parentFrame->setFocusView(nullptr);

    char newText[kDisplayTextSize] = {};
    GetWindowTextA(window, newText, kDisplayTextSize);
    const bool changed = std::strcmp(newText, text) != 0;
    copyText(text, newText);
    closeEditWindow(window);
    if (platformBrush != nullptr)
        DeleteObject(platformBrush);
    platformBrush = nullptr;

    if (changed) {
        setDirty(true);
        CDrawContext* own = context == nullptr && parentFrame != nullptr ? parentFrame->createDrawContext() : nullptr;
        report(own != nullptr ? own : context);
        if (own != nullptr)
            own->forget();
        doIdleStuff();
    }
    if (parentView != nullptr)
        parentView->notify(this, kMsgLooseFocus);
    else if (parentFrame != nullptr)
        parentFrame->notify(this, kMsgLooseFocus);
}

void CTextEdit::closeEditWindow(HWND window)
{
    DestroyWindow(window);
    if (platformFont != nullptr)
        DeleteObject(platformFont);
    platformFont = nullptr;
}

HBRUSH CTextEdit::colourEditWindow(HDC dc)
{
    SetTextColor(dc, fontColor.gdiValue());
    SetBkColor(dc, backColor.gdiValue());
    if (platformBrush != nullptr)
        DeleteObject(platformBrush);
    platformBrush = CreateSolidBrush(backColor.gdiValue());
    return platformBrush;
}

} // namespace Toolkit
