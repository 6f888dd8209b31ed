#include "toolkit/splash_screen_view.h"

#include "toolkit/draw_context.h"
#include "toolkit/frame.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/splash_screen.h"

namespace Toolkit {

CSplashScreenView::CSplashScreenView(const CRect& toDisplay, CSplashScreen* splashScreen)
    : CView(toDisplay), splashScreen(splashScreen)
{
}

void CSplashScreenView::draw(CDrawContext* context)
{
    splashScreen->drawPicture(context);
    setDirty(false);
}

void CSplashScreenView::mouse(CDrawContext* context, const CPoint&, std::int32_t buttons)
{
    if (buttons == kButtonsUnread && context != nullptr)
        buttons = context->getMouseButtons();
    if ((buttons & kLeftButton) == 0)
        return;
    splashScreen->unSplash();
    if (parentFrame != nullptr) {
        parentFrame->setDirty(true);
        parentFrame->setModalView(nullptr);
    }
    forget();
}

} // namespace Toolkit
