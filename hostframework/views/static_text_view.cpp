#include "hostframework/views/static_text_view.h"

#include "hostframework/host_error.h"
#include "hostframework/host_text.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/lp_strings.h"
#include "hostframework/views/plate_colours.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_graphics.h"

#include <algorithm>
#include <new>

namespace {

constexpr std::int16_t kTextInset = 3;
constexpr std::int16_t kOrMode = 1;

bool isLineBreak(char character)
{
    return character == '\r' || character == '\n';
}

} // namespace

CCustomView* NewStaticTextView()
{
    return new (std::nothrow) CStaticTextView;
}

void CStaticTextView::ReadDescription(SParseState& state)
{
    CCustomView::ReadDescription(state);
    const SValueCell* group = state.TakeGroup();
    for (const SValueCell* element = group->List(); element != nullptr; element = element->next) {
        if (element->kind == kStringKind) {
            appendLPString(255, element->String(), text);
            continue;
        }
        ThrowIfFalse(element->kind == kConstantKind);
        switch (element->value) {
        case kLeftConstant:
            alignment = kAlignLeft;
            break;
        case kRightConstant:
            alignment = kAlignRight;
            break;
        case kCenterConstant:
            alignment = kAlignCentre;
            break;
        case kDefaultConstant:
            alignment = kAlignDefault;
            break;
        default:
            throw CHostError(kHostErrCheckFailed);
        }
    }
}

void CStaticTextView::SetText(const std::uint8_t* newText)
{
    if (equalLPStrings(newText, text))
        return;
    copyLPString255(newText, text);
    if (GetPort() == nullptr)
        return;
    FocusView(nullptr);
    // The parent repaints what lies behind the text before the text is drawn again.
    if (CPlugInView* parent = GetParent()) {
        HostRect frame{};
        parent->Draw(GetFrame(&frame));
    }
    UnfocusView();
}

void CStaticTextView::SetText(std::string_view newText)
{
    std::uint8_t lengthPrefixed[256] = {};
    WriteLengthPrefixed(newText, lengthPrefixed);
    SetText(lengthPrefixed);
}

void CStaticTextView::GetText(std::uint8_t* out) const
{
    copyLPString255(text, out);
}

void CStaticTextView::DrawSelf(const HostRect& area)
{
    EraseBackground(area);
    if (record != nullptr)
        DrawRecord();
    else
        DrawText();
}

void CStaticTextView::DrawText()
{
    HostRect rect{};
    GetFrame(&rect);
    rect = {static_cast<std::int16_t>(rect.top + kTextInset), static_cast<std::int16_t>(rect.left + kTextInset),
            static_cast<std::int16_t>(rect.bottom - kTextInset), static_cast<std::int16_t>(rect.right - kTextInset)};
    HostColor fore{};
    HostColor back{};
    HostTextSettings settings{};
    HostExtGetForeColor(&fore);
    HostExtGetBackColor(&back);
    HostExtGetTextSettings(&settings);
    HostColor colour{};
    GetForeColor(&colour);
    HostExtRGBForeColor(&colour);
    GetBackColor(&colour);
    HostExtRGBBackColor(&colour);
    HostExtTextFont(GetTextFont());
    HostExtTextSize(GetTextSize());
    HostExtTextFace(GetTextFace());
    HostExtTextMode(kOrMode);
    DrawTextLines(reinterpret_cast<const char*>(text + 1), text[0], rect, alignment);
    HostExtRGBForeColor(&fore);
    HostExtRGBBackColor(&back);
    HostExtTextFont(settings.font);
    HostExtTextSize(settings.size);
    HostExtTextFace(settings.face);
    HostExtTextMode(settings.mode);
}

void CStaticTextView::DrawTextLines(const char* lines, std::int16_t length, const HostRect& rect,
                                    std::int16_t lineAlignment)
{
    HostFontInfo font{};
    HostExtGetFontInfo(&font);
    const int lineHeight = font.ascent + font.descent + font.leading;
    if (lineHeight <= 0)
        return;
    const int height = rect.bottom - rect.top;
    if (height >= lineHeight) {
        HostExtTextBox(lines, length, &rect, lineAlignment);
        return;
    }
    const int width = rect.right - rect.left;
    HostRect line{static_cast<std::int16_t>(rect.top - 2), rect.left,
                  static_cast<std::int16_t>(rect.top - 2 + lineHeight), rect.right};
    std::int16_t first = 0;
    for (int count = (height + 2) / lineHeight; count > 0 && first < length; --count) {
        std::int16_t taken = 0;
        while (first + taken < length && !isLineBreak(lines[first + taken]))
            ++taken;
        // The line break belongs to the line but is not drawn.
        const bool broken = first + taken < length;
        std::int16_t shown = taken;
        std::int16_t shownWidth = HostExtTextWidth(lines, first, shown);
        while (shown > 1 && shownWidth > width)
            shownWidth = HostExtTextWidth(lines, first, --shown);
        if (shown > 0 && shownWidth <= width) {
            const int room = width - shownWidth;
            const int leftMargin = lineAlignment == kHostAlignRight ? room : lineAlignment == kHostAlignCentre ? room / 2 : 0;
            HostExtEraseRect(&line);
            HostExtMoveTo(static_cast<std::int16_t>(line.left + leftMargin),
                          static_cast<std::int16_t>(line.bottom - font.descent));
            HostExtDrawText(lines, first, shown);
        }
        // A character too wide to show on its own still counts as one.
        first = static_cast<std::int16_t>(first + std::max<std::int16_t>(shown == taken && broken ? shown + 1 : shown, 1));
        line.top = static_cast<std::int16_t>(line.top + lineHeight);
        line.bottom = static_cast<std::int16_t>(line.bottom + lineHeight);
    }
}

void CStaticTextView::GetTextRect(HostRect* rect)
{
    rect->top = static_cast<std::int16_t>(rect->top + 3);
    rect->bottom = static_cast<std::int16_t>(rect->bottom - 3);
    rect->left = static_cast<std::int16_t>(rect->left + 1);
    rect->right = static_cast<std::int16_t>(rect->right - 3);
    const int height = rect->bottom - rect->top;
    if (height > 11) {
        const int down = (height - 11) / 2 + 1;
        rect->top = static_cast<std::int16_t>(rect->top + down);
        rect->bottom = static_cast<std::int16_t>(rect->bottom + down);
    }
    rect->top = static_cast<std::int16_t>(rect->top - 2);
}

void CStaticTextView::GetForeColor(HostColor* out)
{
    CPlugInView* parent = GetParent();
    if ((parent == nullptr || parent->IsEnabled()) && IsHighlightedByHost() && IsHighlighted()) {
        std::int16_t colour = -1;
        std::int16_t number = 0;
        const char* name = nullptr;
        GetHostHighlight(&colour, &number, &name);
        if (HighlightForeColour(colour, out))
            return;
    }
    if (!OwnStyleForeColour(GetOwnPlateStyle(), out))
        CCustomView::GetForeColor(out);
}
