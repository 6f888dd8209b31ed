#pragma once

// A view that holds one float value, a tag and a listener. The value normally lies in vmin..vmax; the
// control is drawn again when its value differs from the one it was last drawn with. A change the user
// makes is reported as beginEdit, the listener's valueChanged any number of times, then endEdit.

#include "platform/win_types.h"
#include "toolkit/control_listener.h"
#include "toolkit/view.h"

#include <cstdint>
#include <optional>

namespace Toolkit {

class CControl : public CView {
public:
    CControl(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background);
    ~CControl() override = default;

    void draw(CDrawContext* context) override = 0;
    // Dirty when the value moved since the last draw, or when marked.
    bool isDirty() override;
    void setDirty(bool state) override;
    bool isTypeOf(const char* type) override;

    // One modal idle pass of the frame, so that the window keeps painting during a mouse loop.
    virtual void doIdleStuff();
    // Not clamped, not redrawn: the frame's update pass finds the control dirty.
    virtual void setValue(float newValue) { value = newValue; }
    virtual float getValue() { return value; }
    virtual void setMin(float newMin) { vmin = newMin; }
    virtual float getMin() { return vmin; }
    virtual void setMax(float newMax) { vmax = newMax; }
    virtual float getMax() { return vmax; }
    virtual void setOldValue(float newOldValue) { oldValue = newOldValue; }
    virtual float getOldValue() { return oldValue; }
    virtual void setDefaultValue(float newDefault) { defaultValue = newDefault; }
    virtual float getDefaultValue() { return defaultValue; }
    virtual void setTag(std::int32_t newTag) { tag = newTag; }
    virtual std::int32_t getTag() { return tag; }
    // Makes the control the frame's focus view and opens the edit of its tag; nothing without a frame.
    virtual void beginEdit();
    virtual void endEdit();
    virtual void setBackOffset(const CPoint& offset) { backOffset = offset; }
    // The background's drawing starts where the control lies: one picture behind many controls.
    virtual void copyBackOffset() { backOffset = size.topLeft(); }
    virtual void setWheelInc(float increment) { wheelInc = increment; }
    virtual float getWheelInc() { return wheelInc; }
    // Clamps the value into vmin..vmax.
    virtual void bounceValue();
    // Left with Ctrl and nothing else restores the default value and reports it; answers whether it did.
    virtual bool checkDefaultValue(CDrawContext* context, std::int32_t buttons);

    // Whether this click follows the last one within the double-click time. A double click ends the
    // pair: a third click starts a new one.
    bool isDoubleClick();

protected:
    // The start every mouse handler shares: whether the click goes on to the control, with the buttons
    // read when they came unread. A control needs a context to poll the mouse. A listener may take a
    // click with a modifier for itself; leftFirst drops a click without the left button before that.
    bool mouseGoesOn(CDrawContext* context, std::int32_t& buttons, bool leftFirst);
    // The wheel and the arrow keys step the value by wheelInc, a tenth as far with Shift, and report a
    // change between beginEdit and endEdit. Up and right step up; a wheel turn is consumed even at a bound.
    bool stepByWheel(CDrawContext* context, float distance);
    // −1 for any other key.
    std::int32_t stepByArrowKey(PlugKeyCode& key);
    void report(CDrawContext* context);
    void reportIfDirty(CDrawContext* context);
    // The background at the control's rectangle from the point in the bitmap.
    void drawBackgroundFrom(CDrawContext* context, const CPoint& from);
    // A two-image button: the image at the offset for 0, the one below it for any other value.
    void drawOffOrOnImage(CDrawContext* context, const CPoint& offset, std::int32_t heightOfOneImage);
    // While the left button is held, the value is `pressed` over the rectangle and back as it was beside
    // it, reported on change; a click with another button just presses.
    void followPressWhileHeld(CDrawContext* context, const CPoint& where, float pressed);

    CControlListener* listener;
    std::int32_t tag;
    float oldValue = 1.0f;
    float defaultValue = 0.5f;
    float value = 0.0f;
    float vmin = 0.0f;
    float vmax = 1.0f;
    float wheelInc = 0.1f;
    // The frame's tick count at the first click of a pair; none before a click and after a pair.
    std::optional<DWORD> lastTicks;
    DWORD doubleClickDelta;
    CPoint backOffset;
};

} // namespace Toolkit
