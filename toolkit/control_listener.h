#pragma once

// Whoever a control tells of the changes its user makes. The editor is the one listener of its
// controls: it turns the control's value into a parameter value.

#include <cstdint>

namespace Toolkit {

class CControl;
class CDrawContext;

class CControlListener {
public:
    // The context may be null.
    virtual void valueChanged(CDrawContext* context, CControl* control) = 0;
    // Offered every click with a modifier held before the control acts on it; non-zero keeps it from
    // the control.
    virtual std::int32_t controlModifierClicked(CDrawContext* context, CControl* control, std::int32_t buttons) = 0;

protected:
    // Listeners are not deleted through this interface.
    ~CControlListener() = default;
};

} // namespace Toolkit
