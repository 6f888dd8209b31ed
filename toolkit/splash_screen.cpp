#include "toolkit/splash_screen.h"

#include "toolkit/bitmap.h"
#include "toolkit/frame.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/splash_screen_view.h"

#include <cstring>

namespace Toolkit {

CSplashScreen::CSplashScreen(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
    const CRect& toDisplay, const CPoint& offset)
    : CControl(size, listener, tag, background), toDisplay(toDisplay), offset(offset)
{
}

bool CSplashScreen::isTypeOf(const char* type)
{
    return std::strcmp(type, "CSplashScreen") == 0 || CControl::isTypeOf(type);
}

bool CSplashScreen::hitTest(const CPoint& where, std::int32_t buttons)
{
    return (buttons & kLeftButton) != 0 && CControl::hitTest(where, buttons);
}

void CSplashScreen::setAlphaValue(std::uint8_t alpha)
{
    alphaValue = alpha;
    if (alpha != 255)
        setTransparency(true);
}

void CSplashScreen::draw(CDrawContext* context)
{
    if (value != 0.0f)
        drawPicture(context);
    setDirty(false);
}

void CSplashScreen::drawPicture(CDrawContext* context)
{
    if (background == nullptr)
        return;
    if (!transparencyEnabled)
        background->draw(context, toDisplay, offset);
    else if (alphaValue == 0)
        background->drawTransparent(context, toDisplay, offset);
    else
        background->drawAlphaBlend(context, toDisplay, offset, alphaValue);
}

// A picture the frame refuses (another modal view is up) is let go at once.
void CSplashScreen::mouse(CDrawContext* context, const CPoint&, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, true))
        return;
    value = value == 0.0f ? 1.0f : 0.0f;
    if (value != 0.0f) {
        auto* view = new CSplashScreenView(toDisplay, this);
        if (parentFrame != nullptr && parentFrame->setModalView(view))
            report(context);
        else
            view->forget();
    }
    setDirty(true);
}

void CSplashScreen::unSplash()
{
    if (value == 0.0f)
        return;
    value = 0.0f;
    report(nullptr);
}

} // namespace Toolkit
