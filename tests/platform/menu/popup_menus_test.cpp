#include "platform/last_error.h"
#include "tests/platform/menu/menu_test.h"

#include <gtest/gtest.h>

namespace {

using PopupMenus = kravo::test::MenuTest;

TEST_F(PopupMenus, DestroyingAParentFreesItsSubmenusAndAStaleHandleFailsEverywhere)
{
    HMENU top = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    HMENU subSub = CreatePopupMenu();
    HMENU other = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(subSub, MF_STRING, 3, "Deep"));
    ASSERT_TRUE(AppendMenuA(sub, MF_POPUP, reinterpret_cast<UINT_PTR>(subSub), "More"));
    ASSERT_TRUE(AppendMenuA(top, MF_STRING, 1, "One"));
    ASSERT_TRUE(AppendMenuA(top, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Sub"));
    EXPECT_EQ(platform::menuCount(), 4u);

    EXPECT_TRUE(DestroyMenu(top));
    EXPECT_EQ(platform::menuCount(), 1u) << "only the menu no item owned is left";
    for (HMENU stale : {top, sub, subSub}) {
        SetLastError(0);
        EXPECT_FALSE(DestroyMenu(stale));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
    }
    SetLastError(0);
    EXPECT_FALSE(AppendMenuA(top, MF_STRING, 2, "Two"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
    EXPECT_FALSE(AppendMenuA(other, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Stale"));
    EXPECT_FALSE(TrackPopupMenu(top, 0, 10, 10, owner));
    EXPECT_TRUE(platform::recordedMenus().empty());

    HMENU fresh = CreatePopupMenu();
    EXPECT_NE(fresh, top) << "handles are never given out twice";
    DestroyMenu(fresh);
    DestroyMenu(other);
}

TEST_F(PopupMenus, AppendRefusesUnknownFlagsAndSubmenusThatAreOwnedOrWouldCloseALoop)
{
    HMENU top = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    HMENU stray = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(top, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Sub"));
    const auto refused = [](HMENU menu, UINT flags, UINT_PTR id) {
        SetLastError(0);
        return !AppendMenuA(menu, flags, id, "x") && GetLastError() == static_cast<DWORD>(ERROR_INVALID_PARAMETER);
    };
    EXPECT_TRUE(refused(top, 0x4, 1)) << "an unknown flag";
    EXPECT_TRUE(refused(top, MF_POPUP | MF_SEPARATOR, reinterpret_cast<UINT_PTR>(stray)));
    EXPECT_TRUE(refused(stray, MF_POPUP, reinterpret_cast<UINT_PTR>(sub))) << "another item owns it";
    EXPECT_TRUE(refused(sub, MF_POPUP, reinterpret_cast<UINT_PTR>(top))) << "a menu inside itself";
    EXPECT_TRUE(refused(stray, MF_POPUP, reinterpret_cast<UINT_PTR>(stray)));
    SetLastError(0);
    EXPECT_FALSE(AppendMenuA(top, MF_POPUP, 0x1234, "Nothing"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));

    EXPECT_TRUE(DestroyMenu(top));
    EXPECT_TRUE(DestroyMenu(stray));
    EXPECT_EQ(platform::menuCount(), 0u);
}

TEST_F(PopupMenus, ItemsKeepTheirTextsOrOwnerDrawnPointersAndASubmenuDestroyedAloneOpensEmpty)
{
    char ownerText[] = "Kick";
    char separatorText[] = "-";
    char scratch[] = "Temp";
    HMENU top = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(top, MF_STRING | MF_CHECKED, 7, scratch));
    scratch[0] = 'X';
    ASSERT_TRUE(AppendMenuA(top, MF_OWNERDRAW, 8, ownerText));
    ASSERT_TRUE(AppendMenuA(top, MF_SEPARATOR | MF_OWNERDRAW, 0, separatorText));
    ASSERT_TRUE(AppendMenuA(top, MF_SEPARATOR, 0, "ignored"));
    ASSERT_TRUE(AppendMenuA(top, MF_STRING, 9, nullptr));
    ASSERT_TRUE(AppendMenuA(sub, MF_STRING, 10, "Lost"));
    ASSERT_TRUE(AppendMenuA(top, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Sub"));
    ASSERT_TRUE(DestroyMenu(sub));
    choices().pick({"Sub", "Lost"});

    EXPECT_TRUE(TrackPopupMenu(top, 0, 10, 10, owner));
    ASSERT_EQ(platform::recordedMenus().size(), 1u);
    const auto& items = platform::recordedMenus()[0].items;
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0].text, "Temp") << "a text item keeps a copy";
    EXPECT_EQ(items[0].flags, MF_STRING | MF_CHECKED);
    EXPECT_EQ(items[0].id, 7u);
    EXPECT_EQ(items[1].text, "Kick");
    EXPECT_EQ(items[1].data, reinterpret_cast<ULONG_PTR>(ownerText));
    EXPECT_EQ(items[2].data, reinterpret_cast<ULONG_PTR>(separatorText)) << "owner-drawn separators too";
    EXPECT_EQ(items[3].text, "");
    EXPECT_EQ(items[3].data, 0u);
    EXPECT_EQ(items[4].text, "");
    EXPECT_EQ(items[5].submenuHandle, sub);
    EXPECT_TRUE(items[5].submenu.empty());
    EXPECT_FALSE(platform::recordedMenus()[0].chosen);
    EXPECT_EQ(platform::recordedMenus()[0].menus.size(), 2u) << "the stale sub-menu opens, empty";
    EXPECT_FALSE(takeCommand());
    EXPECT_TRUE(DestroyMenu(top));
}

} // namespace
