#pragma once

// The fixture of the tests of the editor's own controls: an open editor that logs what its controls
// tell it (values, edit brackets, context-menu requests), controls added straight to its frame, scripted
// mouse gestures at points of the editor's window, and pictures of controls drawn into a buffer.

#include "tests/editor/editor_test.h"
#include "toolkit/bitmap.h"
#include "toolkit/control.h"
#include "toolkit/offscreen_context.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kravo::test {

class LoggingEditor : public uEditor {
public:
    using uEditor::uEditor;

    void valueChanged(Toolkit::CDrawContext*, Toolkit::CControl* control) override
    {
        char text[32];
        std::snprintf(text, sizeof text, "changed %g", static_cast<double>(control->getValue()));
        log.emplace_back(text);
        values.push_back(control->getValue());
    }
    bool beginEdit(std::int32_t index) override
    {
        log.push_back("begin " + std::to_string(index));
        return uEditor::beginEdit(index);
    }
    bool endEdit(std::int32_t index) override
    {
        log.push_back("end " + std::to_string(index));
        return uEditor::endEdit(index);
    }
    void controlContextMenu(Toolkit::CDrawContext*, Toolkit::CControl* control, const Toolkit::CPoint& where) override
    {
        log.emplace_back("context menu");
        menus.emplace_back(control, where);
    }

    std::vector<std::string> log;
    std::vector<float> values;
    std::vector<std::pair<Toolkit::CControl*, Toolkit::CPoint>> menus;
};

class OwnControlTest : public EditorTest {
protected:
    using Log = std::vector<std::string>;

    void SetUp() override
    {
        EditorTest::SetUp();
        PluginEditor* original = plugin->getEditor();
        logging = new LoggingEditor(plugin.get()); // the plug-in object deletes it
        delete original;
        editor = logging;
        ASSERT_TRUE(openEditor());
    }

    // The controls go before the editor closes: its frame lets go of its views without releasing them,
    // as their pages release them.
    void TearDown() override
    {
        if (editor->getFrame() != nullptr)
            for (Toolkit::CControl* control : controls)
                editor->getFrame()->removeView(control, true);
        EditorTest::TearDown();
    }

    // Added to the editor's window and drawn there, with the log cleared.
    template <class C>
    C* added(C* control)
    {
        editor->getFrame()->addView(control);
        controls.push_back(control);
        idle();
        logging->log.clear();
        logging->values.clear();
        return control;
    }

    // A press at the point with the keys held, moves through the points, and the release.
    void gesture(Toolkit::CPoint from, const std::vector<Toolkit::CPoint>& through, std::vector<int> keys = {},
                 int button = VK_LBUTTON)
    {
        for (const int key : keys)
            script().press(key);
        moveTo(from);
        script().press(button);
        script().wait(50);
        for (const Toolkit::CPoint& point : through) {
            moveTo(point);
            script().wait(50);
        }
        script().release(button);
        for (const int key : keys)
            script().release(key);
        script().wait(50);
        runScript();
    }
    void moveTo(Toolkit::CPoint point) { script().move(kParentAt.x + point.h, kParentAt.y + point.v); }

    struct Forget {
        void operator()(Toolkit::CReferenceCounter* object) const { object->forget(); }
    };
    using Buffer = std::unique_ptr<Toolkit::COffscreenContext, Forget>;

    // A white buffer of the frame's kind to draw controls into.
    Buffer buffer(int width = 200, int height = 200)
    {
        return Buffer(new Toolkit::COffscreenContext(editor->getFrame(), width, height, Toolkit::kWhiteColor));
    }
    platform::Image pictureOf(Toolkit::CDrawContext* context, RECT area)
    {
        const auto taken = platform::captureImage(context->getSystemContext(), area);
        return taken ? *taken : platform::Image();
    }

    // Whether some pixel of the picture comes within a few steps of the colour in each channel, as the
    // core of a smoothed text does.
    static bool shows(const platform::Image& picture, COLORREF colour)
    {
        constexpr int kTolerance = 24;
        const auto near = [](COLORREF a, COLORREF b, int shift) {
            return std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) <= kTolerance;
        };
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (near(picture.at(x, y), colour, 0) && near(picture.at(x, y), colour, 8) &&
                    near(picture.at(x, y), colour, 16))
                    return true;
        return false;
    }

    static void expectValues(const std::vector<float>& values, const std::vector<float>& expected)
    {
        ASSERT_EQ(values.size(), expected.size());
        for (std::size_t n = 0; n < expected.size(); ++n)
            EXPECT_NEAR(values[n], expected[n], 1e-5f) << n;
    }

    LoggingEditor* logging = nullptr;
    std::vector<Toolkit::CControl*> controls;
};

} // namespace kravo::test
