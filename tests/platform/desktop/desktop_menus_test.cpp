#include "platform/desktop/desktop_menus.h"
#include "platform/menu/menu_script.h"
#include "platform/menu/owner_drawn_items.h"
#include "platform/menu/popup_menus.h"
#include "platform/menu/track_popup_menu.h"
#include "platform/menu/tracked_menus.h"
#include "tests/platform/desktop/desktop_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// A menu of owner-drawn items 80 × 20 pixels at (50, 40) on the screen, its owner covering the screen's
// corner: One (id 1) at 53..133 × 43..63, Two, More (a sub-menu of Four and Five, which opens at
// 139..219 × 83..123) and Three (id 3) below each other.
class DesktopMenus : public kravo::test::DesktopTest {
protected:
    static constexpr int kMenuX = 50;
    static constexpr int kMenuY = 40;

    struct Drawn {
        std::string text;
        UINT state;
    };

    void SetUp() override
    {
        DesktopTest::SetUp();
        owner = makeWindow(nullptr, {0, 0, 400, 300});
        answer = [this](const kravo::test::Delivery& delivery) -> std::optional<LRESULT> {
            if (delivery.message == WM_MEASUREITEM) {
                auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(delivery.lParam);
                measure->itemWidth = 80;
                measure->itemHeight = 20;
                return TRUE;
            }
            if (delivery.message == WM_DRAWITEM) {
                const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(delivery.lParam);
                drawn.push_back({reinterpret_cast<const char*>(draw->itemData), draw->itemState});
                if (onDraw)
                    onDraw(*draw);
                return TRUE;
            }
            return std::nullopt;
        };
        platform::pumpMessages();
        menu = CreatePopupMenu();
        HMENU more = CreatePopupMenu();
        AppendMenuA(more, MF_OWNERDRAW, 4, "Four");
        AppendMenuA(more, MF_OWNERDRAW, 5, "Five");
        AppendMenuA(menu, MF_OWNERDRAW, 1, "One");
        AppendMenuA(menu, MF_OWNERDRAW, 2, "Two");
        AppendMenuA(menu, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(more), "More");
        AppendMenuA(menu, MF_OWNERDRAW, 3, "Three");
        deliveries.clear();
    }

    void TearDown() override
    {
        DestroyMenu(menu);
        DestroyWindow(owner);
        DesktopTest::TearDown();
    }

    BOOL track() { return TrackPopupMenu(menu, 0, kMenuX, kMenuY, owner); }

    // The WM_COMMAND waiting for the owner, taken out of the queue as the program reads it.
    std::optional<WPARAM> takeCommand()
    {
        MSG message{};
        if (!PeekMessageA(&message, owner, WM_COMMAND, WM_COMMAND, PM_REMOVE))
            return std::nullopt;
        return message.wParam;
    }

    void pushClick(int x, int y)
    {
        pushButton(owner, SDL_BUTTON_LEFT, true, x, y);
        pushButton(owner, SDL_BUTTON_LEFT, false, x, y);
    }

    bool drawnSelected(const std::string& text) const
    {
        return std::any_of(drawn.begin(), drawn.end(),
            [&](const Drawn& each) { return each.text == text && (each.state & ODS_SELECTED) != 0; });
    }

    static std::size_t openMenus() { return platform::recordedMenus().back().menus.size(); }

    HWND owner = nullptr;
    HMENU menu = nullptr;
    std::vector<Drawn> drawn;
    std::function<void(const DRAWITEMSTRUCT&)> onDraw;
};

TEST_F(DesktopMenus, AClickOnAnItemChoosesItAndPostsItsCommand)
{
    pushClick(60, 70);

    EXPECT_TRUE(track());

    EXPECT_EQ(takeCommand(), WPARAM{2});
    EXPECT_EQ(platform::recordedMenus().back().chosen, 2u);
    EXPECT_TRUE(drawnSelected("Two"));
    EXPECT_FALSE(GetAsyncKeyState(VK_LBUTTON) < 0);
    EXPECT_EQ(count(WM_LBUTTONDOWN) + count(WM_LBUTTONUP) + count(WM_MOUSEMOVE), 0)
        << "the menu held the mouse: the owner heard nothing of it";
}

TEST_F(DesktopMenus, TheItemUnderThePointerIsDrawnSelectedAndEscapeCancels)
{
    pushMotion(owner, 60, 50);
    pushKey(SDLK_ESCAPE, true);

    EXPECT_TRUE(track());

    EXPECT_TRUE(drawnSelected("One"));
    EXPECT_FALSE(drawnSelected("Two"));
    EXPECT_EQ(platform::recordedMenus().back().chosen, std::nullopt);
    EXPECT_EQ(takeCommand(), std::nullopt);
    EXPECT_EQ(count(WM_KEYDOWN), 0);
    POINT pointer{};
    GetCursorPos(&pointer);
    EXPECT_EQ(pointer.x, 60) << "the pointer followed the mouse";
    EXPECT_EQ(pointer.y, 50);
}

TEST_F(DesktopMenus, APressOutsideTheMenusCancels)
{
    pushButton(owner, SDL_BUTTON_LEFT, true, 300, 250);
    pushClick(60, 70);

    EXPECT_TRUE(track());

    EXPECT_EQ(platform::recordedMenus().back().chosen, std::nullopt);
    EXPECT_EQ(takeCommand(), std::nullopt);
    platform::pumpMessages();
    EXPECT_EQ(count(WM_LBUTTONDOWN, owner), 1) << "the click after the menu went is the owner's";
}

TEST_F(DesktopMenus, LettingAButtonGoOverNoItemLeavesTheMenuOpenAsAfterThePressThatOpenedIt)
{
    pushButton(owner, SDL_BUTTON_RIGHT, false, kMenuX, kMenuY);
    pushClick(60, 105);

    EXPECT_TRUE(track());

    EXPECT_EQ(takeCommand(), WPARAM{3});
}

TEST_F(DesktopMenus, PointingAtASubmenuItemOpensItAndAClickThereChoosesFromIt)
{
    pushMotion(owner, 60, 90);
    pushClick(150, 110);

    EXPECT_TRUE(track());

    EXPECT_EQ(takeCommand(), WPARAM{5});
    EXPECT_EQ(openMenus(), 2u);
    EXPECT_TRUE(drawnSelected("More")) << "the way to the choice stays selected";
    EXPECT_TRUE(drawnSelected("Five"));
}

TEST_F(DesktopMenus, PointingAtAnotherItemOfTheMenuClosesItsSubmenu)
{
    pushMotion(owner, 60, 90);
    pushMotion(owner, 60, 110);
    pushKey(SDLK_ESCAPE, true);

    EXPECT_TRUE(track());

    EXPECT_EQ(openMenus(), 1u);
    EXPECT_TRUE(drawnSelected("Three"));
}

TEST_F(DesktopMenus, TheOpenMenuIsABorderlessWindowAboveAllOthersAtItsPlaceAndClosesWithIt)
{
    const auto findMenuWindow = [] {
        for (Uint32 id = 1; id < 100; ++id)
            if (SDL_Window* window = SDL_GetWindowFromID(id); window != nullptr &&
                (SDL_GetWindowFlags(window) & SDL_WINDOW_POPUP_MENU) != 0)
                return window;
        return static_cast<SDL_Window*>(nullptr);
    };
    bool seen = false;
    onDraw = [&](const DRAWITEMSTRUCT& draw) {
        if ((draw.itemState & ODS_SELECTED) == 0)
            return;
        SDL_Window* shown = findMenuWindow();
        ASSERT_NE(shown, nullptr);
        seen = true;
        const Uint32 flags = SDL_GetWindowFlags(shown);
        EXPECT_NE(flags & SDL_WINDOW_BORDERLESS, 0u);
        EXPECT_NE(flags & SDL_WINDOW_ALWAYS_ON_TOP, 0u);
        int x = 0;
        int y = 0;
        SDL_GetWindowPosition(shown, &x, &y);
        EXPECT_EQ(x, kMenuX);
        EXPECT_EQ(y, kMenuY);
        SDL_GetWindowSize(shown, &x, &y);
        EXPECT_EQ(x, 80 + 6);
        EXPECT_EQ(y, 4 * 20 + 6);
    };
    pushMotion(owner, 60, 50);
    pushKey(SDLK_ESCAPE, true);

    track();

    EXPECT_TRUE(seen);
    EXPECT_EQ(findMenuWindow(), nullptr);
}

TEST_F(DesktopMenus, AChoiceQueuedInTheScriptGoesFirst)
{
    platform::menuScript().pickId(4);

    EXPECT_TRUE(track());

    EXPECT_EQ(takeCommand(), WPARAM{4});
}

} // namespace
