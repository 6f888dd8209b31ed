#include "host/commands.h"
#include "host/host_window_loop.h"
#include "host/hosted_plugin.h"
#include "host/plugin_object.h"
#include "host/view_window.h"

#include "platform/clock.h"
#include "platform/desktop/desktop_switch.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/scripted_input.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_procedures.h"
#include "platform/window/window_styles.h"
#include "platform/window/window_testing.h"
#include "plugin/base/audio_plugin.h"

#include <stdexcept>

namespace host {

namespace {

constexpr const char* kWindowClass = "KravoHostEditorWindow";

PluginRecord* shownEditor = nullptr;

PlugIntPtr dispatch(PluginRecord* record, std::int32_t opcode, void* pointer)
{
    return record->dispatcher(record, opcode, 0, 0, pointer, 0.0f);
}

// The host's window: it idles the editor while it is shown and ends the program when it is closed.
LRESULT hostWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (shownEditor != nullptr)
            dispatch(shownEditor, plugEditIdle, nullptr);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND makeHostWindow(const ERect& rect)
{
    return makeTopLevelWindow(kWindowClass, &hostWindowProcedure, 0, rect.right - rect.left, rect.bottom - rect.top);
}

// The page buttons stand in the editor's tab strip, in page-mode order, 20 x 14 pixels each.
constexpr POINT kTabStrip{32, 119};
constexpr POINT kPageButtons[] = {{116, 3}, {191, 3}, {48, 3}, {278, 3}, {382, 3}};
constexpr int kPageButtonWidth = 20;
constexpr int kPageButtonHeight = 14;
constexpr int kMostPumps = 100000;

// The voices' select buttons, 13 x 13 pixels, in columns of eight in the voice selector.
constexpr POINT kVoiceSelector{31, 383};
constexpr int kSelectButtonSize = 13;

POINT selectButtonMiddle(int voice)
{
    return {kVoiceSelector.x + voice / 8 * 64 + 49 + kSelectButtonSize / 2,
            kVoiceSelector.y + voice % 8 * 25 + 10 + kSelectButtonSize / 2};
}

// The effect slots' buttons stand in the same strip, beside the effects panel.
constexpr POINT kFxSlotButtons[] = {{725, 3}, {763, 3}, {800, 3}, {837, 3}};

POINT fxSlotButtonMiddle(int slot)
{
    const POINT button = kFxSlotButtons[slot];
    return {kTabStrip.x + button.x + kPageButtonWidth / 2, kTabStrip.y + button.y + kPageButtonHeight / 2};
}

// The sample page's layer buttons, 22 x 22 pixels, in the sample page at (32, 136).
constexpr POINT kSamplePage{32, 136};
constexpr POINT kLayerButtons[] = {{469, 43}, {469, 75}};
constexpr int kLayerButtonSize = 22;

POINT layerButtonMiddle(int layer)
{
    const POINT button = kLayerButtons[layer];
    return {kSamplePage.x + button.x + kLayerButtonSize / 2, kSamplePage.y + button.y + kLayerButtonSize / 2};
}

POINT pageButtonMiddle(int page)
{
    const POINT button = kPageButtons[page];
    return {kTabStrip.x + button.x + kPageButtonWidth / 2, kTabStrip.y + button.y + kPageButtonHeight / 2};
}

// The pattern page's select lights, 13 x 13 pixels beside the pattern pads; its track buttons and View
// switch, 22 x 22 pixels.
constexpr POINT kPatternPage{233, 383};
constexpr POINT kTrackButtons[] = {{94, 158}, {94, 178}, {195, 158}, {195, 178}};
constexpr POINT kViewSwitch{288, 159};
constexpr int kSwitchSize = 22;

POINT patternLightMiddle(int pattern)
{
    return {kPatternPage.x + 56 + kSelectButtonSize / 2, kPatternPage.y + 25 * pattern + 10 + kSelectButtonSize / 2};
}

POINT patternSwitchMiddle(POINT corner)
{
    return {kPatternPage.x + corner.x + kSwitchSize / 2, kPatternPage.y + corner.y + kSwitchSize / 2};
}

// A click at a point of the editor, as a person makes it.
void clickAt(POINT point)
{
    platform::ScriptedInput& script = platform::scriptedInput();
    script.move(kWindowLeft + point.x, kWindowTop + point.y);
    script.press(VK_LBUTTON);
    script.wait(50);
    script.release(VK_LBUTTON);
    for (int pass = 0; pass < kMostPumps && !script.finished(); ++pass)
        platform::pumpMessages();
    platform::pumpMessages();
}

// The editor of a fresh plug-in object, opened in a window of its own; answers the exit code.
int openEditor(const EditorOptions& options, bool headless)
{
    const PluginObject plugin(options.pluginPath, options.program, options.settings);
    PluginRecord* record = plugin.record();
    ERect* rect = nullptr;
    if (dispatch(record, plugEditGetRect, &rect) == 0 || rect == nullptr)
        throw std::runtime_error("the plug-in has no editor");
    HWND window = makeHostWindow(*rect);
    if (window == nullptr)
        throw std::runtime_error("the editor's window could not be made");
    if (dispatch(record, plugEditOpen, window) == 0) {
        DestroyWindow(window);
        throw std::runtime_error("the editor did not open");
    }
    if (options.voice >= 0)
        clickAt(selectButtonMiddle(options.voice));
    if (options.page >= 0)
        clickAt(pageButtonMiddle(options.page));
    if (options.layer >= 0)
        clickAt(layerButtonMiddle(options.layer));
    if (options.fxSlot >= 0)
        clickAt(fxSlotButtonMiddle(options.fxSlot));
    if (options.pattern >= 0)
        clickAt(patternLightMiddle(options.pattern));
    if (options.track >= 0)
        clickAt(patternSwitchMiddle(kTrackButtons[options.track]));
    if (options.patternOverview)
        clickAt(patternSwitchMiddle(kViewSwitch));
    int result = 0;
    if (headless) {
        result = writeWindowPicture(window, [record] { dispatch(record, plugEditIdle, nullptr); }, options.pngPath);
    } else {
        shownEditor = record;
        result = runUntilClosed(window);
        shownEditor = nullptr;
    }
    dispatch(record, plugEditClose, nullptr);
    if (headless)
        DestroyWindow(window);
    platform::pumpMessages();
    return result;
}

constexpr double kHostSampleRate = 44100.0;
constexpr std::int32_t kHostBlockSize = 512;

// The editor as a host opens it: the library opened by WinPlugInOpen, the program and the settings
// given as a render gives them, the size asked, the editor opened in a host window of that size by
// giving the instance its port, idled by the host and closed by taking the port away.
int openThroughHost(const EditorOptions& options, bool headless)
{
    HostedPlugin plugin(options.pluginPath, kHostSampleRate, kHostBlockSize);
    selectProgram(plugin, options.program);
    for (const ParameterSetting& setting : options.settings)
        plugin.setParameter(setting.index, setting.value);
    const HostRect rect = plugin.viewRect();
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        throw std::runtime_error("the plug-in has no editor");
    ViewWindow window(plugin, rect.right - rect.left, rect.bottom - rect.top);
    window.attach();
    return headless ? window.writePicture(options.pngPath) : window.showUntilClosed();
}

// The clock or the desktop the editor runs with, given back however the run ends.
struct HeadlessClock {
    HeadlessClock() { platform::setClock(&clock); }
    ~HeadlessClock() { platform::setClock(nullptr); }
    HeadlessClock(const HeadlessClock&) = delete;
    HeadlessClock& operator=(const HeadlessClock&) = delete;
    // The same start every run, so that the picture is the same every time.
    platform::ManualClock clock{1};
};

struct DesktopShown {
    DesktopShown()
    {
        if (!platform::showWindowsOnDesktop(true))
            throw std::runtime_error("the editor cannot be shown: no desktop to show it on (use --png for a picture)");
    }
    ~DesktopShown() { platform::showWindowsOnDesktop(false); }
    DesktopShown(const DesktopShown&) = delete;
    DesktopShown& operator=(const DesktopShown&) = delete;
};

} // namespace

int runEditor(const EditorOptions& options)
{
    const auto open = options.editorState ? &openEditor : &openThroughHost;
    if (!options.pngPath.empty()) {
        const HeadlessClock clock;
        return open(options, true);
    }
    const DesktopShown desktop;
    return open(options, false);
}

} // namespace host
