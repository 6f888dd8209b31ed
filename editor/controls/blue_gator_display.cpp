#include "editor/controls/blue_gator_display.h"

#include "editor/controls/box_drawing.h"
#include "editor/controls/control_clicks.h"
#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

namespace {

constexpr Toolkit::CColor kCellFrame{124, 124, 124, 0};
constexpr Toolkit::CColor kCellFill{96, 96, 96, 0};
constexpr std::int32_t kCellWidth = 11;
constexpr std::int32_t kCellHeight = 10;
// Just below 65536, so that 1.0 reads as every step and no value reads past the mask.
constexpr double kMaskScale = 65535.8984375;
constexpr std::int32_t kAnyButton = Toolkit::kLeftButton | Toolkit::kMiddleButton | Toolkit::kRightButton;

} // namespace

blueGatorDisplay::blueGatorDisplay(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag)
    : CControl(size, listener, tag, nullptr)
{
}

std::uint32_t blueGatorDisplay::maskOf(float value)
{
    if (!(value > 0.0f))
        return 0;
    if (value >= 1.0f)
        return 0xffff;
    return static_cast<std::uint32_t>(static_cast<double>(value) * kMaskScale);
}

float blueGatorDisplay::valueOf(std::uint32_t mask)
{
    return static_cast<float>((static_cast<double>(mask & 0xffff) + 0.5) / 65536.0);
}

void blueGatorDisplay::draw(Toolkit::CDrawContext* context)
{
    const std::uint32_t mask = maskOf(value);
    context->setFrameColor(kCellFrame);
    context->setFillColor(kCellFill);
    for (int i = 0; i < kStepCount; ++i) {
        const std::int32_t left = size.left + kCellPitch * i;
        editor::drawBoxFrame(left, size.top, left + kCellWidth, size.top + kCellHeight, context);
        if ((mask >> i) & 1u)
            editor::drawBoxFill(left, size.top, left + kCellWidth, size.top + kCellHeight, context);
    }
    setDirty(false);
}

void blueGatorDisplay::mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons)
{
    if (!mouseEnabled || (editor::clickButtons(context, buttons) & kAnyButton) == 0)
        return;
    const std::int32_t cell = (where.h - size.left) / kCellPitch;
    if (where.h < size.left || cell >= kStepCount)
        return;
    // The idle may lay the page out again and set the row from its parameter: the toggle comes after it,
    // so that it is not lost.
    doIdleStuff();
    value = valueOf(maskOf(value) ^ (1u << cell));
    setDirty(true);
    report(context);
}
