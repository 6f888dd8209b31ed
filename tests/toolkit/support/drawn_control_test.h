#pragma once

// A fixture for controls drawn and clicked without a window: a square logging frame, 60 wide unless a
// fixture gives another size, with a black buffer to draw into, a context that draws nothing for mouse
// calls, and one listener logging with the frame.

#include "tests/toolkit/support/control_test.h"
#include "toolkit/offscreen_context.h"

#include <gtest/gtest.h>

namespace kravo::test {

class DrawnControlTest : public ToolkitTest {
protected:
    static constexpr std::int32_t kTag = 3;

    explicit DrawnControlTest(int size = 60) : size_(size) {}

    void SetUp() override
    {
        ToolkitTest::SetUp();
        frame = new LoggingFrame({0, 0, size_, size_}, nullptr, log);
        buffer = new Toolkit::COffscreenContext(frame, size_, size_, Toolkit::kBlackColor);
        noDrawing = new Toolkit::CDrawContext(frame, nullptr, nullptr);
    }
    void TearDown() override
    {
        noDrawing->forget();
        buffer->forget();
        frame->forget();
        ToolkitTest::TearDown();
    }

    template <class C>
    C* added(C* control)
    {
        frame->addView(control);
        return control;
    }
    // The image of a strip of `images` that the buffer shows at the point after the control is drawn.
    int drawnImage(Toolkit::CControl& control, Toolkit::CPoint at, int images)
    {
        clearBuffer();
        control.draw(buffer);
        return stripImageAt(*buffer, at, images);
    }
    void clearBuffer()
    {
        buffer->setFillColor(Toolkit::kBlackColor);
        buffer->drawRect({0, 0, size_, size_}, Toolkit::kFill);
    }

    std::vector<std::string> log;
    RecordingListener listener{log};
    LoggingFrame* frame = nullptr;
    Toolkit::COffscreenContext* buffer = nullptr;
    Toolkit::CDrawContext* noDrawing = nullptr;

private:
    int size_;
};

} // namespace kravo::test
