#include "hostframework/host_keys.h"
#include "hostframework/host_text.h"
#include "hostframework/views/lp_strings.h"
#include "hostframework/views/static_text_view.h"
#include "hostframework/views/text_settings_keeper.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "platform/four_char_code.h"

#include <algorithm>

// Editing in place: a text-edit record over the text's rectangle, in black on white, while the view
// is highlighted. The record goes when editing ends, whether or not the text is kept.

namespace {

constexpr std::uint32_t kTextScrap = FourCharCode("TEXT");
constexpr std::int16_t kCopyMode = 2;
constexpr std::int16_t kEditTextSize = 9;
// The record's text stays one short of a whole length-prefixed text.
constexpr std::int32_t kLongestEditedText = 254;

void blackOnWhite()
{
    HostExtForeColor(kHostBlackConstant);
    HostExtBackColor(kHostWhiteConstant);
}

} // namespace

CStaticTextView::~CStaticTextView()
{
    FreeRecord();
}

void CStaticTextView::FreeRecord()
{
    if (record == nullptr)
        return;
    HostExtDeactivateTextEdit(record);
    HostExtDisposeTextEdit(record);
    record = nullptr;
}

void CStaticTextView::DrawRecord()
{
    blackOnWhite();
    const HostRect visible = GetVisibleRect();
    HostExtDrawTextEdit(record, &visible);
}

void CStaticTextView::BeginEdit()
{
    if (record != nullptr || GetPort() == nullptr)
        return;
    FocusView(nullptr);
    {
        const CTextSettingsKeeper keeper;
        HostExtTextFont(GetTextFont());
        HostExtTextSize(GetTextSize());
        HostExtTextFace(GetTextFace());
        HostRect rect = GetVisibleRect();
        GetTextRect(&rect);
        record = HostExtNewTextEdit(&rect);
        if (record != nullptr) {
            HostExtGetForeColor(&savedFore);
            HostExtGetBackColor(&savedBack);
            HostExtSetTextEditAlignment(record, alignment);
            HostExtSetTextEditText(record, reinterpret_cast<const char*>(text + 1), text[0]);
            HostExtSelectAllTextEdit(record);
            HostExtActivateTextEdit(record);
            SetHighlighted(true);
            Draw(nullptr);
            changed = false;
        }
    }
    UnfocusView();
}

void CStaticTextView::HandleKey(std::int16_t character, bool* handled)
{
    *handled = record != nullptr;
    if (record == nullptr)
        return;
    if ((character == 'V' || character == 'v') && isOptionKeyDown()) {
        std::uint8_t pasted[256] = {};
        GetScrapText(pasted);
        HostExtSetTextEditText(record, reinterpret_cast<const char*>(pasted + 1), pasted[0]);
        SetText(pasted);
        changed = false;
        return;
    }
    FocusView(nullptr);
    blackOnWhite();
    HostExtTextEditKey(record, character);
    changed = true;
    DrawRecord();
    UnfocusView();
}

void CStaticTextView::EndEdit(bool accept)
{
    if (record == nullptr)
        return;
    if (GetPort() == nullptr) {
        SetHighlighted(false);
        FreeRecord();
        return;
    }
    std::uint8_t edited[256] = {};
    edited[0] = static_cast<std::uint8_t>(
        std::clamp(HostExtGetTextEditText(record, reinterpret_cast<char*>(edited + 1), kLongestEditedText), 0,
                   kLongestEditedText));
    FreeRecord();
    FocusView(nullptr);
    HostExtRGBForeColor(&savedFore);
    HostExtRGBBackColor(&savedBack);
    UnfocusView();
    SetHighlighted(false);
    // Escape leaves the text as it was before editing began.
    if (accept)
        SetText(edited);
}

void CStaticTextView::TrackMouse(const HostEventRecord* event, bool skip)
{
    if (!CanTakeFocus()) {
        CCustomView::TrackMouse(event, skip);
        return;
    }
    FocusView(nullptr);
    {
        const CTextSettingsKeeper keeper;
        HostExtTextMode(kCopyMode);
        HostExtTextFont(GetTextFont());
        HostExtTextSize(kEditTextSize);
        if (record != nullptr)
            HostExtTextEditClick(record, event->where, (event->modifiers & kHostShiftKeyModifier) != 0);
        else if (IsActive())
            BeginEdit();
    }
    UnfocusView();
}

void CStaticTextView::Idle(const HostEventRecord* event)
{
    CCustomView::Idle(event);
    if (record != nullptr)
        HostExtTextEditIdle(record);
}

void CStaticTextView::Activate()
{
    CCustomView::Activate();
    if (record != nullptr)
        Draw(nullptr);
}

void CStaticTextView::Deactivate()
{
    CCustomView::Deactivate();
    if (record != nullptr)
        Draw(nullptr);
}

void CStaticTextView::GetScrapText(std::uint8_t* out)
{
    out[0] = 0;
    HostHandle scrap = HostExtGetScrap(kTextScrap);
    if (scrap == nullptr)
        return;
    WriteLengthPrefixed({*scrap, static_cast<std::size_t>(std::max(HostExtGetHandleSize(scrap), 0))}, out);
    HostExtDisposeHandle(scrap);
}
