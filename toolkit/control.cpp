#include "toolkit/control.h"

#include "platform/window/system_metrics.h"
#include "toolkit/bitmap.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"
#include "toolkit/mouse_buttons.h"

#include <algorithm>
#include <cstring>

namespace Toolkit {

namespace {

// Shorter system settings make double clicks too hard to hit.
constexpr DWORD kShortestDoubleClick = 250;

// The plug-in interface's arrow keys, and its Shift modifier bit.
constexpr unsigned char kLeftArrow = 11;
constexpr unsigned char kUpArrow = 12;
constexpr unsigned char kRightArrow = 13;
constexpr unsigned char kDownArrow = 14;
constexpr unsigned char kShiftModifier = 1;
constexpr float kFineStep = 0.1f;

} // namespace

CControl::CControl(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background)
    : CView(size), listener(listener), tag(tag), doubleClickDelta(std::max(GetDoubleClickTime(), kShortestDoubleClick))
{
    setBackground(background);
    // Installing the background marked the control dirty through setDirty, which moved oldValue; a new
    // control still starts from 1.0, as a level meter falls from it.
    oldValue = 1.0f;
}

bool CControl::isDirty()
{
    return value != oldValue || CView::isDirty();
}

// Marked dirty, oldValue is put where the value cannot be, so that the value differs from it.
void CControl::setDirty(bool state)
{
    CView::setDirty(state);
    if (state)
        oldValue = value == -1.0f ? 0.0f : -1.0f;
    else
        oldValue = value;
}

bool CControl::isTypeOf(const char* type)
{
    return std::strcmp(type, "CControl") == 0 || CView::isTypeOf(type);
}

void CControl::doIdleStuff()
{
    if (parentFrame != nullptr)
        parentFrame->doIdleStuff();
}

void CControl::beginEdit()
{
    if (parentFrame == nullptr)
        return;
    parentFrame->setFocusView(this);
    parentFrame->beginEdit(tag);
}

void CControl::endEdit()
{
    if (parentFrame != nullptr)
        parentFrame->endEdit(tag);
}

void CControl::bounceValue()
{
    if (value > vmax)
        value = vmax;
    else if (value < vmin)
        value = vmin;
}

bool CControl::checkDefaultValue(CDrawContext* context, std::int32_t buttons)
{
    if (buttons != kDefaultValueClick)
        return false;
    beginEdit();
    value = getDefaultValue();
    reportIfDirty(context);
    endEdit();
    return true;
}

// Tick counts wrap every 49 days: only the time between two clicks counts.
bool CControl::isDoubleClick()
{
    if (parentFrame == nullptr)
        return false;
    const DWORD ticks = parentFrame->getTicks();
    if (lastTicks && ticks - *lastTicks < doubleClickDelta) {
        lastTicks.reset();
        return true;
    }
    lastTicks = ticks;
    return false;
}

bool CControl::mouseGoesOn(CDrawContext* context, std::int32_t& buttons, bool leftFirst)
{
    if (!mouseEnabled || context == nullptr)
        return false;
    if (buttons == kButtonsUnread)
        buttons = context->getMouseButtons();
    if (leftFirst && (buttons & kLeftButton) == 0)
        return false;
    if (listener != nullptr && (buttons & kAnyModifier) != 0 &&
        listener->controlModifierClicked(context, this, buttons) != 0)
        return false;
    return (buttons & kLeftButton) != 0;
}

bool CControl::stepByWheel(CDrawContext* context, float distance)
{
    if (!mouseEnabled)
        return false;
    const bool fine = context != nullptr && (context->getMouseButtons() & kShiftHeld) != 0;
    value += wheelInc * distance * (fine ? kFineStep : 1.0f);
    bounceValue();
    if (isDirty() && listener != nullptr) {
        beginEdit();
        report(context);
        endEdit();
    }
    return true;
}

std::int32_t CControl::stepByArrowKey(PlugKeyCode& key)
{
    float step = 0.0f;
    switch (key.virt) {
    case kUpArrow:
    case kRightArrow: step = 1.0f; break;
    case kLeftArrow:
    case kDownArrow: step = -1.0f; break;
    default: return -1;
    }
    if ((key.modifier & kShiftModifier) != 0)
        step *= kFineStep;
    value += step * wheelInc;
    bounceValue();
    if (isDirty() && listener != nullptr) {
        beginEdit();
        report(nullptr);
        endEdit();
    }
    return 1;
}

void CControl::report(CDrawContext* context)
{
    if (listener != nullptr)
        listener->valueChanged(context, this);
}

void CControl::reportIfDirty(CDrawContext* context)
{
    if (isDirty())
        report(context);
}

void CControl::drawBackgroundFrom(CDrawContext* context, const CPoint& from)
{
    if (background == nullptr)
        return;
    if (transparencyEnabled)
        background->drawTransparent(context, size, from);
    else
        background->draw(context, size, from);
}

void CControl::drawOffOrOnImage(CDrawContext* context, const CPoint& offset, std::int32_t heightOfOneImage)
{
    CPoint from = offset;
    bounceValue();
    if (value != 0.0f)
        from.v += heightOfOneImage;
    drawBackgroundFrom(context, from);
    setDirty(false);
}

void CControl::followPressWhileHeld(CDrawContext* context, const CPoint& where, float pressed)
{
    const float entry = value;
    if (context->getMouseButtons() != kLeftButton) {
        value = pressed;
        report(context);
        return;
    }
    CPoint at = where;
    do {
        value = containsWithEdges(size, at) ? pressed : entry;
        reportIfDirty(context);
        getMouseLocation(context, at);
        doIdleStuff();
    } while (context->getMouseButtons() == kLeftButton);
}

} // namespace Toolkit
