#include "editor/controls/sample_file_display.h"

#include "editor/menu_styles.h"
#include "editor/ueditor.h"
#include "plugin/aplugin.h"
#include "plugin/settings/path_text.h"
#include "toolkit/bitmap.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/option_menu.h"

#include <algorithm>
#include <array>
#include <cmath>

using Toolkit::CColor;
using Toolkit::CPoint;
using Toolkit::CRect;

namespace {

constexpr std::int32_t kFolderIcon = 10175;
constexpr std::int32_t kFileHighlight = 10177;
constexpr std::int32_t kFolderHighlight = 10178;
constexpr CColor kTextColour{0, 0, 0, 255};
constexpr CColor kSelectedTextColour{3, 196, 195, 255};
constexpr CColor kThumbColour{10, 84, 83, 255};
constexpr std::int32_t kThumbWidth = 6;
constexpr std::int32_t kThumbHeight = 45;
// The scroll column: its width, and where the up arrow ends and the down arrow starts.
constexpr float kScrollColumnWidth = 17.0f;
constexpr float kUpArrowBottom = 26.0f;
constexpr float kDownArrowTop = 176.0f;
// The folder-up sign at the left of the strip above the list, the menu button at the right of the top strip.
constexpr float kFolderUpRight = 50.0f;
constexpr float kMenuButtonWidth = 55.0f;
constexpr std::int32_t kRowsPerStep = 2;

using editor::kPopupWithoutDrawing;
constexpr std::int32_t kMenuReach = 8;
enum FolderMenuEntry : std::int32_t { kSamplesRoot, kListAgain };

std::string withoutExtension(const std::string& name)
{
    std::array<char, 1024> stripped{};
    return kravo::stripExtension(name.c_str(), stripped) ? std::string(stripped.data()) : name;
}

void drawText(Toolkit::CDrawContext* context, const std::string& text, std::int32_t x, std::int32_t y,
              std::int32_t width, std::int32_t height)
{
    context->drawString(text.c_str(), CRect(x, y, x + width, y + height), false, Toolkit::kAlignLeft);
}

} // namespace

TSampleFileDisplay::TSampleFileDisplay(const CRect& size)
    : CControl(size, nullptr, uEditor::kCommandTag, nullptr),
      width(static_cast<float>(size.width())),
      height(static_cast<float>(size.height())),
      textWidth(width - 10.0f),
      left(static_cast<float>(size.left)),
      top(static_cast<float>(size.top))
{
}

uEditor* TSampleFileDisplay::owner()
{
    return dynamic_cast<uEditor*>(getEditor());
}

APlugin* TSampleFileDisplay::plugin()
{
    uEditor* editor = owner();
    return editor != nullptr ? static_cast<APlugin*>(editor->getEffect()) : nullptr;
}

void TSampleFileDisplay::setSource(std::int32_t slot, std::int32_t layer)
{
    sourceSlot = slot;
    sourceLayer = layer;
    selectedEntry = -1;
    pendingSelect = kSelectCurrentFile;
}

std::int32_t TSampleFileDisplay::firstVisibleEntry(std::int32_t count) const
{
    // An arrow puts the thumb at a whole entry's position; float rounding may leave it a hair short of it,
    // which must not show the entry before.
    constexpr float kRoundingSlack = 1e-3f;
    const float entry = scrollPosition / scrollRange * static_cast<float>(std::max(0, count - visibleRows));
    return static_cast<std::int32_t>(entry + kRoundingSlack);
}

void TSampleFileDisplay::scrollBy(std::int32_t count, std::int32_t delta)
{
    if (count <= visibleRows)
        return;
    const std::int32_t hidden = count - visibleRows;
    const std::int32_t first = std::clamp(firstVisibleEntry(count) + kRowsPerStep * delta, 0, hidden);
    scrollPosition = static_cast<float>(first) * scrollRange / static_cast<float>(hidden);
}

void TSampleFileDisplay::draw(Toolkit::CDrawContext* context)
{
    APlugin* effect = plugin();
    if (effect == nullptr) {
        setDirty(false);
        return;
    }
    const auto x0 = static_cast<std::int32_t>(left);
    const auto y0 = static_cast<std::int32_t>(top);
    const auto rowHeightPx = static_cast<std::int32_t>(rowHeight);
    context->setFrameColor(kTextColour);
    context->setFontColor(kTextColour);
    context->setFont(Toolkit::kArial9, 0, Toolkit::kBoldStyle);
    const std::string currentFile = effect->getLayerSampleName(sourceSlot, sourceLayer);
    drawText(context, withoutExtension(currentFile), x0 + 7, y0 + 7, static_cast<std::int32_t>(width - 60.0f),
             rowHeightPx);
    drawText(context, effect->getLayerBrowseFolder(sourceSlot, sourceLayer), x0 + 6,
             y0 + static_cast<std::int32_t>(pathTop), static_cast<std::int32_t>(width), rowHeightPx);

    context->setFillColor(kThumbColour);
    context->setFrameColor(kThumbColour);
    const auto thumbLeft = x0 + static_cast<std::int32_t>(width - thumbInset - 8.0f);
    const auto thumbY = y0 + static_cast<std::int32_t>(thumbTop + scrollPosition);
    context->drawRect(CRect(thumbLeft, thumbY, thumbLeft + kThumbWidth, thumbY + kThumbHeight), Toolkit::kFill);

    drawRows(context, effect, currentFile);
    setDirty(false);
}

void TSampleFileDisplay::drawRows(Toolkit::CDrawContext* context, APlugin* effect, const std::string& currentFile)
{
    const auto x0 = static_cast<std::int32_t>(left);
    const auto y0 = static_cast<std::int32_t>(top);
    const auto rowHeightPx = static_cast<std::int32_t>(rowHeight);
    const std::int32_t count = effect->getSampleFileCount();
    const std::int32_t first = firstVisibleEntry(count);
    const std::int32_t rows = std::min(count, visibleRows);
    context->setFont(Toolkit::kArial9, 0, 0);

    if (pendingSelect == kSelectCurrentFile) {
        for (std::int32_t i = 0; i < count; ++i)
            if (effect->getSampleFileName(i) == currentFile)
                selectedEntry = i;
        pendingSelect = -1;
    }

    uEditor* editor = owner();
    Toolkit::CBitmap* folderIcon = editor->image(kFolderIcon);
    for (std::int32_t r = 0; r < rows; ++r) {
        const std::int32_t i = first + r;
        const bool folder = effect->getSampleFileType(i) == kravo::FileBrowserList::kFolder;
        const std::int32_t rowY = y0 + static_cast<std::int32_t>(listTop) + rowHeightPx * r;
        if (folder && folderIcon != nullptr)
            folderIcon->drawTransparent(context, CRect(x0 + 6, rowY + 1, x0 + 6 + folderIcon->getWidth(),
                                                       rowY + 1 + folderIcon->getHeight()), CPoint(0, 0));
        if (i == selectedEntry) {
            if (Toolkit::CBitmap* bar = editor->image(folder ? kFolderHighlight : kFileHighlight)) {
                const CRect place(x0 + 6, rowY - 1, x0 + 6 + bar->getWidth(), rowY - 1 + bar->getHeight());
                bar->drawTransparent(context, place, CPoint(0, 0));
            }
            context->setFontColor(kSelectedTextColour);
        } else {
            context->setFontColor(kTextColour);
        }
        const std::string name = effect->getSampleFileName(i);
        drawText(context, folder ? name : withoutExtension(name), x0 + (folder ? 16 : 6), rowY + 1,
                 static_cast<std::int32_t>(textWidth - 10.0f), rowHeightPx);
    }
}

void TSampleFileDisplay::redrawNow()
{
    doIdleStuff();
    setDirty(true);
}

void TSampleFileDisplay::mouse(Toolkit::CDrawContext* context, const CPoint&, std::int32_t)
{
    APlugin* effect = plugin();
    if (!mouseEnabled || context == nullptr || effect == nullptr)
        return;
    const std::int32_t buttons = context->getMouseButtons();
    if (buttons == 0)
        return;
    CPoint where;
    getMouseLocation(context, where);
    const float x = static_cast<float>(where.h) - left;
    const float y = static_cast<float>(where.v) - top;
    const bool inScrollColumn = x > width - kScrollColumnWidth && x < width;
    const std::int32_t count = effect->getSampleFileCount();

    if (y > pathTop)
        return;
    if (y < topStripBottom) {
        if (x > width - kMenuButtonWidth && x < width)
            openFolderMenu(context, effect, where);
        setDirty(true);
    } else if (y < listTop) {
        if (x < kFolderUpRight) {
            effect->sampleFolderUp(sourceSlot, sourceLayer);
            scrollPosition = 0.0f;
            selectedEntry = -1;
        } else if (y < kUpArrowBottom && inScrollColumn) {
            scrollBy(count, -1);
        }
        redrawNow();
    } else if (inScrollColumn) {
        if (y > kDownArrowTop) {
            scrollBy(count, 1);
            redrawNow();
        } else if (y >= kUpArrowBottom && (buttons & Toolkit::kLeftButton) != 0) {
            dragThumb(context);
        }
    } else {
        clickRow(context, effect, static_cast<std::int32_t>(y), buttons);
    }
}

void TSampleFileDisplay::dragThumb(Toolkit::CDrawContext* context)
{
    std::int32_t held = 0;
    do {
        held = context->getMouseButtons();
        CPoint at;
        getMouseLocation(context, at);
        scrollPosition = std::clamp(std::trunc(static_cast<float>(at.v) - top - thumbTop), 0.0f, scrollRange);
        redrawNow();
    } while (held == Toolkit::kLeftButton);
}

void TSampleFileDisplay::clickRow(Toolkit::CDrawContext* context, APlugin* effect, std::int32_t y,
                                  std::int32_t buttons)
{
    const std::int32_t count = effect->getSampleFileCount();
    const auto row = static_cast<std::int32_t>(static_cast<float>(y - static_cast<std::int32_t>(listTop)) / rowHeight);
    // Below the last row shown lies the path line's margin: it shows no entry, so it takes none.
    const std::int32_t entry = firstVisibleEntry(count) + row;
    if (row < visibleRows && entry >= 0 && entry < count) {
        const std::int32_t kind = effect->getSampleFileType(entry);
        if (kind == kravo::FileBrowserList::kFile && (buttons & Toolkit::kRightButton) != 0) {
            effect->previewSample(sourceSlot, sourceLayer, entry);
            // The audition sounds for as long as the button stays down.
            while (context->getMouseButtons() == Toolkit::kRightButton)
                continue;
            effect->stopPreview();
            return;
        }
        selectedEntry = entry;
        if (context->waitDoubleClick()) {
            if (kind == kravo::FileBrowserList::kFolder) {
                effect->enterSampleFolder(sourceSlot, sourceLayer, entry);
                scrollPosition = 0.0f;
                selectedEntry = -1;
            } else if ((buttons & Toolkit::kLeftButton) != 0) {
                effect->loadSampleIntoLayer(sourceSlot, sourceLayer, entry);
            }
        }
    }
    setDirty(true);
    doIdleStuff();
}

void TSampleFileDisplay::openFolderMenu(Toolkit::CDrawContext* context, APlugin* effect, const CPoint& where)
{
    Toolkit::CFrame* frame = getFrame();
    if (frame == nullptr)
        return;
    CPoint at = where;
    localToFrame(at);
    const CRect place(at.h - kMenuReach, at.v - kMenuReach, at.h + kMenuReach, at.v + kMenuReach);
    auto* menu = new Toolkit::COptionMenu(place, nullptr, uEditor::kCommandTag, nullptr, nullptr, kPopupWithoutDrawing);
    menu->addEntry("Samples Root");
    menu->addEntry("Refresh");
    frame->addView(menu);
    menu->mouse(context, at, Toolkit::kButtonsUnread);
    frame->setFocusView(nullptr);
    switch (menu->getCurrent(nullptr, false)) {
    case kSamplesRoot:
        effect->sampleFolderToRoot(sourceSlot, sourceLayer);
        scrollPosition = 0.0f;
        selectedEntry = -1;
        break;
    case kListAgain:
        effect->listSampleFolder(sourceSlot, sourceLayer);
        setSource(sourceSlot, sourceLayer);
        break;
    default: break;
    }
    frame->removeView(menu, true);
    frame->setDirty(true);
}
