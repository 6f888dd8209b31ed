#include "hostframework/adaptor/template_no_ui_process_native.h"
#include "hostframework/adaptor/template_no_ui_view.h"
#include "hostframework/dsp_manager_access.h"
#include "hostframework/effect_type.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process_group.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/no_resource_view.h"
#include "hostframework/views/static_text_view.h"
#include "hostlibs/dspmanager/dsp_manager_control.h"
#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"
#include "platform/module_resources.h"
#include "plugin/base/audio_plugin.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/hostframework/support/routines.h"
#include "tests/hostlibs/extension/toolbox_test.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using kravo::test::routine;

constexpr std::uint32_t kKrst = FourCharCode("Krst");

// Every opcode the editor host sends the plug-in, on to the plug-in's own dispatcher.
std::vector<std::int32_t> gOpcodes;
PlugDispatcherProc gPlugInDispatcher = nullptr;

PlugIntPtr recordingDispatcher(PluginRecord* record, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
                               void* ptr, float opt)
{
    gOpcodes.push_back(opcode);
    return gPlugInDispatcher(record, opcode, index, value, ptr, opt);
}

// A process whose editor host cannot be made.
class ProcessWithoutEditorHost : public CTemplateNoUIProcessNative {
protected:
    ITemplateCustomUI* NewEditorHost() override { throw CHostError(kHostErrUnexpected); }
};

CProcess* makeProcessWithoutEditorHost()
{
    return new ProcessWithoutEditorHost;
}

// One instance made as the host makes it, on either road, with a host window to give it a port of.
class EditorHosting : public kravo::test::ToolboxTest {
protected:
    void SetUp() override
    {
        ToolboxTest::SetUp();
        registerRecordingClass();
        kravo::test::writeResourceFile(folder.path() / "Kravo.dll.rsr", {});
        platform::setModulePath((folder.path() / "Kravo.dll").string());
    }
    void TearDown() override
    {
        if (id != 0)
            routine<std::int32_t (*)(std::uint32_t, std::int32_t)>(20)(kKrst, id);
        if (host != nullptr)
            DestroyWindow(host);
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        hostengine::forgetOpenAndCloseProcs();
        dspmanager::provide(false);
        ForgetDSPManagerInterface();
        platform::setModulePath("");
        gOpcodes.clear();
        ToolboxTest::TearDown();
    }

    // Host views are suppressed on this road.
    void openAsPlugInOpen() { ASSERT_EQ(WinPlugInOpen(73), 0); }

    // The host's engine opens the library; its DSP manager takes every instance.
    void openThroughEngine()
    {
        WinPlugInOpen(72); // clears the mark of an earlier WinPlugInOpen
        dspmanager::provide(true);
        ForgetDSPManagerInterface();
        DllMain(platform::pluginModule(), kProcessAttach, nullptr);
        ASSERT_EQ(hostengine::openPlugIn(), 0);
    }

    std::int32_t createInstance()
    {
        EXPECT_EQ(routine<std::int32_t (*)(std::int32_t)>(91)(3), 0);
        return routine<std::int32_t (*)(std::uint32_t, std::int32_t*)>(19)(kKrst, &id);
    }

    CTemplateNoUIProcessNative& process()
    {
        auto* group = dynamic_cast<CProcessGroup*>(gProcessGroup);
        return dynamic_cast<CTemplateNoUIProcessNative&>(*group->GetProcessType(kKrst)->FindProcess(id));
    }

    void recordOpcodes()
    {
        PluginRecord* record = process().GetPluginRecord();
        gPlugInDispatcher = record->dispatcher;
        record->dispatcher = &recordingDispatcher;
    }

    Rect viewRect()
    {
        Rect rect{-1, -1, -1, -1};
        EXPECT_EQ(routine<std::int32_t (*)(std::uint32_t, std::int32_t, Rect*)>(4)(kKrst, id, &rect), 0);
        return rect;
    }

    // The host's window of the client size and a port over it.
    OpaqueGrafPtr* hostPort(int width, int height)
    {
        host = makeWindow(nullptr, {0, 0, width, height});
        return reinterpret_cast<OpaqueGrafPtr*>(windowPort(host));
    }

    std::int32_t setPort(OpaqueGrafPtr* port)
    {
        return routine<std::int32_t (*)(std::uint32_t, std::int32_t, OpaqueGrafPtr*)>(47)(kKrst, id, port);
    }
    std::int32_t call(std::uint32_t selector)
    {
        return routine<std::int32_t (*)(std::uint32_t, std::int32_t)>(selector)(kKrst, id);
    }
    std::int32_t idle()
    {
        EventRecord event{};
        return routine<std::int32_t (*)(std::uint32_t, std::int32_t, EventRecord*)>(3)(kKrst, id, &event);
    }
    std::int32_t draw()
    {
        return routine<std::int32_t (*)(std::uint32_t, std::int32_t, Rect*)>(0)(kKrst, id, nullptr);
    }

    static HostRect frameOf(CPlugInView* view)
    {
        HostRect frame{};
        view->GetFrame(&frame);
        return frame;
    }

    kravo::test::TempFolder folder;
    std::int32_t id = 0;
    HWND host = nullptr;
};

bool sameRect(const HostRect& a, const HostRect& b)
{
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

TEST_F(EditorHosting, OnTheRegistrationRoadTheRootHoldsOneDisabledNoUIViewOfTheEditorsSize)
{
    openThroughEngine();
    ASSERT_EQ(createInstance(), 0);
    auto* root = dynamic_cast<CNoResourceView*>(process().GetRootView());
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(sameRect(frameOf(root), {0, 0, 623, 984}));
    CPlugInView* child = root->GetFirstSubView();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->GetNextSibling(), nullptr);
    EXPECT_EQ(child->GetID(), FourCharCode("NoID"));
    EXPECT_FALSE(child->IsEnabled());
    EXPECT_TRUE(sameRect(frameOf(child), {0, 0, 623, 984}));
    auto* hostView = dynamic_cast<CTemplateNoUIView*>(child);
    ASSERT_NE(hostView, nullptr);
    EXPECT_EQ(process().GetHostView(), hostView);
    EXPECT_NE(process().GetEditorHost(), nullptr);
    EXPECT_EQ(hostView->GetEditorHost(), process().GetEditorHost());

    const Rect rect = viewRect();
    EXPECT_EQ(std::vector<std::int16_t>({rect.top, rect.left, rect.bottom, rect.right}),
              (std::vector<std::int16_t>{0, 0, 623, 984}));
}

TEST_F(EditorHosting, WithoutANoUIViewCreatorTheChildIsAStaticTextAndTheEditorStillOpens)
{
    openThroughEngine();
    // Known as anything but a view, the name makes the text no description.
    registerKeyword("NoUIView", kConstantKind, 0);
    ASSERT_EQ(createInstance(), 0);
    registerViewCreator("NoUIView", &NewTemplateNoUIView);
    CPlugInView* child = process().GetRootView()->GetFirstSubView();
    EXPECT_NE(dynamic_cast<CStaticTextView*>(child), nullptr);
    EXPECT_EQ(process().GetHostView(), nullptr);

    recordOpcodes();
    EXPECT_EQ(setPort(hostPort(984, 623)), 0);
    auto* editor = dynamic_cast<CTemplateCustomUI*>(process().GetEditorHost());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->IsOpen());
    EXPECT_EQ(setPort(nullptr), 0);
    EXPECT_FALSE(editor->IsOpen());
    EXPECT_EQ(gOpcodes, (std::vector<std::int32_t>{13, 14, 19, 15}));
}

TEST_F(EditorHosting, AFailedMakeViewLeavesNoProcessBehind)
{
    openThroughEngine();
    auto* group = dynamic_cast<CProcessGroup*>(gProcessGroup);
    auto* type = dynamic_cast<CEffectType*>(group->GetProcessType(kKrst));
    ASSERT_NE(type, nullptr);
    type->SetProcessFactory(&makeProcessWithoutEditorHost);
    EXPECT_EQ(createInstance(), -7053);
    id = 0;
    EXPECT_EQ(type->GetNumProcesses(), 0);

    // The road stays open for the next instance.
    type->SetProcessFactory(&MakeTemplateNoUIProcessNative);
    ASSERT_EQ(createInstance(), 0);
    EXPECT_EQ(id, 1);
}

TEST_F(EditorHosting, OnTheRegistrationRoadTheHostViewIsDrawnWhereTheHostPutsIt)
{
    openThroughEngine();
    ASSERT_EQ(createInstance(), 0);
    OpaqueGrafPtr* port = hostPort(1200, 700);
    EXPECT_EQ(routine<std::int32_t (*)(std::uint32_t, std::int32_t, Point)>(48)(kKrst, id, Point{20, 50}), 0);
    EXPECT_TRUE(sameRect(frameOf(process().GetHostView()), {20, 50, 643, 1034}));
    EXPECT_EQ(setPort(port), 0);
    auto* editor = dynamic_cast<CTemplateCustomUI*>(process().GetEditorHost());
    ASSERT_TRUE(editor->IsOpen());
    EXPECT_EQ(GetParent(editor->GetEditorWindow()), host);
    EXPECT_EQ(draw(), 0);
    platform::pumpMessages();
    const platform::Image picture = *platform::captureWindow(host);
    constexpr COLORREF kGrey = RGB(0x88, 0x88, 0x88);
    EXPECT_EQ(picture.at(50, 20), kGrey);
    EXPECT_EQ(picture.at(107, 642), kGrey);
    EXPECT_EQ(picture.at(1033, 76), kGrey);
    EXPECT_NE(picture.at(49, 20), kGrey);
    EXPECT_NE(picture.at(50, 19), kGrey);
    EXPECT_NE(picture.at(1034, 76), kGrey);
    EXPECT_NE(picture.at(107, 643), kGrey);
    EXPECT_NE(picture.at(108, 77), kGrey); // the editor's window lies over it

    // No port: the editor closes and the host view moves out of sight; a port brings both back.
    EXPECT_EQ(setPort(nullptr), 0);
    EXPECT_FALSE(editor->IsOpen());
    EXPECT_GE(frameOf(process().GetHostView()).left, 8192);
    EXPECT_EQ(setPort(port), 0);
    EXPECT_TRUE(editor->IsOpen());
    EXPECT_EQ(frameOf(process().GetHostView()).left, 50);
    EXPECT_EQ(setPort(nullptr), 0);
}

TEST_F(EditorHosting, TheViewRoutinesReachTheRoot)
{
    openThroughEngine();
    ASSERT_EQ(createInstance(), 0);
    OpaqueGrafPtr* port = hostPort(984, 623);
    ASSERT_EQ(setPort(port), 0);
    CPlugInView* root = process().GetRootView();
    EXPECT_EQ(call(8), 0);
    EXPECT_TRUE(root->IsActive());
    EXPECT_TRUE(process().GetHostView()->IsActive());
    EXPECT_EQ(call(9), 0);
    EXPECT_FALSE(root->IsActive());

    // No view takes clicks: nothing under the point answers a control, and a click ends in nothing.
    std::int32_t control = -1;
    EXPECT_EQ(routine<std::int32_t (*)(std::uint32_t, std::int32_t, Point, std::int32_t*)>(87)(kKrst, id, Point{10, 10},
                                                                                               &control),
              0);
    EXPECT_EQ(control, 0);
    EventRecord click{kHostMouseDownEvent, 0, 0, {10, 10}, 0};
    EXPECT_EQ(routine<std::int32_t (*)(std::uint32_t, std::int32_t, EventRecord*)>(1)(kKrst, id, &click), 0);
    EXPECT_EQ(root->GetFocusDepth(), 0);

    // The arrow keys still step programs behind the views.
    EventRecord down{3, 32031, 0, {0, 0}, 0};
    std::uint8_t handled = 0;
    EXPECT_EQ(routine<std::int32_t (*)(std::uint32_t, std::int32_t, EventRecord*, std::uint8_t*)>(2)(kKrst, id, &down,
                                                                                                    &handled),
              0);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(process().GetPlugIn()->getProgram(), 1);
    EXPECT_EQ(setPort(nullptr), 0);
}

TEST_F(EditorHosting, OnTheMainRoadTheEditorOpensWithoutAViewTree)
{
    openAsPlugInOpen();
    ASSERT_EQ(createInstance(), 0);
    EXPECT_EQ(process().GetRootView(), nullptr);
    recordOpcodes();
    const Rect rect = viewRect();
    EXPECT_EQ(std::vector<std::int16_t>({rect.top, rect.left, rect.bottom, rect.right}),
              (std::vector<std::int16_t>{0, 0, 623, 984}));
    OpaqueGrafPtr* port = hostPort(1200, 700);
    EXPECT_EQ(setPort(port), 0);
    auto* editor = dynamic_cast<CTemplateCustomUI*>(process().GetEditorHost());
    ASSERT_TRUE(editor->IsOpen());
    // The size: the editor host made (its rectangle kept), then asked; the open asks again.
    EXPECT_EQ(gOpcodes, (std::vector<std::int32_t>{13, 13, 13, 14, 19}));

    gOpcodes.clear();
    EXPECT_EQ(idle(), 0);
    EXPECT_EQ(gOpcodes, std::vector<std::int32_t>{19});
    EXPECT_EQ(process().GetIdleTick(), HostExtTickCount());

    // Nothing of the host's views is drawn: the host window keeps its pixels.
    platform::pumpMessages();
    const platform::Image before = *platform::captureWindow(host);
    EXPECT_EQ(draw(), 0);
    platform::pumpMessages();
    expectWindowPicture(host, before);

    gOpcodes.clear();
    EXPECT_EQ(setPort(nullptr), 0);
    EXPECT_EQ(setPort(nullptr), 0);
    EXPECT_EQ(gOpcodes, std::vector<std::int32_t>{15});
    EXPECT_EQ(editor->GetEditorWindow(), nullptr);
    EXPECT_EQ(platform::windowCount(), 1u);
}

TEST_F(EditorHosting, AHostPairOf1AndAValueLeavesTheIdleTickAlone)
{
    openAsPlugInOpen();
    ASSERT_EQ(createInstance(), 0);
    clock().advance(5);
    EXPECT_EQ(idle(), 0);
    const std::uint32_t recorded = process().GetIdleTick();
    EXPECT_NE(recorded, 0u);
    const std::int32_t pair[2] = {1, 9};
    process().SetHostPair(pair);
    clock().advance(100);
    EXPECT_EQ(idle(), 0);
    EXPECT_EQ(process().GetIdleTick(), recorded);
}

} // namespace
