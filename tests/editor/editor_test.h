#pragma once

// The fixture of the editor's tests: a heap plug-in object whose editor opens in a parent window of its
// own on the virtual screen, scripted mouse and keys, scripted pop-up choices, idle on the virtual
// clock, and pictures of the editor's window.

#include "editor/ueditor.h"
#include "platform/menu/menu_script.h"
#include "platform/window/virtual_keys.h"
#include "plugin/aplugin.h"
#include "tests/support/window_test.h"
#include "toolkit/control.h"
#include "toolkit/frame.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kravo::test {

class EditorTest : public WindowTest {
protected:
    static constexpr const char* kParentClass = "KravoEditorParent";
    // Where the parent window stands on the screen; the editor fills its client area.
    static constexpr POINT kParentAt{40, 30};
    // Modifier bits for the mouse routines.
    static constexpr int kShift = 1;
    static constexpr int kControl = 2;

    void SetUp() override
    {
        WindowTest::SetUp();
        registerRecordingClass(0, nullptr, kParentClass);
        hostCalls().clear();
        plugin.reset(static_cast<APlugin*>(createEffectInstance(&recordingHost)));
        editor = static_cast<uEditor*>(plugin->getEditor());
    }

    void TearDown() override
    {
        closeEditor();
        plugin.reset();
        WindowTest::TearDown();
    }

    // Opens the editor in a fresh parent window of the editor's size; answers what open answered.
    bool openEditor()
    {
        ERect* rect = nullptr;
        dispatch(plugEditGetRect, 0, &rect);
        const int width = rect != nullptr ? rect->right - rect->left : 0;
        const int height = rect != nullptr ? rect->bottom - rect->top : 0;
        if (parent == nullptr)
            parent = makeWindow(nullptr, {kParentAt.x, kParentAt.y, kParentAt.x + width, kParentAt.y + height},
                                WS_VISIBLE, kParentClass);
        const bool opened = dispatch(plugEditOpen, 0, parent) != 0;
        platform::pumpMessages();
        return opened;
    }

    void closeEditor()
    {
        if (plugin != nullptr && editor->isOpen())
            dispatch(plugEditClose, 0, nullptr);
        if (parent != nullptr)
            DestroyWindow(parent);
        parent = nullptr;
        platform::pumpMessages();
    }

    // The host's idle calls over the time given, one every 20 ms, with the messages in between.
    void idle(DWORD milliseconds = 20)
    {
        for (DWORD spent = 0; spent < milliseconds; spent += 20) {
            platform::pumpMessages();
            dispatch(plugEditIdle, 0, nullptr);
            clock().advance(20);
        }
        platform::pumpMessages();
    }

    // Mouse steps at points of the editor (its own coordinates), with kShift and kControl held around them.
    void press(int x, int y, int button = VK_LBUTTON, int modifiers = 0)
    {
        holdModifiers(modifiers, true);
        script().move(kParentAt.x + x, kParentAt.y + y);
        script().press(button);
        runScript();
    }
    void dragTo(int x, int y)
    {
        script().move(kParentAt.x + x, kParentAt.y + y);
        runScript();
    }
    void release(int button = VK_LBUTTON, int modifiers = 0)
    {
        script().release(button);
        holdModifiers(modifiers, false);
        runScript();
    }
    // A press, a move and the release in one gesture, for controls that hold the mouse while dragged.
    void drag(int fromX, int fromY, int toX, int toY)
    {
        script().move(kParentAt.x + fromX, kParentAt.y + fromY);
        script().press(VK_LBUTTON);
        script().wait(50);
        script().move(kParentAt.x + toX, kParentAt.y + toY);
        script().wait(50);
        script().release(VK_LBUTTON);
        runScript();
    }
    // The tag of the first registered control that does not show its parameter's value; -1 when all do.
    std::int32_t firstStaleControl() const
    {
        for (std::int32_t entry = 0; entry < editor->registryCount; ++entry) {
            Toolkit::CControl* control = editor->controlRegistry[static_cast<std::size_t>(entry)];
            const std::int32_t tag = control->getTag();
            if (tag < 9990 && editor->registryFlags[static_cast<std::size_t>(entry)] == 0 &&
                control->getValue() != plugin->getParameter(tag))
                return tag;
        }
        return -1;
    }
    // One gesture, so that a control holding the mouse until the release (a kick button) sees it.
    void click(int x, int y, int button = VK_LBUTTON, int modifiers = 0)
    {
        holdModifiers(modifiers, true);
        script().move(kParentAt.x + x, kParentAt.y + y);
        script().press(button);
        script().wait(50);
        script().release(button);
        holdModifiers(modifiers, false);
        runScript();
    }

    // The next pop-up menu chooses the item these texts reach, one per menu level.
    void choosePopup(std::vector<std::string> texts) { platform::menuScript().pick(std::move(texts)); }

    HWND editorWindow() const
    {
        return editor->getFrame() != nullptr ? editor->getFrame()->getWindow() : nullptr;
    }
    // The editor's window as the screen shows it, after an idle pass.
    platform::Image picture()
    {
        idle();
        const std::optional<platform::Image> captured = platform::captureWindow(editorWindow());
        return captured ? *captured : platform::Image();
    }
    COLORREF pixel(int x, int y) { return picture().at(x, y); }
    // Saved under test-pictures/ for a person to look at.
    void savePicture(const std::string& name)
    {
        std::filesystem::create_directories("test-pictures");
        platform::writePng(picture(), std::filesystem::path("test-pictures") / (name + ".png"));
    }

    // The peak of a block of the plug-in's output, which plays what the editor handed over.
    float render()
    {
        float left[512], right[512], *outputs[2] = {left, right};
        plugin->processReplacing(nullptr, outputs, 512);
        float peak = 0.0f;
        for (int n = 0; n < 512; ++n)
            peak = std::max({peak, std::abs(left[n]), std::abs(right[n])});
        return peak;
    }

    PlugIntPtr dispatch(std::int32_t opcode, std::int32_t index, void* pointer)
    {
        PluginRecord* record = plugin->getPluginRecord();
        return record->dispatcher(record, opcode, index, 0, pointer, 0.0f);
    }

    // The host's side: it records each call's opcode, index and value, and answers 0.
    struct HostCall {
        std::int32_t opcode;
        std::int32_t index;
        float value;
    };
    static std::vector<HostCall>& hostCalls()
    {
        static std::vector<HostCall> calls;
        return calls;
    }
    static PlugIntPtr recordingHost(PluginRecord*, std::int32_t opcode, std::int32_t index, PlugIntPtr, void*,
                                    float value)
    {
        hostCalls().push_back({opcode, index, value});
        return 0;
    }

    std::unique_ptr<APlugin> plugin;
    uEditor* editor = nullptr;
    HWND parent = nullptr;

private:
    void holdModifiers(int modifiers, bool down)
    {
        for (const auto& [bit, key] : {std::pair{kShift, VK_SHIFT}, std::pair{kControl, VK_CONTROL}})
            if ((modifiers & bit) != 0) {
                if (down)
                    script().press(key);
                else
                    script().release(key);
            }
    }
};

} // namespace kravo::test
