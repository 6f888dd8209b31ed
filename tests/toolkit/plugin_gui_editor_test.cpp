#include "toolkit/plugin_gui_editor.h"

#include "platform/ole/ole_initialize.h"
#include "tests/toolkit/support/recording_views.h"
#include "tests/toolkit/support/test_editor.h"
#include "tests/toolkit/support/toolkit_test.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

using namespace Toolkit;
using kravo::test::screenRectOf;
using kravo::test::EditorHost;
using kravo::test::EditorTestPlugin;
using kravo::test::HostCall;
using kravo::test::RecordingView;
using kravo::test::TestEditor;

constexpr CRect kFrameSize{0, 0, 100, 80};

// A plug-in object with its editor, opened in a host window away from the screen's origin.
class GuiEditor : public kravo::test::ToolkitWindowTest {
protected:
    void SetUp() override
    {
        ToolkitWindowTest::SetUp();
        registerRecordingClass();
        host = makeWindow(nullptr, {300, 200, 400, 280});
    }
    void TearDown() override
    {
        plugin.reset();
        DestroyWindow(host);
        EXPECT_EQ(platform::oleInitializeCount(), 0);
        ToolkitWindowTest::TearDown();
    }

    // The plug-in object owns the editor.
    TestEditor* makeEditor()
    {
        plugin = std::make_unique<EditorTestPlugin>(hostSide);
        return new TestEditor(plugin.get(), kFrameSize);
    }

    TestEditor* openEditor()
    {
        TestEditor* editor = makeEditor();
        editor->open(host);
        return editor;
    }

    EditorHost hostSide;
    std::unique_ptr<EditorTestPlugin> plugin;
    HWND host = nullptr;
};

TEST_F(GuiEditor, MadeItRegistersWithThePlugInAndItsDeletionBalancesTheComponentLibrary)
{
    TestEditor* editor = makeEditor();
    EXPECT_EQ(plugin->getEditor(), editor);
    EXPECT_NE(plugin->getPluginRecord()->flags & plugFlagsHasEditor, 0);
    EXPECT_EQ(editor->getEffect(), plugin.get());
    EXPECT_EQ(platform::oleInitializeCount(), 1);
    editor->open(host);
    EXPECT_TRUE(editor->isOpen());
    EXPECT_EQ(platform::oleInitializeCount(), 2); // and once for the frame
    plugin.reset();
    EXPECT_EQ(platform::oleInitializeCount(), 0);
}

TEST_F(GuiEditor, TheRectangleIsThereFromTheStartAllZeros)
{
    TestEditor* editor = makeEditor();
    ERect* rect = nullptr;
    EXPECT_TRUE(editor->getRect(&rect));
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(std::tuple(rect->top, rect->left, rect->bottom, rect->right), std::tuple(0, 0, 0, 0));
}

TEST_F(GuiEditor, PacedIdleSkipsACallFarTooEarlyAndRunsOneCloseToItsTime)
{
    TestEditor* editor = makeEditor();
    const DWORD start = GetTickCount();
    editor->doIdleStuff(); // due at once
    EXPECT_EQ(editor->idles, 1);
    EXPECT_EQ(hostSide.count(hostOpMasterIdle), 1);
    EXPECT_EQ(editor->nextPassDue(), start + 100);

    clock().advance(start + 10 - GetTickCount());
    editor->doIdleStuff();
    EXPECT_EQ(GetTickCount(), start + 14); // slept 4 ms, then 86 ms early: skipped
    EXPECT_EQ(editor->idles, 1);
    EXPECT_EQ(hostSide.count(hostOpMasterIdle), 1);

    clock().advance(start + 60 - GetTickCount());
    editor->doIdleStuff(); // 36 ms early after the sleep: runs
    EXPECT_EQ(editor->idles, 2);
    EXPECT_EQ(hostSide.count(hostOpMasterIdle), 2);
    EXPECT_EQ(editor->nextPassDue(), start + 60 + 104);
}

TEST_F(GuiEditor, PacedPassesGoOnAcrossTheWrapOfTheTickCount)
{
    // In two steps: the script follows the clock only by less than half its range at a time.
    const DWORD toBeforeTheWrap = std::numeric_limits<DWORD>::max() - kStartTicks - 150;
    clock().advance(toBeforeTheWrap / 2);
    script().wait(0);
    clock().advance(toBeforeTheWrap - toBeforeTheWrap / 2);
    script().wait(0);
    TestEditor* editor = makeEditor();
    editor->doIdleStuff();
    EXPECT_EQ(editor->idles, 1);
    EXPECT_GT(editor->nextPassDue(), GetTickCount()); // due before the wrap

    clock().advance(200);
    ASSERT_LT(GetTickCount(), 1000u); // wrapped
    editor->doIdleStuff();
    EXPECT_EQ(editor->idles, 2);
    editor->doIdleStuff(); // and paced again after it
    EXPECT_EQ(editor->idles, 2);
}

TEST_F(GuiEditor, TheHostsIdleDoesNotRedrawTheFrameFromInsideThePacedPass)
{
    TestEditor* editor = openEditor();
    auto* view = new RecordingView({10, 10, 20, 20});
    editor->getFrame()->addView(view);
    platform::pumpMessages();
    ASSERT_EQ(view->draws, 1);
    int drawsInHostIdle = -1;
    hostSide.answerFor = [&](const HostCall& call) -> PlugIntPtr {
        if (call.opcode == hostOpMasterIdle) {
            view->setDirty(true);
            editor->idle();
            drawsInHostIdle = view->draws;
        }
        return 0;
    };
    editor->doIdleStuff();
    EXPECT_EQ(drawsInHostIdle, 1);
    editor->idle();
    EXPECT_EQ(view->draws, 2);
}

TEST_F(GuiEditor, ThePacedPassPaintsOneWindowThatWaitsForIt)
{
    TestEditor* editor = openEditor();
    auto* view = new RecordingView({10, 10, 20, 20});
    editor->getFrame()->addView(view);
    platform::pumpMessages();
    InvalidateRect(editor->getFrame()->getWindow(), nullptr, FALSE);
    editor->doIdleStuff();
    EXPECT_EQ(view->draws, 2);
    RECT waiting{};
    EXPECT_FALSE(GetUpdateRect(editor->getFrame()->getWindow(), &waiting, FALSE));
}

TEST_F(GuiEditor, KeysCountAsHandledOnlyWhenTheFrameAnswersOne)
{
    TestEditor* editor = makeEditor();
    PlugKeyCode key{'k', 0, 0};
    EXPECT_FALSE(editor->onKeyDown(key)); // no frame
    EXPECT_FALSE(editor->onWheel(1.0f));
    editor->open(host);
    auto* view = new RecordingView({0, 0, 1, 1});
    editor->getFrame()->addView(view);
    editor->getFrame()->setFocusView(view);
    for (const std::int32_t answer : {-1, 2, 0}) {
        view->keyAnswer = answer;
        EXPECT_FALSE(editor->onKeyDown(key)) << answer;
        EXPECT_FALSE(editor->onKeyUp(key)) << answer;
    }
    view->keyAnswer = 1;
    EXPECT_TRUE(editor->onKeyDown(key));
    EXPECT_TRUE(editor->onKeyUp(key));
}

TEST_F(GuiEditor, TheWheelReachesTheViewUnderThePointer)
{
    TestEditor* editor = openEditor();
    auto* view = new RecordingView({50, 30, 90, 70});
    editor->getFrame()->addView(view);
    script().move(360, 240);
    runScript();
    EXPECT_TRUE(editor->onWheel(-2.0f));
    EXPECT_EQ(view->wheels, (std::vector<std::pair<CPoint, float>>{{{60, 40}, -2.0f}}));
}

TEST_F(GuiEditor, EditsAreBracketedThroughTheHostAndTheKnobModeIsTheProcesses)
{
    TestEditor* editor = makeEditor();
    hostSide.answerFor = [](const HostCall&) -> PlugIntPtr { return 1; };
    EXPECT_TRUE(editor->beginEdit(42));
    EXPECT_TRUE(editor->endEdit(42));
    ASSERT_EQ(hostSide.calls.size(), 2u);
    EXPECT_EQ(std::tuple(hostSide.calls[0].opcode, hostSide.calls[0].index), std::tuple(hostOpBeginEdit, 42));
    EXPECT_EQ(std::tuple(hostSide.calls[1].opcode, hostSide.calls[1].index), std::tuple(hostOpEndEdit, 42));

    EXPECT_TRUE(editor->setKnobMode(2));
    EXPECT_EQ(knobMode, 2);
    editor->open(host);
    EXPECT_EQ(editor->getFrame()->getKnobMode(), 2);
    EXPECT_EQ(editor->getFrame()->getEditor(), editor);
    EXPECT_EQ(editor->getFrame()->getTicks(), GetTickCount());
}

TEST_F(GuiEditor, AHostThatSizesItsWindowGetsTheRequestAndOnlyTheFramesWindowIsResized)
{
    TestEditor* editor = openEditor();
    hostSide.answerFor = [](const HostCall& call) -> PlugIntPtr {
        return call.opcode == hostOpCanHostDo || call.opcode == hostOpSizeWindow ? 1 : 0;
    };
    CFrame* frame = editor->getFrame();
    EXPECT_TRUE(frame->setSize(150, 120));
    ASSERT_EQ(hostSide.calls.size(), 2u);
    EXPECT_EQ(hostSide.calls[0].text, "sizeWindow");
    EXPECT_EQ(std::tuple(hostSide.calls[1].opcode, hostSide.calls[1].index, hostSide.calls[1].value),
        std::tuple(hostOpSizeWindow, 150, PlugIntPtr{120}));
    EXPECT_EQ(screenRectOf(frame->getWindow()), (CRect{300, 200, 450, 320}));
    EXPECT_EQ(screenRectOf(host), (CRect{300, 200, 400, 280}));
    CRect size;
    EXPECT_EQ(frame->getViewSize(size), (CRect{0, 0, 150, 120}));
}

} // namespace
