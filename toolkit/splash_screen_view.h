#pragma once

// The picture of a splash screen while it is up: the frame's modal view, which a left click takes away.

#include "toolkit/view.h"

namespace Toolkit {

class CSplashScreen;

class CSplashScreenView : public CView {
public:
    // The splash screen outlives its picture.
    CSplashScreenView(const CRect& toDisplay, CSplashScreen* splashScreen);
    ~CSplashScreenView() override = default;

    void draw(CDrawContext* context) override;
    // Ends the splash and the modal view; the view is gone when this returns.
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;

private:
    CSplashScreen* splashScreen;
};

} // namespace Toolkit
