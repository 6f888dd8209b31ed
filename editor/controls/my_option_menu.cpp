#include "editor/controls/my_option_menu.h"

#include "editor/controls/control_clicks.h"
#include "editor/controls/editor_colours.h"
#include "editor/controls/short_names.h"
#include "editor/ueditor.h"
#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

#include <algorithm>
#include <cstring>
#include <string>

using Toolkit::CRect;

namespace {

// Replaces a long name in the buffer by its short form, which is never longer.
void shorten(std::int32_t tag, char* text)
{
    if (const std::optional<std::string> shortName = editor::shortMenuName(tag, text))
        std::memcpy(text, shortName->c_str(), shortName->size() + 1);
}

} // namespace

myOptionMenu::myOptionMenu(const CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
                           Toolkit::CBitmap* background, Toolkit::CBitmap* backgroundWhenClicked, std::int32_t style,
                           bool centred)
    : COptionMenu(size, listener, tag, background, backgroundWhenClicked, style), centred(centred)
{
}

void myOptionMenu::setDisplayText(const char* text)
{
    const char* shown = text != nullptr ? text : " ";
    const std::size_t length = std::min(std::strlen(shown), kDisplayTextSize - 1);
    std::memcpy(displayText, shown, length);
    displayText[length] = 0;
    setDirty(true);
}

void myOptionMenu::draw(Toolkit::CDrawContext* context)
{
    drawBackgroundFrom(context, backOffset);
    // The entries are drawn from a copy: the pages find a chosen entry by its long name.
    char entryText[kEntrySize] = {};
    char* text = displayText;
    if (displayText[0] == 0) {
        text = entryText;
        if (currentIndex >= 0 && currentIndex < getNbEntries()) {
            const char* stored = entry[static_cast<std::size_t>(currentIndex)].data();
            stored += std::min(static_cast<std::size_t>(std::max(prefixNumbers, 0)), std::strlen(stored));
            if (std::strncmp(stored, "-B", 2) == 0)
                stored += 2;
            std::strcpy(entryText, stored);
        }
    }
    shorten(tag, text);
    if (textShown)
        drawMenuText(context, size, text);
    setDirty(false);
}

void myOptionMenu::drawMenuText(Toolkit::CDrawContext* context, const CRect& rect, const char* text)
{
    if (text == nullptr)
        return;
    if (shadowStyle) {
        context->setFont(Toolkit::kArial12, 0, Toolkit::kBoldStyle);
        context->setFontColor(editor::kShadowTeal);
        context->drawString(text, CRect{rect.left + 2, rect.top + 4, rect.right, rect.bottom}, false,
                            Toolkit::kAlignLeft);
        context->setFontColor(editor::kTextGrey);
        context->drawString(text, CRect{rect.left, rect.top + 2, rect.right, rect.bottom}, false, Toolkit::kAlignLeft);
        return;
    }
    context->setFont(Toolkit::kArial10, 0, Toolkit::kBoldStyle);
    context->setFontColor(highlighted ? editor::kHighlightTeal : editor::kTextGrey);
    CRect area = rect;
    area.offset(0, -1);
    if (!centred)
        area.left += 5;
    context->drawString(text, area, false, centred ? Toolkit::kAlignCentre : Toolkit::kAlignLeft);
}

void myOptionMenu::mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons)
{
    if (!mouseEnabled)
        return;
    buttons = editor::clickButtons(context, buttons);
    if ((buttons & Toolkit::kLeftButton) != 0 || tag == uEditor::kCommandTag)
        COptionMenu::mouse(context, where, buttons);
    else if ((buttons & Toolkit::kRightButton) != 0)
        editor::openContextMenu(context, this, where);
}
