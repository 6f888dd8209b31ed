#pragma once

// The editor's fader: a handle that travels down its track as the value falls, with the value as a short
// text above it.

#include "toolkit/control.h"

#include <cstddef>

class myVSlider : public Toolkit::CControl {
public:
    // Read-out texts hold at most this many characters with the end.
    static constexpr std::size_t kReadoutSize = 16;

    // The handle is not held: the editor's images outlive the control.
    myVSlider(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
              Toolkit::CBitmap* background, Toolkit::CBitmap* handle, float travel, std::int32_t format);

    void draw(Toolkit::CDrawContext* context) override;
    // A left press puts the handle under the pointer and drags it, twenty times finer with Shift; Ctrl+left
    // alone restores the parameter's default; the right button opens the editor's context menu.
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;

    // The value's read-out: 0 −100..100, 1 −12..12, 2 −4..4, 3 3200 down to 3, 4 dry/wet balance
    // ("C", "50D", "50W").
    static void readoutText(float value, std::int32_t format, char (&text)[kReadoutSize]);

private:
    // Where the handle's range starts below the control's top.
    static constexpr std::int32_t kHandleTop = 23;

    float travel;
    std::int32_t format;
    Toolkit::CBitmap* handle;
};
