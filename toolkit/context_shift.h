#pragma once

// While a container lets its children work on a drawing context directly, the context's screen offset
// and drawing origin are moved by the container's corner; they are put back when the shift ends.

#include "toolkit/draw_context.h"

namespace Toolkit {

class ContextShift {
public:
    // Without a context nothing is moved.
    ContextShift(CDrawContext* context, const CPoint& by) : context_(context), by_(by) { move(1); }
    ~ContextShift() { move(-1); }
    ContextShift(const ContextShift&) = delete;
    ContextShift& operator=(const ContextShift&) = delete;

private:
    void move(std::int32_t sign)
    {
        if (context_ == nullptr)
            return;
        context_->offsetScreen.offset(sign * by_.h, sign * by_.v);
        context_->offset.offset(sign * by_.h, sign * by_.v);
    }

    CDrawContext* context_;
    CPoint by_;
};

} // namespace Toolkit
