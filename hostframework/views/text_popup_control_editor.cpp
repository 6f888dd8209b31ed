#include "hostframework/views/text_popup_control_editor.h"

#include "hostframework/host_error.h"
#include "hostframework/views/control_view.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_text.h"

#include <new>

namespace {

constexpr std::int16_t kPlainFace = 0;
constexpr std::int16_t kTextMode = 1;
// Text stands 3 pixels in from either side of its rectangle.
constexpr int kTextMargin = 3;
constexpr std::int32_t kAlignRight = 1;
constexpr std::int32_t kAlignLeft = 2;
// What the editor sets the host's third system font value to while its menu is up.
constexpr std::int16_t kSystemFontThird = -1;

int widthOf(const std::uint8_t* text)
{
    return HostExtTextWidth(reinterpret_cast<const char*>(text + 1), 0, text[0]);
}

// While the menu is up the host measures and draws it in the editor's font, and knows it by its id;
// every way out gives the host its font back and takes the menu away.
class CPopUpSession {
public:
    CPopUpSession(HostMenu menu, std::int16_t font, std::int16_t size)
        : inserted(menu), savedFamily(HostExtGetSystemFontFamily()), savedSize(HostExtGetSystemFontSize())
    {
        HostExtSetSystemFontFamily(font);
        HostExtSetSystemFontSize(size);
        HostExtSetSystemFontThird(kSystemFontThird);
    }
    ~CPopUpSession()
    {
        HostExtSetSystemFontFamily(savedFamily);
        HostExtSetSystemFontSize(savedSize);
    }
    CPopUpSession(const CPopUpSession&) = delete;
    CPopUpSession& operator=(const CPopUpSession&) = delete;

private:
    const CInsertedPopUpMenu inserted;
    std::int16_t savedFamily;
    std::int16_t savedSize;
};

} // namespace

CCustomView* NewTextPopupControlEditor()
{
    return new (std::nothrow) CTextPopupControlEditor;
}

CTextPopupControlEditor::~CTextPopupControlEditor()
{
    HostExtDisposeRegion(clipRegion);
    HostExtDisposeMenu(menu);
}

void CTextPopupControlEditor::Initialize()
{
    CControlEditor::Initialize();
    clipRegion = HostExtNewRegion();
    ThrowIfNull(clipRegion);
    menu = NewPopUpMenu(&MenuDefinition, this);
}

void CTextPopupControlEditor::GetItemText(std::int16_t item, std::uint8_t* out, std::int32_t maxLength)
{
    out[0] = 0;
    CControlView* view = GetControlView();
    if (view == nullptr)
        return;
    view->GetValueText(StepToValue(item - 1), out, maxLength);
    // A control that answers more than it was asked for is held to the maximum, so that asking for ever
    // shorter texts comes to an end.
    if (out[0] > maxLength)
        out[0] = static_cast<std::uint8_t>(maxLength);
}

void CTextPopupControlEditor::DrawItemText(std::int16_t item, const HostRect& rect, bool onPlate)
{
    HostTextSettings saved{};
    HostExtGetTextSettings(&saved);
    HostExtTextSize(size);
    HostExtTextFont(font);
    HostExtTextMode(kTextMode);
    HostExtTextFace(onPlate ? style : kPlainFace);

    const int room = rect.right - rect.left - 2 * kTextMargin;
    std::uint8_t text[256] = {};
    GetItemText(item, text, kLongestItemText);
    int width = widthOf(text);
    while (width > room && text[0] > 1) {
        GetItemText(item, text, text[0] - 1);
        width = widthOf(text);
    }
    int x = rect.left + kTextMargin;
    if (!onPlate)
        HostExtEraseRect(&rect);
    else if (alignment == kAlignRight)
        x += room - width;
    else if (alignment != kAlignLeft)
        x += (room - width) / 2;
    if (!onPlate && item == shownStep + 1)
        HostExtTextFace(kBoldFace);
    HostFontInfo info{};
    HostExtGetFontInfo(&info);
    HostExtMoveTo(static_cast<std::int16_t>(x), static_cast<std::int16_t>(rect.bottom - 1 - info.descent));
    HostExtDrawText(reinterpret_cast<const char*>(text + 1), 0, text[0]);

    HostExtTextMode(saved.mode);
    HostExtTextFont(saved.font);
    HostExtTextFace(saved.face);
    HostExtTextSize(saved.size);
}

void CTextPopupControlEditor::GetPlateTextRect(HostRect* out)
{
    HostRect frame{};
    GetFrame(&frame);
    *out = {static_cast<std::int16_t>(frame.top + 1), static_cast<std::int16_t>(frame.left + 1),
            static_cast<std::int16_t>(frame.bottom - 2), static_cast<std::int16_t>(frame.right - 1)};
}

void CTextPopupControlEditor::GetTextColor(HostColor* out)
{
    GetForeColor(out);
}

void CTextPopupControlEditor::DrawSelf(const HostRect& area)
{
    HostColor saved{};
    HostExtGetForeColor(&saved);
    DrawPlate(area);
    HostRect rect{};
    GetPlateTextRect(&rect);
    int top = rect.top + verticalShift;
    int left = rect.left + leftInset;
    int bottom = rect.bottom + verticalShift;
    int right = rect.right - rightInset;
    if (IsHighlighted()) {
        top += pressedV;
        bottom += pressedV;
        left += pressedH;
        right += pressedH;
    }
    rect = {static_cast<std::int16_t>(top), static_cast<std::int16_t>(left), static_cast<std::int16_t>(bottom),
            static_cast<std::int16_t>(right)};
    HostColor text{};
    GetTextColor(&text);
    HostExtRGBForeColor(&text);
    DrawItemText(static_cast<std::int16_t>(GetStep() + 1), rect, true);
    HostExtRGBForeColor(&saved);
}

void CTextPopupControlEditor::UpdateFromControl()
{
    const std::int32_t step = GetStep();
    if (step != shownStep) {
        HostRect frame{};
        GetFrame(&frame);
        Draw(&frame);
    }
    shownStep = static_cast<std::int16_t>(step);
}

void CTextPopupControlEditor::UpdatePosition()
{
    if (GetStep() != shownStep)
        InvalidateFrame();
}

std::int32_t CTextPopupControlEditor::PopUp(HostPoint where, std::int32_t step)
{
    const CPopUpSession session(menu, font, size);
    failure.Forget();
    HostExtCalcMenuSize(menu);
    HostExtLocalToGlobal(&where);
    const std::int32_t chosen = HostExtPopUpMenuSelect(menu, where, static_cast<std::int16_t>(step + 1));
    failure.ThrowKept();
    return chosen;
}

// The menu covers views of the editor's port while it is up: taking the overlay away draws them whole
// again, also when the pop-up ends in an error.
void CTextPopupControlEditor::TrackMouse(const HostEventRecord* event, bool skip)
{
    if (!HostExtStillDown())
        return;
    if (skip) {
        CControlEditor::TrackMouse(event, skip);
        return;
    }
    const std::int32_t step = GetStep();
    try {
        SetHighlighted(true);
        const std::int32_t chosen = PopUp(event->where, step);
        const std::int32_t item = chosen & 0xFFFF;
        if ((chosen >> 16) == kPopUpMenuID && item != 0 && item != step + 1)
            SetStep(item - 1);
    } catch (...) {
        SetOverlayPort(nullptr, nullptr);
        SetHighlighted(false);
        throw;
    }
    SetHighlighted(false);
    SetOverlayPort(nullptr, nullptr);
}
