#include "editor/controls/pattern_file_browser.h"

#include "editor/controls/control_clicks.h"
#include "editor/ueditor.h"
#include "plugin/aplugin.h"
#include "plugin/settings/path_text.h"
#include "toolkit/bitmap.h"
#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

#include <algorithm>
#include <array>
#include <string>

using Toolkit::CColor;
using Toolkit::CPoint;
using Toolkit::CRect;

namespace {

constexpr std::int32_t kListFont = 6;
constexpr std::int32_t kThumbImage = 10174;
constexpr std::int32_t kFolderImage = 10175;
constexpr std::int32_t kSelectionImage = 10176;
constexpr std::int32_t kFolderEntry = 1;
constexpr std::int32_t kPatternFileEntry = 2;
constexpr std::int32_t kKeepUndoCopy = 13;
constexpr std::int32_t kUndo = 12;
// The arrows at either end of the scroll bar.
constexpr std::int32_t kUpArrowEnd = 24;
constexpr std::int32_t kDownArrowStart = 126;
constexpr std::int32_t kLockOn = 1;
// A list name has at most 127 characters.
constexpr std::size_t kNameSize = 128;

constexpr CColor kSelectedText{3, 196, 195, 0};
constexpr CColor kEntryText{0, 0, 0, 0};

} // namespace

PatternFileBrowser::PatternFileBrowser(const CRect& size, Toolkit::CControlListener* listener)
    : CControl(size, nullptr, uEditor::kCommandTag, nullptr), width(size.right - size.left),
      height(size.bottom - size.top), left(size.left), top(size.top), textWidth(static_cast<float>(width) - 4.0f)
{
    (void)listener;
}

void PatternFileBrowser::resetSelection()
{
    selectedEntry = -1;
    scrollPosition = 0.0f;
}

std::int32_t PatternFileBrowser::firstVisibleEntry(std::int32_t count) const
{
    const std::int32_t hidden = std::max(count - visibleRows, 0);
    return static_cast<std::int32_t>(scrollPosition / scrollTravel * static_cast<float>(hidden));
}

void PatternFileBrowser::scrollBy(std::int32_t count, std::int32_t delta)
{
    const std::int32_t hidden = count - visibleRows;
    if (hidden <= 0)
        return;
    const std::int32_t first =
        std::clamp(static_cast<std::int32_t>(scrollPosition / scrollTravel * static_cast<float>(hidden)) + 2 * delta, 0,
                   hidden);
    scrollPosition = static_cast<float>(first) * scrollTravel / static_cast<float>(hidden);
}

std::string PatternFileBrowser::shownName(std::int32_t kind, const std::string& name)
{
    std::array<char, kNameSize> shown{};
    if (kind != kPatternFileEntry || !kravo::stripExtension(name.c_str(), shown))
        return name;
    return shown.data();
}

APlugin* PatternFileBrowser::editorPlugin()
{
    PluginGUIEditor* editor = getEditor();
    return editor != nullptr ? static_cast<APlugin*>(editor->getEffect()) : nullptr;
}

void PatternFileBrowser::drawImage(Toolkit::CDrawContext* context, std::int32_t id, const CRect& rect)
{
    auto* owner = dynamic_cast<uEditor*>(getEditor());
    if (Toolkit::CBitmap* picture = owner != nullptr ? owner->image(id) : nullptr)
        picture->drawTransparent(context, rect, CPoint(0, 0));
}

void PatternFileBrowser::draw(Toolkit::CDrawContext* context)
{
    APlugin* owner = editorPlugin();
    if (context == nullptr || owner == nullptr)
        return;
    const auto thumbX = static_cast<std::int32_t>(scrollBarX + static_cast<float>(left));
    const auto thumbY = static_cast<std::int32_t>(scrollBarTop + static_cast<float>(top) + scrollPosition);
    drawImage(context, kThumbImage, CRect(thumbX, thumbY, thumbX + 5, thumbY + 40));

    const std::int32_t count = owner->getPatternFileCount();
    const std::int32_t first = firstVisibleEntry(count);
    const std::int32_t rows = std::min(count, visibleRows);
    context->setFont(kListFont);
    for (std::int32_t i = 0; i < rows; ++i) {
        const std::int32_t n = first + i;
        const auto y = static_cast<std::int32_t>(static_cast<float>(i) * rowHeight + static_cast<float>(top) + listTop);
        const std::int32_t kind = owner->getPatternFileType(n);
        if (kind == kFolderEntry)
            drawImage(context, kFolderImage, CRect(left + 4, y, left + 13, y + 11));
        if (n == selectedEntry) {
            context->setFontColor(kSelectedText);
            drawImage(context, kSelectionImage, CRect(left + 12, y - 1, left + 98, y + 13));
        } else {
            context->setFontColor(kEntryText);
        }
        context->drawString(shownName(kind, owner->getPatternFileName(n)).c_str(), CRect(left + 18, y, left + 18 + static_cast<std::int32_t>(textWidth - 22.0f), y + 13),
                            false, Toolkit::kAlignLeft);
    }
    setDirty(false);
}

void PatternFileBrowser::mouse(Toolkit::CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    (void)where;
    APlugin* owner = editorPlugin();
    if (!mouseEnabled || context == nullptr || owner == nullptr)
        return;
    buttons = editor::clickButtons(context, buttons);
    CPoint at;
    getMouseLocation(context, at);
    const std::int32_t x = at.h - left;
    const std::int32_t y = at.v - top;
    const std::int32_t count = owner->getPatternFileCount();

    if (static_cast<float>(x) > scrollBarX - 5.0f) {
        if (y < kUpArrowEnd || y > kDownArrowStart) {
            scrollBy(count, y < kUpArrowEnd ? -1 : 1);
            doIdleStuff();
            setDirty(true);
        } else if (buttons == Toolkit::kLeftButton) {
            dragThumb(context);
        }
        return;
    }
    if (static_cast<float>(y) > rootBandTop && static_cast<float>(y) < rootBandBottom) {
        resetSelection();
        owner->patternBrowserToRoot();
        doIdleStuff();
        setDirty(true);
        return;
    }
    // Above the root band nothing is listed.
    if (static_cast<float>(y) < rootBandBottom)
        return;
    // The pixel line just above the first row still belongs to it; below the seventh row no entry shows.
    const auto row = static_cast<std::int32_t>((static_cast<float>(y) - listTop) / rowHeight);
    const std::int32_t n = firstVisibleEntry(count) + row;
    if (row < visibleRows && n >= 0 && n < count && !clickEntry(context, owner, n, buttons))
        return;
    doIdleStuff();
    setDirty(true);
}

void PatternFileBrowser::dragThumb(Toolkit::CDrawContext* context)
{
    std::int32_t held = Toolkit::kLeftButton;
    do {
        held = context->getMouseButtons();
        CPoint at;
        getMouseLocation(context, at);
        scrollPosition = std::clamp(static_cast<float>(at.v - top - static_cast<std::int32_t>(scrollBarTop)), 0.0f,
                                    scrollTravel);
        doIdleStuff();
        setDirty(true);
    } while (held == Toolkit::kLeftButton);
}

bool PatternFileBrowser::clickEntry(Toolkit::CDrawContext* context, APlugin* owner, std::int32_t n, std::int32_t buttons)
{
    const std::int32_t kind = owner->getPatternFileType(n);
    owner->selectPatternFile(n);
    const std::int32_t previous = selectedEntry;
    selectedEntry = n;
    if (kind == kPatternFileEntry && (buttons & Toolkit::kRightButton) != 0) {
        // A locked pattern could not be put back after the audition: the file is only selected then.
        if (owner->getPatternLockMode() == kLockOn)
            return true;
        audition(context, owner);
        // The list looks as it did before.
        selectedEntry = previous;
        return false;
    }
    if (kind != kFolderEntry) {
        if (context->waitDoubleClick())
            owner->loadSelectedPatternFile(pattern);
        return true;
    }
    owner->enterPatternFolder(n);
    selectedEntry = -1;
    owner->selectPatternFile(0);
    return true;
}

// The pattern plays the file while the right button is held; Undo then puts back what the pattern held.
void PatternFileBrowser::audition(Toolkit::CDrawContext* context, APlugin* owner)
{
    owner->handlePatternMenu(kKeepUndoCopy, pattern, 0);
    owner->loadSelectedPatternFile(pattern);
    owner->startPatternFromEditor(pattern);
    while (context->getMouseButtons() == Toolkit::kRightButton)
        doIdleStuff();
    owner->stopPattern(pattern);
    owner->handlePatternMenu(kUndo, pattern, 0);
}
