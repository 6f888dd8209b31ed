#include "platform/desktop/desktop_switch.h"
#include "platform/menu/menu_testing.h"
#include "platform/menu/popup_menus.h"
#include "platform/menu/track_popup_menu.h"
#include "platform/menu/tracked_menus.h"
#include "platform/shell/shell_execute.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_test.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class DesktopSwitch : public kravo::test::WindowTest {
protected:
    void SetUp() override
    {
        unsetenv("KRAVO_SHOW_WINDOWS");
        WindowTest::SetUp();
        platform::resetMenus();
        registerRecordingClass();
    }

    void TearDown() override
    {
        platform::resetMenus();
        WindowTest::TearDown();
        EXPECT_EQ(SDL_WasInit(0), 0u) << "headless again, SDL is quit";
        unsetenv("KRAVO_SHOW_WINDOWS");
        unsetenv("SDL_VIDEODRIVER");
    }

    // A pop-up menu of one item, shown and closed again; answers what was chosen.
    std::optional<UINT> trackAMenu(HWND owner)
    {
        HMENU menu = CreatePopupMenu();
        AppendMenuA(menu, MF_STRING, 1, "One");
        TrackPopupMenu(menu, TPM_NONOTIFY, 10, 10, owner);
        DestroyMenu(menu);
        return platform::recordedMenus().back().chosen;
    }
};

TEST_F(DesktopSwitch, HeadlessNoSdlCallIsMade)
{
    kravo::test::TempFolder folder;
    folder.writeFile("Manual.pdf", "%PDF");
    HWND window = makeWindow(nullptr, {0, 0, 320, 200});

    platform::pumpMessages();
    script().press(VK_LBUTTON);
    GetAsyncKeyState(VK_LBUTTON);
    POINT pointer{};
    GetCursorPos(&pointer);
    SetCursor(LoadCursorA(nullptr, IDC_HAND));
    SetWindowTextA(window, "Kravo");
    SetWindowPos(window, HWND_TOP, 20, 20, 300, 150, SWP_NOZORDER);
    HDC dc = GetDC(window);
    ReleaseDC(window, dc);
    EXPECT_EQ(trackAMenu(window), std::nullopt);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(
                  ShellExecuteA(nullptr, "open", (folder / "Manual.pdf").c_str(), nullptr, nullptr, SW_SHOWNORMAL)),
        42);
    ShowWindow(window, SW_HIDE);
    DestroyWindow(window);

    EXPECT_FALSE(platform::desktop::showing());
    EXPECT_EQ(SDL_WasInit(0), 0u);
    platform::resetShellExecutes();
}

TEST_F(DesktopSwitch, KravoShowWindowsOneShowsTheWindowsOnTheDesktopFromTheFirstWindowOn)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("KRAVO_SHOW_WINDOWS", "1", 1);

    HWND window = makeWindow(nullptr, {0, 0, 320, 200});

    EXPECT_NE(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    SDL_Window* shown = platform::desktop::windowOnDesktop(window);
    ASSERT_NE(shown, nullptr);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(shown, &width, &height);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 200);
    DestroyWindow(window);
}

TEST_F(DesktopSwitch, AnyOtherValueOfKravoShowWindowsKeepsThemHeadless)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    for (const char* value : {"0", "yes", "", "11"}) {
        setenv("KRAVO_SHOW_WINDOWS", value, 1);
        platform::resetWindowSystem();
        registerRecordingClass();
        HWND window = makeWindow(nullptr, {0, 0, 320, 200});
        EXPECT_EQ(SDL_WasInit(0), 0u) << value;
        DestroyWindow(window);
    }
}

TEST_F(DesktopSwitch, WithoutADisplayTheAskAnswersFalseAndEverythingStaysHeadless)
{
    setenv("SDL_VIDEODRIVER", "kravo-no-such-driver", 1);

    EXPECT_FALSE(platform::showWindowsOnDesktop(true));

    EXPECT_FALSE(platform::desktop::showing());
    EXPECT_EQ(SDL_WasInit(0), 0u);
    HWND window = makeWindow(nullptr, {0, 0, 320, 200});
    EXPECT_EQ(platform::desktop::windowOnDesktop(window), nullptr);
    script().press(VK_LBUTTON);
    EXPECT_LT(GetAsyncKeyState(VK_LBUTTON), 0) << "the script is the input";
    DestroyWindow(window);
}

TEST_F(DesktopSwitch, TurningTheDesktopOffClosesItsWindowsAndGivesInputAndMenusBackToTheirScripts)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_TRUE(platform::showWindowsOnDesktop(true));
    HWND window = makeWindow(nullptr, {0, 0, 320, 200});
    ASSERT_NE(platform::desktop::windowOnDesktop(window), nullptr);

    EXPECT_FALSE(platform::showWindowsOnDesktop(false));

    EXPECT_EQ(platform::desktop::windowOnDesktop(window), nullptr);
    EXPECT_EQ(SDL_WasInit(0), 0u);
    EXPECT_EQ(trackAMenu(window), std::nullopt) << "the script cancels a menu it has no choice for";
    platform::pumpMessages();
    MSG message{};
    expectScriptFailures(1);
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0)) << "the script has nothing to wait for";
    DestroyWindow(window);
}

} // namespace
