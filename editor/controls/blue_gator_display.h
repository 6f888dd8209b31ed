#pragma once

// The gate pattern of the "Gator" effect: sixteen step cells in a row, each one bit of a 16-bit mask that
// the control's value carries. A click toggles the cell under it.

#include "toolkit/control.h"

#include <cstdint>

class blueGatorDisplay : public Toolkit::CControl {
public:
    static constexpr int kStepCount = 16;
    static constexpr std::int32_t kCellPitch = 13;

    blueGatorDisplay(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag);

    void draw(Toolkit::CDrawContext* context) override;
    // Any button toggles the cell under the pointer, once per click; a drag toggles nothing more.
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;

    // The mask a value carries, and the value that carries a mask: exact as a float for every mask.
    static std::uint32_t maskOf(float value);
    static float valueOf(std::uint32_t mask);
};
