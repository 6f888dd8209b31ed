#pragma once

// The fixture of the host-side view tests: the toolbox fixture's screen, clock and counts (no port,
// region or pattern left behind), the plug-in library opened with the views' own resource file (written
// from views/view_resources.list) and a test group in place of the library's own, which counts the
// yields and runs a host action inside one. Views draw into an offscreen port; the mouse is scripted in
// screen coordinates, which are the offscreen port's own; event records come from `mouseDown` and
// `keyDown`. A RecordingView writes what it is asked to do into the fixture's log.

#include "hostframework/host_error.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process_group_interface.h"
#include "hostframework/views/plugin_view.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "platform/module_loading.h"
#include "tests/hostlibs/extension/toolbox_test.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kravo::test {

// A group that lets the host run as the library's does, counting the yields and running an action of
// the test's inside the next one.
class ViewTestGroup : public CProcessGroupInterface {
public:
    std::int32_t HostCall6(std::int32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*) override { return 0; }
    std::int32_t YieldHostCall() override
    {
        ++yields;
        if (hostAction) {
            const std::function<void()> action = std::move(hostAction);
            hostAction = nullptr;
            action();
        }
        return CProcessGroupInterface::YieldHostCall();
    }

    int yields = 0;
    std::function<void()> hostAction;
};

// A view that logs its name with each call a test wants to see, and takes the focus when told to.
class RecordingView : public CPlugInView {
public:
    RecordingView(std::vector<std::string>& log, std::string name, HostRect frame = {0, 0, 0, 0})
        : log(log), name(std::move(name))
    {
        SetFrame(frame);
    }

    bool CanTakeFocus() override { return takesFocus; }
    void EndEdit(bool accept) override { write(accept ? "EndEdit(true)" : "EndEdit(false)"); }
    void BeginEdit() override { write("BeginEdit"); }
    void HandleKey(std::int16_t character, bool* handled) override
    {
        write("HandleKey(" + std::to_string(character) + ")");
        *handled = true;
    }
    void Click(const HostEventRecord* event) override
    {
        write("Click");
        CPlugInView::Click(event);
    }
    void SubViewMoved(CPlugInView* view) override
    {
        HostRect frame{};
        view->GetFrame(&frame);
        write("SubViewMoved(" + std::to_string(frame.left) + "," + std::to_string(frame.top) + ")");
    }
    void Draw(const HostRect* area) override
    {
        if (area == nullptr)
            write("Draw");
        else
            write("Draw(" + std::to_string(area->top) + "," + std::to_string(area->left) + "," +
                  std::to_string(area->bottom) + "," + std::to_string(area->right) + ")");
        CPlugInView::Draw(area);
    }
    void SetHighlighted(bool flag) override
    {
        write(flag ? "SetHighlighted(true)" : "SetHighlighted(false)");
        CPlugInView::SetHighlighted(flag);
    }
    void Idle(const HostEventRecord* event) override
    {
        write("Idle");
        CPlugInView::Idle(event);
    }

    using CPlugInView::Life;

    std::vector<std::string>& log;
    std::string name;
    bool takesFocus = false;

private:
    void write(const std::string& call) { log.push_back(name + " " + call); }
};

class ViewTest : public ToolboxTest {
protected:
    void SetUp() override
    {
        ToolboxTest::SetUp();
        std::filesystem::copy_file(KRAVO_VIEW_RESOURCE_FILE, folder / "Views.dll.rsr");
        platform::setModulePath((folder / "Views.dll").string());
        ASSERT_EQ(WinPlugInOpen(73), 0);
        DeletePlugInGroup();
        gProcessGroup = &group;
    }

    void TearDown() override
    {
        // The overlay list is the module's: a test that left a pop-up up ends it here.
        CPlugInView::SetOverlayPort(nullptr, nullptr);
        gProcessGroup = nullptr;
        WinPlugInClose();
        platform::setModulePath("");
        ToolboxTest::TearDown();
    }

    // A white offscreen port for a view tree, current and disposed of at the end.
    HostPort viewPort(HostRect bounds = {0, 0, 200, 200}) { return offscreen(bounds); }

    static HostEventRecord mouseDown(std::int16_t h, std::int16_t v, std::int32_t message = 0,
                                     std::int16_t modifiers = 0)
    {
        return {kHostMouseDownEvent, message, 0, {v, h}, modifiers};
    }

    static HostEventRecord keyDown(char character, std::int16_t modifiers = 0)
    {
        return {kHostKeyDownEvent, static_cast<std::uint8_t>(character), 0, {0, 0}, modifiers};
    }

    // The root handles a mouse-down record at the point.
    static std::int32_t click(CPlugInView& root, std::int16_t h, std::int16_t v, std::int32_t message = 0,
                              std::int16_t modifiers = 0)
    {
        const HostEventRecord event = mouseDown(h, v, message, modifiers);
        return root.HandleMouseDown(&event);
    }

    // The root handles a key-down record of the character; true when it was handled.
    static bool type(CPlugInView& root, char character, std::int16_t modifiers = 0)
    {
        const HostEventRecord event = keyDown(character, modifiers);
        bool handled = false;
        EXPECT_EQ(root.HandleKeyDown(&event, &handled), 0);
        return handled;
    }

    // The button goes down at the point, follows the path a step each `stepMs`, and comes up.
    void scriptDrag(std::vector<std::pair<int, int>> path, DWORD stepMs = 5)
    {
        script().move(path.front().first, path.front().second);
        script().press(VK_LBUTTON);
        for (const auto& [h, v] : path) {
            script().wait(stepMs);
            script().move(h, v);
        }
        script().wait(stepMs);
        script().release(VK_LBUTTON);
    }

    RecordingView* view(const std::string& name, HostRect frame)
    {
        return new RecordingView(log, name, frame);
    }

    TempFolder folder;
    ViewTestGroup group;
    std::vector<std::string> log;
};

} // namespace kravo::test
