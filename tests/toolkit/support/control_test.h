#pragma once

// What the tests of controls share: a listener and a frame that log what reaches them in one log, a
// frame in a host window away from the screen's origin with a script to play the mouse, and the
// colours of the filmstrips' images.

#include "platform/menu/menu_script.h"
#include "platform/menu/menu_testing.h"
#include "tests/toolkit/support/toolkit_test.h"
#include "toolkit/control.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"

#include <cstdio>
#include <string>
#include <vector>

namespace kravo::test {

inline std::string valueText(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

// Logs "changed <value>" and "modifier <buttons>"; answers modifier clicks with modifierAnswer.
class RecordingListener : public Toolkit::CControlListener {
public:
    explicit RecordingListener(std::vector<std::string>& log) : log_(log) {}

    void valueChanged(Toolkit::CDrawContext* context, Toolkit::CControl* control) override
    {
        changed.push_back(control);
        values.push_back(control->getValue());
        contexts.push_back(context);
        log_.push_back("changed " + valueText(control->getValue()));
    }
    std::int32_t controlModifierClicked(Toolkit::CDrawContext*, Toolkit::CControl*, std::int32_t buttons) override
    {
        log_.push_back("modifier " + std::to_string(buttons));
        return modifierAnswer;
    }

    std::vector<Toolkit::CControl*> changed;
    std::vector<float> values;
    std::vector<Toolkit::CDrawContext*> contexts;
    std::int32_t modifierAnswer = 0;

private:
    std::vector<std::string>& log_;
};

// Logs "begin <tag>" and "end <tag>", and "idle" for each idle pass when asked to; an idle pass
// redraws what became dirty, as the editor's does. Its tick count is the test's.
class LoggingFrame : public Toolkit::CFrame {
public:
    LoggingFrame(const Toolkit::CRect& size, HWND parent, std::vector<std::string>& log)
        : CFrame(size, parent, nullptr), log_(log)
    {
    }

    void beginEdit(std::int32_t index) override { log_.push_back("begin " + std::to_string(index)); }
    void endEdit(std::int32_t index) override { log_.push_back("end " + std::to_string(index)); }
    void doIdleStuff() override
    {
        ++idlePasses;
        if (logIdle)
            log_.push_back("idle");
        idle();
    }
    DWORD getTicks() override { return ticks; }

    DWORD ticks = 0;
    int idlePasses = 0;
    bool logIdle = false;

private:
    std::vector<std::string>& log_;
};

// A frame in a host window at (300, 200) on the screen, 100 by 80, painted once; menus reset around
// each test.
class ControlWindowTest : public ToolkitWindowTest {
protected:
    static constexpr POINT kFrameOnScreen{300, 200};

    void SetUp() override
    {
        ToolkitWindowTest::SetUp();
        platform::resetMenus();
        registerRecordingClass();
        host = makeWindow(nullptr, {kFrameOnScreen.x, kFrameOnScreen.y, kFrameOnScreen.x + 100, kFrameOnScreen.y + 80});
        frame = new LoggingFrame({0, 0, 100, 80}, host, log);
        platform::pumpMessages();
    }
    void TearDown() override
    {
        frame->forget();
        DestroyWindow(host);
        EXPECT_EQ(platform::menuCount(), 0u) << "menus were left behind";
        platform::resetMenus();
        ToolkitWindowTest::TearDown();
    }

    // Added and drawn.
    template <class C>
    C* added(C* control)
    {
        frame->addView(control);
        frame->idle();
        return control;
    }

    // The frame's point on the screen.
    void moveTo(int x, int y) { script().move(kFrameOnScreen.x + x, kFrameOnScreen.y + y); }
    void clickAt(int x, int y, int button = VK_LBUTTON)
    {
        moveTo(x, y);
        script().press(button);
        script().wait(10);
        script().release(button);
        script().wait(10);
        runScript();
    }

    platform::MenuScript& choices() { return platform::menuScript(); }

    std::vector<std::string> log;
    HWND host = nullptr;
    LoggingFrame* frame = nullptr;
};

// The colour a strip's image shows once drawn: opaque, so its channels as the blend stores them.
inline Toolkit::CColor shownStripColour(int image)
{
    const std::uint32_t stored = storedPixel(test_images::detail::stripImageColour(image));
    return {static_cast<std::uint8_t>((stored >> 16) & 0xFF), static_cast<std::uint8_t>((stored >> 8) & 0xFF),
        static_cast<std::uint8_t>(stored & 0xFF), 255};
}

// The image of the strip whose colour the context shows at the point; −1 for none.
inline int stripImageAt(Toolkit::CDrawContext& context, const Toolkit::CPoint& point, int images)
{
    const Toolkit::CColor shown = context.getPoint(point);
    for (int image = 0; image < images; ++image)
        if (shownStripColour(image) == shown)
            return image;
    return -1;
}

} // namespace kravo::test
