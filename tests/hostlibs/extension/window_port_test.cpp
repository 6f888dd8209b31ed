#include "plugin/base/audio_plugin.h"
#include "tests/hostlibs/extension/toolbox_test.h"

#include <dlfcn.h>

namespace {

using kravo::test::ToolboxTest;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr HostColor kRedColour{0xFFFF, 0, 0};

class HostWindowPorts : public ToolboxTest {
protected:
    void SetUp() override
    {
        ToolboxTest::SetUp();
        registerRecordingClass();
    }

    void fillEverything()
    {
        HostExtRGBForeColor(&kRedColour);
        const HostRect all{-2000, -2000, 2000, 2000};
        HostExtFillRect(&all);
    }
};

TEST_F(HostWindowPorts, LocalPointsMapToTheScreenThroughTheWindowsPlace)
{
    HWND window = makeWindow(nullptr, {300, 200, 500, 350});
    HostPort port = windowPort(window);
    EXPECT_EQ(HostExtGetPortWindow(port), window);
    HostRect bounds{};
    HostExtGetPortBounds(port, &bounds);
    EXPECT_EQ(std::vector<int>({bounds.top, bounds.left, bounds.bottom, bounds.right}),
              std::vector<int>({0, 0, 150, 200}));

    HostPoint point{0, 0};
    HostExtLocalToGlobal(&point);
    EXPECT_EQ(point.h, 300);
    EXPECT_EQ(point.v, 200);
    HostExtGlobalToLocal(&point);
    EXPECT_EQ(point.h, 0);
    EXPECT_EQ(point.v, 0);

    HostExtSetOrigin(5, 7);
    point = {7, 5};
    HostExtLocalToGlobal(&point);
    EXPECT_EQ(point.h, 300);
    EXPECT_EQ(point.v, 200);
    DestroyWindow(window);
}

TEST_F(HostWindowPorts, DrawingLandsInTheClientAreaButNeverOverAChildWindow)
{
    HWND window = makeWindow(nullptr, {100, 100, 140, 130});
    HWND child = makeWindow(window, {10, 5, 20, 15});
    HWND hidden = makeWindow(window, {25, 20, 35, 28}, 0);
    platform::pumpMessages();
    const platform::Image before = *platform::captureWindow(window);
    windowPort(window);
    fillEverything();

    platform::Image expected(40, 30, kRed);
    for (int v = 5; v < 15; ++v)
        for (int h = 10; h < 20; ++h)
            expected.set(h, v, before.at(h, v));
    expectWindowPicture(window, expected);
    DestroyWindow(hidden);
    DestroyWindow(child);
    DestroyWindow(window);
}

TEST_F(HostWindowPorts, InvalidatingFeedsTheWindowsUpdateRegionSoAPaintFollows)
{
    HWND window = makeWindow(nullptr, {0, 0, 100, 100});
    platform::pumpMessages();
    deliveries.clear();
    windowPort(window);
    HostExtSetOrigin(10, 20);
    const HostRect rect{30, 15, 40, 25};
    HostExtInvalidateRect(&rect);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(window, &update, FALSE));
    EXPECT_EQ(std::vector<LONG>({update.left, update.top, update.right, update.bottom}),
              std::vector<LONG>({5, 10, 15, 20}));
    platform::pumpMessages();
    EXPECT_EQ(count(WM_PAINT, window), 1);
    DestroyWindow(window);
}

// The host's window made by the toolbox's library, the editor's by the plug-in library loaded as a host
// loads it, the port by the toolbox: all in one window list.
TEST_F(HostWindowPorts, APortOverAHostLibrarysWindowLeavesThePluginLibrarysChildAlone)
{
    void* library = dlopen(KRAVO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using Create = AudioPlugin* (*)(HostCallback);
    const auto create = reinterpret_cast<Create>(dlsym(library, "createEffectInstance"));
    ASSERT_NE(create, nullptr);
    AudioPlugin* plugin = create(nullptr);
    ASSERT_NE(plugin, nullptr);
    PluginRecord* record = plugin->getPluginRecord();
    const auto dispatch = [record](std::int32_t opcode, void* pointer) {
        return record->dispatcher(record, opcode, 0, 0, pointer, 0.0f);
    };
    ERect* size = nullptr;
    ASSERT_NE(dispatch(plugEditGetRect, &size), 0);
    const int width = size->right - size->left;
    const int height = size->bottom - size->top;

    HWND host = hostext::makeHostWindow({20, 10, 20 + width + 40, 10 + height + 30});
    ASSERT_NE(host, nullptr);
    ASSERT_NE(dispatch(plugEditOpen, host), 0);
    platform::pumpMessages();
    HWND editor = nullptr;
    EnumChildWindows(
        host,
        [](HWND child, LPARAM found) {
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&editor));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(GetParent(editor), host);
    const platform::Image editorBefore = *platform::captureWindow(editor);

    windowPort(host);
    fillEverything();
    expectSamePicture(*platform::captureWindow(editor), editorBefore);
    RECT place{};
    GetWindowRect(editor, &place);
    const platform::Image hostPicture = *platform::captureWindow(host);
    const int editorRight = place.right - 20;
    EXPECT_EQ(hostPicture.at(editorRight, 0), kRed);
    EXPECT_EQ(hostPicture.at(hostPicture.width() - 1, hostPicture.height() - 1), kRed);

    dispatch(plugEditClose, nullptr);
    HostExtSetPort(nullptr);
    DestroyWindow(host);
    platform::pumpMessages();
    dispatch(plugClose, nullptr);
}

} // namespace
