#include "toolkit/option_menu.h"

#include "platform/menu/owner_drawn_items.h"
#include "platform/menu/popup_menus.h"
#include "platform/menu/track_popup_menu.h"
#include "platform/menu/tracked_menus.h"
#include "tests/toolkit/support/control_test.h"
#include "tests/toolkit/support/recording_views.h"
#include "toolkit/bitmap.h"
#include "toolkit/option_menu_scheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace Toolkit;
using kravo::test::RecordingListener;
using Log = std::vector<std::string>;

constexpr std::int32_t kTag = 9;
constexpr CRect kMenuPlace{10, 20, 70, 36};

class Popup : public kravo::test::ControlWindowTest {
protected:
    COptionMenu* addedMenu(std::vector<const char*> texts, std::int32_t style = 0, CBitmap* bgWhenClick = nullptr)
    {
        auto* menu = added(new COptionMenu(kMenuPlace, &listener, kTag, nullptr, bgWhenClick, style));
        for (const char* text : texts)
            menu->addEntry(text);
        return menu;
    }
    void clickMenu(int button = VK_LBUTTON) { clickAt(20, 25, button); }

    const platform::TrackedMenu& lastMenu()
    {
        EXPECT_FALSE(platform::recordedMenus().empty());
        return platform::recordedMenus().back();
    }

    std::string currentOf(COptionMenu& menu)
    {
        char text[COptionMenu::kEntrySize] = {};
        return menu.getCurrent(text) >= 0 ? text : "(none)";
    }

    RecordingListener listener{log};
};

TEST_F(Popup, AChoiceMakesItsEntryCurrentAndIsReportedWithinAnEdit)
{
    COptionMenu* menu = addedMenu({"alpha", "beta", "gamma"});
    choices().pick({"beta"});
    clickMenu();
    EXPECT_EQ(log, (Log{"begin 9", "changed 1", "end 9"}));
    EXPECT_EQ(currentOf(*menu), "beta");
    EXPECT_EQ(listener.changed.at(0), menu);
    EXPECT_NE(listener.contexts.at(0), nullptr);
    std::int32_t index = -1;
    EXPECT_EQ(menu->getLastItemMenu(index), menu);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(platform::menuCount(), 0u) << "the pop-up is gone before the listener hears of it";

    const platform::TrackedMenu& shown = lastMenu();
    EXPECT_EQ(shown.point.x, kFrameOnScreen.x + kMenuPlace.left);
    EXPECT_EQ(shown.point.y, kFrameOnScreen.y + kMenuPlace.bottom) << "below the control";
    EXPECT_EQ(shown.flags, 0u);
    EXPECT_EQ(shown.owner, frame->getWindow());
    ASSERT_EQ(shown.items.size(), 3u);
    EXPECT_EQ(shown.items[2].id, 2u);
    EXPECT_EQ(shown.items[2].flags, MF_STRING) << "plain items without a scheme";
}

TEST_F(Popup, ACancelReportsNothingAndChangesNothing)
{
    COptionMenu* menu = addedMenu({"alpha", "beta"});
    menu->setCurrent(1);
    choices().cancel();
    clickMenu();
    EXPECT_EQ(log, (Log{"begin 9", "end 9"}));
    EXPECT_EQ(currentOf(*menu), "beta");
    std::int32_t index = 0;
    EXPECT_EQ(menu->getLastItemMenu(index), nullptr);
    EXPECT_EQ(index, -1);
}

TEST_F(Popup, ASubMenuChoiceReportsTheSubMenuWithItsIndexAndLeavesTheTopMenusEntry)
{
    COptionMenu* menu = addedMenu({"a"});
    auto* sub = new COptionMenu(kMenuPlace, &listener, 12);
    sub->addEntry("x");
    sub->addEntry("y");
    menu->addEntry(sub, "More");
    menu->addEntry("b");
    sub->forget();
    choices().pick({"More", "y"});
    clickMenu();
    EXPECT_EQ(log, (Log{"begin 9", "changed 1", "end 9"}));
    EXPECT_EQ(listener.changed.at(0), sub);
    EXPECT_EQ(currentOf(*menu), "a");
    EXPECT_EQ(currentOf(*sub), "y");
    std::int32_t index = -1;
    EXPECT_EQ(menu->getLastItemMenu(index), sub);
    EXPECT_EQ(index, 1);

    const platform::TrackedMenu& shown = lastMenu();
    ASSERT_EQ(shown.items.size(), 3u);
    EXPECT_EQ(shown.items[1].text, "More");
    EXPECT_EQ(shown.items[1].flags, MF_POPUP);
    ASSERT_EQ(shown.items[1].submenu.size(), 2u);
    EXPECT_EQ(shown.items[1].submenu[1].id, 4u) << "after the three items of the top menu";
    EXPECT_EQ(shown.items[2].id, 2u);
}

TEST_F(Popup, AnEntryLeftWithoutItsSubMenuShiftsNoIdOfTheEntriesAfterIt)
{
    COptionMenu* menu = addedMenu({"A", "-Mghost", "B"});
    choices().pick({"B"});
    clickMenu();
    EXPECT_EQ(currentOf(*menu), "B");
    EXPECT_EQ(listener.values.at(0), 2.0f);
    const platform::TrackedMenu& shown = lastMenu();
    ASSERT_EQ(shown.items.size(), 2u);
    EXPECT_EQ(shown.items[1].id, 2u);
}

TEST_F(Popup, ItOpensAtTheTopWithPopupStyleAndTheRightButtonChoosesAfterARightClick)
{
    auto* group = added(new CViewContainer({5, 6, 95, 76}, frame, nullptr));
    auto* menu = new COptionMenu({10, 20, 70, 36}, &listener, kTag, nullptr, nullptr, kPopupStyle);
    menu->addEntry("only");
    group->addView(menu);
    choices().cancel();
    clickAt(20, 30, VK_RBUTTON);
    const platform::TrackedMenu& shown = lastMenu();
    EXPECT_EQ(shown.point.x, kFrameOnScreen.x + 5 + 10);
    EXPECT_EQ(shown.point.y, kFrameOnScreen.y + 6 + 20);
    EXPECT_EQ(shown.flags, TPM_RIGHTBUTTON);

    // The middle button opens nothing.
    clickAt(20, 30, VK_MBUTTON);
    EXPECT_EQ(platform::recordedMenus().size(), 1u);
}

TEST_F(Popup, PrefixesAndCheckStylesGiveTheItemsTheirFlagsAndColumnsBreakEveryNItems)
{
    COptionMenu* menu = addedMenu({"-TTitle", "-GGrey", "-BNext", "-", "plain", "current"}, kCheckStyle);
    menu->setCurrent(5);
    choices().cancel();
    clickMenu();
    {
        const platform::TrackedMenu& shown = lastMenu();
        ASSERT_EQ(shown.items.size(), 6u);
        const std::vector<UINT> flags{MF_DISABLED, MF_GRAYED, MF_MENUBREAK, MF_SEPARATOR, 0, MF_CHECKED};
        const std::vector<std::string> texts{"Title", "Grey", "Next", "", "plain", "current"};
        for (std::size_t item = 0; item < 6; ++item) {
            EXPECT_EQ(shown.items[item].flags, flags[item]) << item;
            EXPECT_EQ(shown.items[item].text, texts[item]) << item;
        }
        EXPECT_EQ(shown.items[3].id, 0u);
        EXPECT_EQ(shown.items[4].id, 4u);
    }

    menu->removeAllEntry();
    menu->setStyle(kMultipleCheckStyle | kCheckStyle);
    for (const char* text : {"a", "b", "c"})
        menu->addEntry(text);
    menu->checkEntry(2, true);
    menu->setNbItemsPerColumn(2);
    choices().cancel();
    clickMenu();
    {
        const platform::TrackedMenu& shown = lastMenu();
        EXPECT_EQ(shown.items[0].flags, 0u) << "the current entry does not count with multiple checks";
        EXPECT_EQ(shown.items[2].flags, MF_CHECKED | MF_MENUBARBREAK);
    }
}

TEST_F(Popup, TenItemsAColumnBreakTwentyFiveEntriesTwiceAndMenusOf160EntriesNever)
{
    COptionMenu* menu = addedMenu({});
    menu->setNbItemsPerColumn(10);
    for (int entry = 0; entry < 25; ++entry)
        menu->addEntry(("item " + std::to_string(entry)).c_str());
    choices().cancel();
    clickMenu();
    std::vector<std::size_t> breaks;
    for (std::size_t item = 0; item < lastMenu().items.size(); ++item)
        if ((lastMenu().items[item].flags & MF_MENUBARBREAK) != 0)
            breaks.push_back(item);
    EXPECT_EQ(breaks, (std::vector<std::size_t>{10, 20}));

    for (int entry = 25; entry < 160; ++entry)
        menu->addEntry("more");
    choices().cancel();
    clickMenu();
    for (const platform::TrackedMenuItem& item : lastMenu().items)
        ASSERT_EQ(item.flags & MF_MENUBARBREAK, 0u);
}

TEST_F(Popup, TheClickBackgroundShowsWhileItIsOpenAndTheMenuIsRedrawnAfter)
{
    // As large as the strip: a blend cannot reach beyond its bitmap.
    kravo::test::Held<CBitmap> strip(new CBitmap(test_images::kFourImageStrip.id));
    auto* menu = added(new COptionMenu({10, 20, 14, 36}, &listener, kTag, nullptr, strip.get()));
    menu->addEntry("alpha");
    platform::pumpMessages();
    EXPECT_FALSE(menu->isDirty());
    choices().cancel();
    clickAt(12, 25);
    EXPECT_TRUE(menu->isDirty());
    auto picture = platform::captureWindow(frame->getWindow());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->at(11, 21), kravo::test::shownStripColour(0).gdiValue());
    frame->idle();
    picture = platform::captureWindow(frame->getWindow());
    EXPECT_EQ(picture->at(11, 21), RGB(0, 0, 0)) << "its black box again";
}

TEST_F(Popup, ItemsOfAMenuWithASchemeAreMeasuredByIt)
{
    auto* scheme = new COptionMenuScheme;
    defaultOptionMenuScheme = scheme;
    COptionMenu* menu = addedMenu({"Kick", "-", "Snare\t9"});
    EXPECT_EQ(menu->getScheme(), scheme);
    choices().cancel();
    clickMenu();
    const platform::TrackedMenu& shown = lastMenu();
    ASSERT_EQ(shown.items.size(), 3u);
    EXPECT_EQ(shown.items[0].flags, MF_OWNERDRAW);
    EXPECT_EQ(shown.items[1].flags, MF_OWNERDRAW | MF_SEPARATOR);

    CDrawContext measuring(frame, nullptr, frame->getWindow());
    measuring.setFont(kArial11);
    EXPECT_EQ(shown.items[0].size.width, measuring.getStringWidth("Kick") + 36);
    EXPECT_EQ(shown.items[0].size.height, 18);
    EXPECT_EQ(shown.items[1].size.width, 6);
    EXPECT_EQ(shown.items[1].size.height, 18);
    EXPECT_EQ(shown.items[2].size.width, measuring.getStringWidth("Snare\t9") + 36);
    scheme->forget();
    EXPECT_EQ(defaultOptionMenuScheme, nullptr);
}

TEST_F(Popup, OwnerDrawnItemsOutsideAnOpenMenuWithASchemeAreLeftToTheSystem)
{
    char text[] = "item";
    auto* view = added(new kravo::test::RecordingView({0, 0, 10, 10}));
    COptionMenu* schemeless = addedMenu({"a"});
    for (CView* focus : {static_cast<CView*>(nullptr), static_cast<CView*>(view), static_cast<CView*>(schemeless)}) {
        frame->setFocusView(focus);
        HMENU popup = CreatePopupMenu();
        AppendMenuA(popup, MF_OWNERDRAW, 1, text);
        choices().cancel();
        TrackPopupMenu(popup, 0, 0, 0, frame->getWindow());
        DestroyMenu(popup);
        EXPECT_EQ(lastMenu().items[0].size.width, 0);
        EXPECT_EQ(lastMenu().items[0].size.height, 0);
    }
    frame->setFocusView(nullptr);
}

TEST_F(Popup, AThreeItemMenuInTheEditorsColoursShowsItsItemsAndTheChosenOneSelected)
{
    constexpr CColor kBack{8, 154, 153, 255};
    constexpr CColor kSelection{131, 185, 184, 255};
    auto* scheme = new COptionMenuScheme;
    scheme->setColors(kBack, kSelection, kBlackColor, kBlackColor, kBlackColor);
    scheme->setFont(kArial10);
    defaultOptionMenuScheme = scheme;
    const std::vector<const char*> texts{"Kick", "Snare", "Hat"};
    addedMenu(texts);
    choices().pick({"Snare"});
    clickMenu();
    const platform::TrackedMenu& shown = lastMenu();

    // Items as wide as the widest text and 36 more, 18 high, in a frame of 3 with a black edge.
    HDC dc = canvas(1, 1);
    CDrawContext drawing(nullptr, dc, nullptr);
    drawing.setFont(kArial10);
    std::int32_t widest = 0;
    for (const char* text : texts)
        widest = std::max(widest, drawing.getStringWidth(text) + 36);
    const int width = widest + 6;
    const int height = 3 * 18 + 6;
    HDC expected = canvas(width, height, RGB(0, 0, 0));
    CDrawContext onExpected(nullptr, expected, nullptr);
    onExpected.setFillColor({192, 192, 192, 255});
    onExpected.fillRect({0, 0, width - 1, height - 1});
    onExpected.setFont(kArial10);
    onExpected.setFontColor(kBlackColor);
    for (std::int32_t item = 0; item < 3; ++item) {
        const CRect rect{3, 3 + 18 * item, 3 + widest, 3 + 18 * (item + 1)};
        onExpected.setClipRect(rect);
        // The fill leaves the item's first row and column to the menu.
        onExpected.setFillColor(item == 1 ? kSelection : kBack);
        onExpected.fillRect(rect);
        const CRect textRect{rect.left + 18, rect.top, rect.right, rect.bottom + 1};
        onExpected.drawString(texts[static_cast<std::size_t>(item)], textRect, false, kAlignLeft);
    }
    expectSamePicture(shown.image, *platform::captureImage(expected, {0, 0, width, height}));
    scheme->forget();
}

} // namespace
