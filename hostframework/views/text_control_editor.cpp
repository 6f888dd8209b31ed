#include "hostframework/views/text_control_editor.h"

#include "hostframework/views/control_view.h"
#include "hostframework/views/lp_strings.h"
#include "hostframework/views/static_text_view.h"
#include "hostframework/views/text_settings_keeper.h"
#include "hostlibs/extension/host_graphics.h"

#include <algorithm>
#include <new>

namespace {

constexpr std::int16_t kCopyMode = 2;
// The record's text aligned to the right.
constexpr std::int16_t kRecordAlignment = -1;
constexpr std::int32_t kLongestValueText = 255;

void blackOnWhite()
{
    HostExtForeColor(kHostBlackConstant);
    HostExtBackColor(kHostWhiteConstant);
}

} // namespace

CCustomView* NewTextControlEditor()
{
    return new (std::nothrow) CTextControlEditor;
}

void CTextControlEditor::Connect()
{
    textView = dynamic_cast<CStaticTextView*>(FindSubViewByID(kTextViewID));
    if (textView != nullptr) {
        HostRect frame{};
        textView->SetFrame(*GetFrame(&frame));
    }
    CTextEditEditor::Connect();
}

void CTextControlEditor::Disconnect()
{
    textView = nullptr;
    CTextEditEditor::Disconnect();
}

void CTextControlEditor::UpdateFromControl()
{
    if (textView == nullptr)
        return;
    std::uint8_t shown[256] = {};
    textView->GetText(shown);
    std::uint8_t fresh[256] = {};
    if (CControlView* view = GetControlView())
        view->GetValueText(GetValue(), fresh, kLongestValueText);
    if (equalLPStrings(shown, fresh))
        return;
    textView->SetText(fresh);
    if (record == nullptr || GetPort() == nullptr)
        return;
    FocusView(nullptr);
    HostExtSetTextEditText(record, reinterpret_cast<const char*>(fresh + 1), fresh[0]);
    HostExtSelectAllTextEdit(record);
    HostColor fore{};
    HostColor back{};
    HostExtGetForeColor(&fore);
    HostExtGetBackColor(&back);
    blackOnWhite();
    const HostRect visible = GetVisibleRect();
    HostExtDrawTextEdit(record, &visible);
    HostExtRGBForeColor(&fore);
    HostExtRGBBackColor(&back);
    UnfocusView();
}

void CTextControlEditor::SetEditTextSettings()
{
    HostExtTextFont(textView->GetTextFont());
    HostExtTextSize(textView->GetTextSize());
    HostExtTextFace(textView->GetTextFace());
    HostExtTextMode(kCopyMode);
}

void CTextControlEditor::BeginEdit()
{
    if (textView == nullptr || record != nullptr || GetPort() == nullptr)
        return;
    const CTextSettingsKeeper keeper;
    SetEditTextSettings();
    FocusView(nullptr);
    HostRect rect = GetVisibleRect();
    textView->GetTextRect(&rect);
    HostExtGetForeColor(&savedFore);
    HostExtGetBackColor(&savedBack);
    blackOnWhite();
    record = HostExtNewTextEdit(&rect);
    if (record != nullptr) {
        HostExtSetTextEditAlignment(record, kRecordAlignment);
        textView->SetHighlighted(true);
        Draw(nullptr);
        std::uint8_t text[256] = {};
        textView->GetText(text);
        HostExtSetTextEditText(record, reinterpret_cast<const char*>(text + 1), text[0]);
        HostExtSelectAllTextEdit(record);
        const HostRect visible = GetVisibleRect();
        HostExtDrawTextEdit(record, &visible);
        HostExtActivateTextEdit(record);
        edited = false;
    } else {
        HostExtRGBForeColor(&savedFore);
        HostExtRGBBackColor(&savedBack);
    }
    UnfocusView();
}

void CTextControlEditor::EndEdit(bool accept)
{
    if (GetPort() == nullptr) {
        if (textView != nullptr)
            textView->SetHighlighted(false);
        DisposeRecord();
        return;
    }
    bool converted = false;
    std::int32_t result = 0;
    std::int32_t value = 0;
    {
        const CTextSettingsKeeper keeper;
        if (textView != nullptr)
            SetEditTextSettings();
        if (record != nullptr) {
            char typed[kConvertedLength + 1] = {};
            const std::int32_t length = HostExtGetTextEditText(record, typed, kConvertedLength);
            CControlView* view = GetControlView();
            if (accept && length >= 1 && edited && view != nullptr) {
                typed[std::min(length, kConvertedLength)] = '\0';
                result = view->SetValueFromText(&value, typed);
                converted = true;
            }
            DisposeRecord();
            FocusView(nullptr);
            HostExtRGBForeColor(&savedFore);
            HostExtRGBBackColor(&savedBack);
            UnfocusView();
            if (textView != nullptr)
                textView->SetHighlighted(false);
        }
        if (converted && result == 0)
            SetValue(value);
        else
            UpdateFromControl();
    }
}

void CTextControlEditor::DrawContents(const HostRect& area)
{
    for (CPlugInView* child = GetFirstSubView(); child != nullptr; child = child->GetNextSibling()) {
        HostRect frame{};
        child->GetFrame(&frame);
        HostRect part{};
        if (HostExtIntersectRect(&area, &frame, &part))
            child->DrawContents(part);
    }
    DrawSelf(area);
}

void CTextControlEditor::DrawSelf(const HostRect& area)
{
    if (record == nullptr || !IsActive())
        return;
    HostColor fore{};
    HostColor back{};
    HostExtGetForeColor(&fore);
    HostExtGetBackColor(&back);
    blackOnWhite();
    HostExtDrawTextEdit(record, &area);
    HostExtRGBForeColor(&fore);
    HostExtRGBBackColor(&back);
}
