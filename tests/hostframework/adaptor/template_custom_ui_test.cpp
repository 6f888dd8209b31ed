#include "hostframework/adaptor/template_custom_ui.h"
#include "platform/forced_failures.h"
#include "tests/support/window_test.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A process whose plug-in reports an editor rectangle and records every dispatcher call.
class EditorProcess : public ITemplateProcess {
public:
    struct Call {
        std::int32_t opcode;
        void* ptr;
    };

    EditorProcess()
    {
        record.dispatcher = &dispatch;
        record.resvd1 = reinterpret_cast<PlugIntPtr>(this);
    }
    HINSTANCE GetModuleHandleOfPlugIn() const override { return nullptr; }
    PluginRecord* GetPluginRecord() const override { return const_cast<PluginRecord*>(&record); }

    std::vector<std::int32_t> opcodes() const
    {
        std::vector<std::int32_t> seen;
        for (const Call& call : calls)
            seen.push_back(call.opcode);
        return seen;
    }

    ERect rect{0, 0, 623, 984};
    // How opcode 13 answers: 1 with the rectangle, or 0; or 1 with the pointer left null.
    PlugIntPtr rectAnswer = 1;
    bool leaveRectNull = false;
    std::vector<Call> calls;

private:
    static PlugIntPtr dispatch(PluginRecord* record, std::int32_t opcode, std::int32_t, PlugIntPtr, void* ptr, float)
    {
        auto* self = reinterpret_cast<EditorProcess*>(record->resvd1);
        self->calls.push_back({opcode, ptr});
        if (opcode == plugEditGetRect) {
            if (self->rectAnswer != 0 && !self->leaveRectNull)
                *static_cast<ERect**>(ptr) = &self->rect;
            return self->rectAnswer;
        }
        return 1;
    }

    PluginRecord record{};
};

class EditorHost : public kravo::test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        registerRecordingClass();
    }

    HWND hostWindow(int width, int height) { return makeWindow(nullptr, {0, 0, width, height}); }

    static std::string className(HWND window)
    {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        return name;
    }

    static std::string title(HWND window)
    {
        char text[64] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    // The window's place in its parent's client area.
    static RECT placeOf(HWND window)
    {
        RECT rect{};
        GetWindowRect(window, &rect);
        POINT corner{rect.left, rect.top};
        ScreenToClient(GetParent(window), &corner);
        return {corner.x, corner.y, corner.x + rect.right - rect.left, corner.y + rect.bottom - rect.top};
    }

    EditorProcess process;
};

TEST_F(EditorHost, TheEditorStandsCentredOnTheHostWindowsBottomEdge)
{
    HWND host = hostWindow(1200, 700);
    CTemplateCustomUI editor(&process);
    process.calls.clear();
    ASSERT_TRUE(editor.Open(host));
    HWND window = editor.GetEditorWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetParent(window), host);
    const RECT place = placeOf(window);
    EXPECT_EQ(place.left, 108);
    EXPECT_EQ(place.top, 700 - 623);
    EXPECT_EQ(place.right - place.left, 984);
    EXPECT_EQ(place.bottom - place.top, 623); // the client's top (0) + the editor's height
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), 0x50000000u);
    EXPECT_EQ(className(window), "Vexo local");
    EXPECT_EQ(title(window), "Vexo Editor");
    EXPECT_EQ(process.opcodes(), (std::vector<std::int32_t>{13, 14, 19}));
    EXPECT_EQ(process.calls[1].ptr, window);
    EXPECT_TRUE(editor.IsOpen());
    editor.Close();
    DestroyWindow(host);
}

TEST_F(EditorHost, AHostWindowOfTheEditorsWidthPutsItAtTheEditorsLeft)
{
    process.rect = {10, 30, 110, 230};
    HWND host = hostWindow(200, 150);
    CTemplateCustomUI editor(&process);
    ASSERT_TRUE(editor.Open(host));
    const RECT place = placeOf(editor.GetEditorWindow());
    EXPECT_EQ(place.left, 30);
    EXPECT_EQ(place.top, 50);
    EXPECT_EQ(place.bottom - place.top, 100);
    editor.Close();
    DestroyWindow(host);
}

TEST_F(EditorHost, OpensOnceAndClosesOnce)
{
    HWND host = hostWindow(984, 623);
    CTemplateCustomUI editor(&process);
    EXPECT_FALSE(editor.Open(nullptr));
    ASSERT_TRUE(editor.Open(host));
    HWND window = editor.GetEditorWindow();
    process.calls.clear();
    EXPECT_TRUE(editor.Open(host));
    EXPECT_EQ(editor.GetEditorWindow(), window);
    EXPECT_TRUE(process.calls.empty());

    editor.Idle();
    EXPECT_EQ(process.opcodes(), std::vector<std::int32_t>{19});
    process.calls.clear();
    EXPECT_TRUE(editor.Close());
    EXPECT_EQ(process.opcodes(), std::vector<std::int32_t>{15});
    EXPECT_EQ(platform::windowCount(), 1u);
    process.calls.clear();
    EXPECT_FALSE(editor.Close());
    editor.Idle();
    EXPECT_TRUE(process.calls.empty());
    DestroyWindow(host);
}

TEST_F(EditorHost, TheRectangleIsZerosWhenThePlugInReportsNone)
{
    CTemplateCustomUI editor(&process);
    std::int32_t sides[4] = {1, 1, 1, 1};
    editor.GetRect(&sides[0], &sides[1], &sides[2], &sides[3]);
    EXPECT_EQ(std::vector<std::int32_t>(sides, sides + 4), (std::vector<std::int32_t>{0, 0, 984, 623}));
    process.rectAnswer = 0;
    editor.GetRect(&sides[0], &sides[1], &sides[2], &sides[3]);
    EXPECT_EQ(std::vector<std::int32_t>(sides, sides + 4), (std::vector<std::int32_t>{0, 0, 0, 0}));
    process.rectAnswer = 1;
    process.leaveRectNull = true;
    sides[2] = 7;
    editor.GetRect(&sides[0], &sides[1], &sides[2], &sides[3]);
    EXPECT_EQ(std::vector<std::int32_t>(sides, sides + 4), (std::vector<std::int32_t>{0, 0, 0, 0}));

    CTemplateCustomUI withoutProcess(nullptr);
    withoutProcess.GetRect(&sides[0], &sides[1], &sides[2], &sides[3]);
    EXPECT_EQ(sides[2], 0);
}

TEST_F(EditorHost, TheClassIsTheModulesUntilTheLastEditorHostGoes)
{
    HWND host = hostWindow(984, 623);
    auto first = std::make_unique<CTemplateCustomUI>(&process);
    EditorProcess secondProcess;
    auto second = std::make_unique<CTemplateCustomUI>(&secondProcess);
    ASSERT_TRUE(first->Open(host));
    first.reset();
    EXPECT_NE(platform::window::findClass("Vexo local"), nullptr);
    ASSERT_TRUE(second->Open(host));
    EXPECT_TRUE(second->Close());
    second.reset();
    EXPECT_EQ(platform::window::findClass("Vexo local"), nullptr);

    // A new editor host registers it again.
    CTemplateCustomUI third(&process);
    EXPECT_NE(platform::window::findClass("Vexo local"), nullptr);
    DestroyWindow(host);
}

TEST_F(EditorHost, AWindowThatCannotBeMadeLeavesTheEditorClosedAndALaterOpenWorks)
{
    HWND host = hostWindow(984, 623);
    CTemplateCustomUI editor(&process);
    process.calls.clear();
    platform::failNextWindowCreation();
    EXPECT_THROW(editor.Open(host), std::int32_t);
    EXPECT_FALSE(editor.IsOpen());
    EXPECT_EQ(process.opcodes(), std::vector<std::int32_t>{13});
    ASSERT_TRUE(editor.Open(host));
    EXPECT_NE(editor.GetEditorWindow(), nullptr);

    // A parent that is no window.
    CTemplateCustomUI other(&process);
    EXPECT_THROW(other.Open(reinterpret_cast<HWND>(std::intptr_t{0x7777})), std::int32_t);
    EXPECT_FALSE(other.IsOpen());
    DestroyWindow(host);
}

TEST_F(EditorHost, DeletingAnOpenEditorHostClosesTheEditor)
{
    HWND host = hostWindow(984, 623);
    auto editor = std::make_unique<CTemplateCustomUI>(&process);
    ASSERT_TRUE(editor->Open(host));
    process.calls.clear();
    editor.reset();
    EXPECT_EQ(process.opcodes(), std::vector<std::int32_t>{15});
    EXPECT_EQ(platform::windowCount(), 1u);
    DestroyWindow(host);
}

} // namespace
