#pragma once

// A fixture for tests of pop-up menus: windows as in WindowTest, and the menu stand-in reset around each
// test, which fails when it left menus behind.

#include "platform/menu/menu_script.h"
#include "platform/menu/menu_testing.h"
#include "platform/menu/owner_drawn_items.h"
#include "platform/menu/popup_menus.h"
#include "platform/menu/track_popup_menu.h"
#include "platform/menu/tracked_menus.h"
#include "tests/support/window_test.h"

#include <gtest/gtest.h>

#include <optional>

namespace kravo::test {

class MenuTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform::resetMenus();
        registerRecordingClass();
        owner = makeWindow(nullptr, {0, 0, 200, 100});
    }

    void TearDown() override
    {
        DestroyWindow(owner);
        EXPECT_EQ(platform::menuCount(), 0u) << "menus were left behind";
        platform::resetMenus();
        WindowTest::TearDown();
    }

    platform::MenuScript& choices() { return platform::menuScript(); }

    // The WM_COMMAND waiting for the owner, taken out of the queue as the program reads it.
    std::optional<WPARAM> takeCommand()
    {
        MSG message{};
        if (!PeekMessageA(&message, owner, WM_COMMAND, WM_COMMAND, PM_REMOVE))
            return std::nullopt;
        return message.wParam;
    }

    HWND owner = nullptr;
};

} // namespace kravo::test
