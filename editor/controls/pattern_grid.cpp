#include "editor/controls/pattern_grid.h"

#include "editor/controls/control_clicks.h"
#include "editor/menu_styles.h"
#include "editor/ueditor.h"
#include "plugin/aplugin.h"
#include "toolkit/bitmap.h"
#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/option_menu.h"
#include "toolkit/view_container.h"

#include <cstdio>
#include <string>

using Toolkit::CColor;
using Toolkit::CPoint;
using Toolkit::CRect;

namespace {

constexpr std::int32_t kGridFont = 6;

// Parameter blocks of the steps: per pattern, track and step, or per pattern and step.
constexpr std::int32_t kStartStep = 2300;
constexpr std::int32_t kEndStep = 2308;
constexpr std::int32_t kStepOn = 2400;
constexpr std::int32_t kStepFlam = 2912;
constexpr std::int32_t kStepPitch = 3424;
constexpr std::int32_t kStepVelocity = 3936;
constexpr std::int32_t kStepPan = 4448;
constexpr std::int32_t kStepLength = 4960;
constexpr std::int32_t kStepOffset = 5472;
constexpr std::int32_t kModulationValue = 5984;
constexpr std::int32_t kTrackBypass = 6112;
constexpr float kStepScale = 15.99f;

// The field rows of the edit view, below the step numbers.
enum FieldRow : std::int32_t {
    kOnRow = 0,
    kVelocityRow = 1,
    kPanRow = 2,
    kPitchRow = 3,
    kFlamRow = 4,
    kLengthRow = 5,
    kOffsetRow = 6,
    kModulationRow = 7,
};

constexpr std::int32_t kStepImage = 10168;
constexpr std::int32_t kFlamImage = 10169;
constexpr std::int32_t kDimStepImage = 10170;
constexpr std::int32_t kDimFlamImage = 10171;
constexpr std::int32_t kStepNumbers = 10172;
constexpr std::int32_t kPlayingStepNumbers = 10173;
constexpr std::int32_t kCellSize = 19;
constexpr std::int32_t kHeaderWidth = 28;

constexpr CColor kDimText{7, 115, 114, 0};
constexpr CColor kText{23, 58, 50, 0};

using editor::kPopupWithoutDrawing;
constexpr std::int32_t kMenuReach = 10;
constexpr std::int32_t kFirstBypassChoice = 15;
constexpr std::int32_t kUndoChoice = 19;
constexpr std::int32_t kUndoCommand = 12;

// The plug-in's pattern command for each menu choice from "Copy Track" (1) to "Save Pattern" (14).
constexpr std::int32_t kChoiceCommands[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15};

std::int32_t fieldBase(std::int32_t row)
{
    switch (row) {
    case kVelocityRow: return kStepVelocity;
    case kPanRow: return kStepPan;
    case kPitchRow: return kStepPitch;
    case kLengthRow: return kStepLength;
    case kOffsetRow: return kStepOffset;
    default: return -1;
    }
}

} // namespace

PatternGrid::PatternGrid(const CRect& size, Toolkit::CControlListener* listener)
    : CControl(size, listener, uEditor::kCommandTag, nullptr), width(size.right - size.left),
      height(size.bottom - size.top), left(size.left), top(size.top), columnWidth(static_cast<float>(width) * 0.0625f),
      rowHeight(static_cast<float>(height) / static_cast<float>(kRowCount))
{
}

void PatternGrid::fieldText(std::int32_t row, float value, char* text, std::size_t size)
{
    switch (row) {
    case kVelocityRow: std::snprintf(text, size, "%d", static_cast<int>(value * 127.99f)); break;
    case kPanRow: {
        const int n = static_cast<int>(value * 200.0f - 100.0f);
        if (n == 0)
            std::snprintf(text, size, "C");
        else
            std::snprintf(text, size, n < 0 ? "%dL" : "%dR", n < 0 ? -n : n);
        break;
    }
    // What the players play, -36..36 semitones.
    case kPitchRow: std::snprintf(text, size, "%d", static_cast<int>(value * 72.99f - 36.0f)); break;
    case kLengthRow:
    case kModulationRow: std::snprintf(text, size, "%d", static_cast<int>(value * 200.0f - 100.0f)); break;
    case kOffsetRow: std::snprintf(text, size, "%d", static_cast<int>(value * 99.9f)); break;
    default: text[0] = 0; break;
    }
}

APlugin* PatternGrid::editorPlugin()
{
    PluginGUIEditor* editor = getEditor();
    return editor != nullptr ? static_cast<APlugin*>(editor->getEffect()) : nullptr;
}

float PatternGrid::readPatternParameter(std::int32_t index)
{
    APlugin* owner = editorPlugin();
    return owner != nullptr ? owner->getParameterValue(index) : 0.0f;
}

void PatternGrid::writePatternParameter(std::int32_t index, float value)
{
    if (APlugin* owner = editorPlugin())
        owner->setPatternParameter(index, value);
}

float PatternGrid::readPatternStepValue(std::int32_t base, std::int32_t step)
{
    return readPatternParameter(base + 16 * pattern + step);
}

float PatternGrid::readTrackStepValue(std::int32_t base, std::int32_t trackIndex, std::int32_t step)
{
    return readPatternParameter(base + 16 * (4 * pattern + trackIndex) + step);
}

bool PatternGrid::isTrackStepSet(std::int32_t base, std::int32_t trackIndex, std::int32_t step)
{
    return readTrackStepValue(base, trackIndex, step) >= 0.5f;
}

void PatternGrid::toggleTrackStep(std::int32_t base, std::int32_t trackIndex, std::int32_t step)
{
    const bool set = isTrackStepSet(base, trackIndex, step);
    writePatternParameter(base + 16 * (4 * pattern + trackIndex) + step, set ? 0.0f : 1.0f);
}

void PatternGrid::resetStepField(std::int32_t row, std::int32_t trackIndex, std::int32_t step)
{
    const std::int32_t at = 16 * (4 * pattern + trackIndex) + step;
    switch (row) {
    case kVelocityRow: writePatternParameter(kStepVelocity + at, 1.0f); break;
    case kPanRow: writePatternParameter(kStepPan + at, 0.5f); break;
    case kPitchRow: writePatternParameter(kStepPitch + at, 0.5f); break;
    case kLengthRow: writePatternParameter(kStepLength + at, 0.5f); break;
    case kOffsetRow: writePatternParameter(kStepOffset + at, 0.0f); break;
    case kModulationRow: writePatternParameter(kModulationValue + 16 * pattern + step, 0.5f); break;
    default: break;
    }
}

void PatternGrid::drawImage(Toolkit::CDrawContext* context, std::int32_t id, const CRect& rect, const CPoint& from)
{
    auto* owner = dynamic_cast<uEditor*>(getEditor());
    if (Toolkit::CBitmap* picture = owner != nullptr ? owner->image(id) : nullptr)
        picture->drawTransparent(context, rect, from);
}

void PatternGrid::drawHeader(Toolkit::CDrawContext* context, std::int32_t column, std::int32_t headerTop)
{
    const auto x0 = static_cast<std::int32_t>(static_cast<float>(column) * columnWidth + static_cast<float>(left - 1));
    drawImage(context, column == currentStep ? kPlayingStepNumbers : kStepNumbers,
              CRect(x0, headerTop, x0 + kHeaderWidth, headerTop + kHeaderHeight), CPoint(0, kHeaderHeight * column));
}

void PatternGrid::draw(Toolkit::CDrawContext* context)
{
    if (context == nullptr)
        return;
    context->setFont(kGridFont);
    bool bypassed[4];
    for (std::int32_t k = 0; k < 4; ++k)
        bypassed[k] = readPatternParameter(kTrackBypass + 4 * pattern + k) > 0.5f;
    const auto first = static_cast<std::int32_t>(readPatternParameter(kStartStep + pattern) * kStepScale);
    // The end step is played too.
    const std::int32_t count = static_cast<std::int32_t>(readPatternParameter(kEndStep + pattern) * kStepScale) + 1;
    if (view == 0)
        drawEditView(context, first, count, bypassed);
    else
        drawOverview(context, first, count, bypassed);
    setDirty(false);
}

void PatternGrid::drawEditView(Toolkit::CDrawContext* context, std::int32_t first, std::int32_t count,
                              const bool* bypassed)
{
    char text[16];
    for (std::int32_t i = 0; i < count; ++i) {
        drawHeader(context, i, top - 1);
        const bool dimmed = i < first || bypassed[track];
        context->setFontColor(dimmed ? kDimText : kText);
        const bool on = isTrackStepSet(kStepOn, track, i);
        const auto x = static_cast<std::int32_t>(static_cast<float>(i) * columnWidth + static_cast<float>(left));
        for (std::int32_t row = kOnRow; row <= kModulationRow; ++row) {
            const auto y = static_cast<std::int32_t>(static_cast<float>(row + 1) * rowHeight + static_cast<float>(top));
            const CRect cell(x + 1, y - 3, x + 1 + kCellSize, y - 3 + kCellSize);
            const CRect textRect(x - 1, y, x - 1 + static_cast<std::int32_t>(columnWidth - 2.0f),
                                 y + static_cast<std::int32_t>(rowHeight));
            if (row == kOnRow) {
                if (on)
                    drawImage(context, dimmed ? kDimStepImage : kStepImage, cell, CPoint(0, 0));
            } else if (row == kFlamRow) {
                if (on && isTrackStepSet(kStepFlam, track, i))
                    drawImage(context, dimmed ? kDimFlamImage : kFlamImage, cell, CPoint(0, 0));
            } else if (row == kModulationRow || on) {
                const float value = row == kModulationRow ? readPatternStepValue(kModulationValue, i)
                                                          : readTrackStepValue(fieldBase(row), track, i);
                fieldText(row, value, text, sizeof text);
                context->drawString(text, textRect, false, Toolkit::kAlignCentre);
            }
        }
    }
}

void PatternGrid::drawOverview(Toolkit::CDrawContext* context, std::int32_t first, std::int32_t count,
                              const bool* bypassed)
{
    for (std::int32_t i = 0; i < count; ++i) {
        drawHeader(context, i, top + 7);
        const auto x2 = static_cast<std::int32_t>(static_cast<float>(i) * columnWidth + static_cast<float>(left + 4));
        for (std::int32_t k = 0; k < 4; ++k) {
            const auto y2 = static_cast<std::int32_t>(static_cast<float>(k + 1) * kOverviewRowPitch + static_cast<float>(top + 4));
            if (isTrackStepSet(kStepOn, k, i))
                drawImage(context, bypassed[k] || i < first ? kDimStepImage : kStepImage,
                          CRect(x2, y2, x2 + kCellSize, y2 + kCellSize), CPoint(0, 0));
        }
    }
}

void PatternGrid::mouse(Toolkit::CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    (void)where;
    if (!mouseEnabled || context == nullptr || editorPlugin() == nullptr)
        return;
    buttons = editor::clickButtons(context, buttons);
    CPoint at;
    getMouseLocation(context, at);
    const std::int32_t x = at.h - left;
    const std::int32_t y = at.v - top;
    const auto column = static_cast<std::int32_t>(static_cast<float>(x) / columnWidth);
    const std::int32_t row = static_cast<std::int32_t>(static_cast<float>(y) / rowHeight) - 1;

    if ((buttons & Toolkit::kRightButton) != 0) {
        getMouseLocation(context, at);
        showPatternMenu(context, CPoint(at.h - left, at.v - top));
        return;
    }
    // The grid's last pixel column would address a seventeenth step, which belongs to the next track.
    if ((buttons & Toolkit::kLeftButton) == 0 || column < 0 || column >= kColumnCount)
        return;
    if (view != 0) {
        const auto k = static_cast<std::int32_t>(static_cast<float>(y) / kOverviewRowPitch);
        if (k >= 1 && k <= 4)
            toggleTrackStep(kStepOn, k - 1, column);
        setDirty(true);
        return;
    }
    if (buttons == Toolkit::kDefaultValueClick) {
        resetStepField(row, track, column);
        setDirty(true);
        return;
    }
    switch (row) {
    case kOnRow:
    case kFlamRow:
        toggleTrackStep(row == kOnRow ? kStepOn : kStepFlam, track, column);
        doIdleStuff();
        setDirty(true);
        break;
    case kVelocityRow:
    case kPanRow:
    case kPitchRow:
    case kLengthRow:
    case kOffsetRow:
    case kModulationRow: dragValue(context, row, column, buttons); break;
    default: setDirty(true); break;
    }
}

// Right and up raise the value. Shift taken during the drag makes it ten times finer from where the
// value stands, so the value does not jump; the finer scale stays when Shift is let go.
void PatternGrid::dragValue(Toolkit::CDrawContext* context, std::int32_t row, std::int32_t column, std::int32_t buttons)
{
    const std::int32_t index = row == kModulationRow ? kModulationValue + 16 * pattern + column
                                                     : fieldBase(row) + 16 * (4 * pattern + track) + column;
    float anchor = readPatternParameter(index);
    float scale = (buttons & Toolkit::kShiftHeld) != 0 ? 2000.0f : 200.0f;
    float step = (vmax - vmin) / scale;
    CPoint start;
    getMouseLocation(context, start);
    CPoint previous = start;
    CPoint at = start;
    std::int32_t lastButtons = buttons;
    std::int32_t held = buttons;
    do {
        held = context->getMouseButtons();
        getMouseLocation(context, at);
        if (!(at == previous)) {
            previous = at;
            const auto distance = static_cast<float>((at.h - start.h) - (at.v - start.v));
            if (held != lastButtons) {
                if ((held & Toolkit::kShiftHeld) != 0)
                    scale *= 10.0f;
                const float newStep = (vmax - vmin) / scale;
                anchor += (step - newStep) * distance;
                step = newStep;
                lastButtons = held;
            }
            writePatternParameter(index, distance * step + anchor);
            setDirty(true);
        }
        doIdleStuff();
    } while ((held & Toolkit::kLeftButton) != 0);
    setDirty(true);
}

void PatternGrid::showPatternMenu(Toolkit::CDrawContext* context, const CPoint& where)
{
    plugin = editorPlugin();
    auto* parent = dynamic_cast<Toolkit::CViewContainer*>(getParentView());
    if (plugin == nullptr || parent == nullptr)
        return;
    // Where the pointer is, in the container's coordinates the menu is placed in.
    const CPoint m(where.h + left, where.v + top);
    auto* menu = new Toolkit::COptionMenu(CRect(m.h - kMenuReach, m.v - kMenuReach, m.h + kMenuReach, m.v + kMenuReach),
                                          nullptr, uEditor::kCommandTag, nullptr, nullptr, kPopupWithoutDrawing);
    float bypass[4];
    for (std::int32_t k = 0; k < 4; ++k)
        bypass[k] = readPatternParameter(kTrackBypass + 4 * pattern + k);
    for (const char* entry : {"Pattern Menu", "-", "Copy Track", "Paste Track", "Clear Track", "Random Track",
                              "Move Track Left", "Move Track Right", "-", "Copy Pattern", "Paste Pattern",
                              "Clear Pattern", "-", "Copy All Pattern", "Paste All Pattern", "Clear All Pattern", "-",
                              "Load Pattern", "Save Pattern", "-"})
        menu->addEntry(entry);
    for (std::int32_t k = 1; k <= 4; ++k) {
        std::string entry = "Bypass Track ";
        entry.append(std::to_string(k)).append(bypass[k - 1] >= 0.5f ? " : On" : " : Off");
        menu->addEntry(entry.c_str());
    }
    menu->addEntry("-");
    menu->addEntry("Undo");

    parent->addView(menu);
    menu->mouse(context, m, Toolkit::kButtonsUnread);
    parent->looseFocus(context);
    runMenuChoice(menu->getCurrent(nullptr, false), bypass);
    parent->removeView(menu, true);
    doIdleStuff();
    setDirty(true);
}

void PatternGrid::runMenuChoice(std::int32_t choice, const float* bypass)
{
    if (choice >= 1 && choice < kFirstBypassChoice)
        plugin->handlePatternMenu(kChoiceCommands[choice - 1], pattern, track);
    else if (choice >= kFirstBypassChoice && choice < kUndoChoice)
        writePatternParameter(kTrackBypass + 4 * pattern + (choice - kFirstBypassChoice),
                              1.0f - bypass[choice - kFirstBypassChoice]);
    else if (choice == kUndoChoice)
        plugin->handlePatternMenu(kUndoCommand, pattern, track);
}
