#include "tests/hostlibs/extension/toolbox_test.h"

#include "hostlibs/extension/host_menus.h"
#include "hostlibs/extension/host_text.h"

namespace {

using kravo::test::ToolboxTest;

struct Asked {
    std::int16_t message;
    HostPoint point;
    std::int16_t item;
    HostTextSettings text;
    HostRect portBounds;
};

std::vector<Asked> asked;
// Set, the procedure leaves the rectangle it is asked to place as it is.
bool placeNowhere = false;
// What the test menu's procedure answers: its size and where it puts itself relative to the click.
constexpr std::int16_t kWidth = 40;
constexpr std::int16_t kItemHeight = 20;
constexpr std::int16_t kItems = 3;

std::int32_t testMenuProc(std::int16_t message, HostMenu menu, HostRect* rect, HostPoint point,
                          HostMenuItemRecord* item)
{
    HostTextSettings text{};
    HostExtGetTextSettings(&text);
    HostRect bounds{};
    HostExtGetPortBounds(HostExtGetPort(), &bounds);
    asked.push_back({message, point, item->item, text, bounds});
    switch (message) {
    case kHostMenuSize: HostExtSetMenuSize(menu, kWidth, kItems * kItemHeight); break;
    case kHostMenuPlace: {
        if (placeNowhere)
            break;
        std::int16_t width = 0;
        std::int16_t height = 0;
        HostExtGetMenuSize(menu, &width, &height);
        // The asked-for item's middle at the click, 10 to its right.
        const auto top = static_cast<std::int16_t>(point.v - (item->item - 1) * kItemHeight - kItemHeight / 2);
        *rect = {top, static_cast<std::int16_t>(point.h + 10), static_cast<std::int16_t>(top + height),
                 static_cast<std::int16_t>(point.h + 10 + width)};
        break;
    }
    case kHostMenuDraw: {
        const HostColor blue{0, 0, 0xFFFF};
        HostExtRGBForeColor(&blue);
        HostExtFillRect(rect);
        break;
    }
    case kHostMenuChoose: {
        const bool inside = HostExtPointInRect(point, rect);
        item->item = inside ? static_cast<std::int16_t>((point.v - rect->top) / kItemHeight + 1) : 0;
        break;
    }
    default: return 0x1234;
    }
    return 0;
}

class HostMenus : public ToolboxTest {
protected:
    void SetUp() override
    {
        ToolboxTest::SetUp();
        asked.clear();
        placeNowhere = false;
    }

    HostMenu menu(std::int16_t id = 1000)
    {
        HostMenu made = HostExtNewCustomMenu(id, &testMenuProc);
        made_.push_back(made);
        return made;
    }

    void TearDown() override
    {
        for (HostMenu each : made_)
            HostExtDisposeMenu(each);
        ToolboxTest::TearDown();
    }

    // The mouse pressed at the point, moved to each of the others a few ticks apart, then released.
    void drag(std::vector<POINT> points)
    {
        script().move(points.front().x, points.front().y);
        script().press(VK_LBUTTON);
        for (const POINT& point : points) {
            script().wait(5);
            script().move(point.x, point.y);
        }
        script().wait(5);
        script().release(VK_LBUTTON);
    }

    std::vector<std::int16_t> messages() const
    {
        std::vector<std::int16_t> found;
        for (const Asked& each : asked)
            if (found.empty() || found.back() != each.message || each.message != kHostMenuChoose)
                found.push_back(each.message);
        return found;
    }

private:
    std::vector<HostMenu> made_;
};

TEST_F(HostMenus, APopUpAsksSizePlacementDrawingThenAChoiceOnEveryReadAndAnswersTheReleasedItem)
{
    HostMenu popUp = menu();
    HostExtInsertPopUpMenu(popUp);
    HostExtSetSystemFontFamily(3);
    HostExtSetSystemFontSize(9);
    HostPort caller = offscreen();
    const std::size_t windowsBefore = platform::windowCount();
    drag({{100, 100}, {120, 125}, {115, 135}});

    const std::int32_t answer = HostExtPopUpMenuSelect(popUp, {100, 100}, 2);
    // The menu lies over v 70..130, h 110..150: the release at v 135 is below it and chooses nothing.
    EXPECT_EQ(messages(), (std::vector<std::int16_t>{kHostMenuSize, kHostMenuPlace, kHostMenuDraw, kHostMenuChoose}));
    EXPECT_GT(asked.size(), 6u);
    EXPECT_EQ(asked[1].item, 2);
    EXPECT_EQ(asked[1].point.h, 100);
    // Measuring and drawing take the system font.
    for (const Asked& each : asked) {
        EXPECT_EQ(each.text.font, 3);
        EXPECT_EQ(each.text.size, 9);
    }
    // The window's port is in global coordinates.
    EXPECT_EQ(asked[2].portBounds.top, 70);
    EXPECT_EQ(asked[2].portBounds.left, 110);
    EXPECT_EQ(asked[2].portBounds.bottom, 130);
    EXPECT_EQ(asked.back().point.h, 115);
    EXPECT_EQ(asked.back().point.v, 135);
    EXPECT_EQ(answer, 0);
    EXPECT_TRUE(script().finished());

    // The picture of the pop-up is kept; the window is gone and the caller's port current again.
    const auto pictures = hostext::menuPictures();
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].menuID, 1000);
    EXPECT_EQ(pictures[0].rect.top, 70);
    EXPECT_EQ(pictures[0].rect.right, 150);
    EXPECT_EQ(pictures[0].picture.width(), kWidth);
    EXPECT_EQ(pictures[0].picture.height(), 60);
    EXPECT_EQ(pictures[0].picture.at(20, 30), RGB(0, 0, 255));
    EXPECT_EQ(platform::windowCount(), windowsBefore);
    EXPECT_EQ(HostExtGetPort(), caller);

    // Released over the third item: (1000 << 16) | 3.
    asked.clear();
    drag({{100, 100}, {125, 125}});
    EXPECT_EQ(HostExtPopUpMenuSelect(popUp, {100, 100}, 2), (1000 << 16) | 3);
    EXPECT_EQ(hostext::menuPictures().size(), 2u);
}

TEST_F(HostMenus, MenusNotInsertedOrPlacedNowhereAreNotRun)
{
    HostMenu popUp = menu();
    drag({{50, 50}});
    EXPECT_EQ(HostExtPopUpMenuSelect(popUp, {50, 50}, 1), 0);
    EXPECT_EQ(HostExtPopUpMenuSelect(nullptr, {50, 50}, 1), 0);
    EXPECT_TRUE(asked.empty());

    // Placed on an empty rectangle: no window, no choice.
    HostExtInsertPopUpMenu(popUp);
    placeNowhere = true;
    EXPECT_EQ(HostExtPopUpMenuSelect(popUp, {50, 50}, 1), 0);
    EXPECT_EQ(messages(), (std::vector<std::int16_t>{kHostMenuSize, kHostMenuPlace}));
    EXPECT_TRUE(hostext::menuPictures().empty());
    runScript();
}

TEST_F(HostMenus, MenusKeepTheirIdReferenceAndSizeAndInsertOncePerId)
{
    EXPECT_EQ(HostExtNewCustomMenu(5, nullptr), nullptr);
    HostMenu first = menu(1000);
    HostMenu twin = menu(1000);
    EXPECT_EQ(hostext::liveMenuCount(), 2);
    EXPECT_EQ(HostExtGetMenuID(first), 1000);
    HostExtSetMenuReference(first, 0x1234567);
    EXPECT_EQ(HostExtGetMenuReference(first), 0x1234567);
    EXPECT_EQ(HostExtGetMenuReference(twin), 0);

    HostExtCalcMenuSize(first);
    std::int16_t width = 0;
    std::int16_t height = 0;
    HostExtGetMenuSize(first, &width, &height);
    EXPECT_EQ(width, kWidth);
    EXPECT_EQ(height, 60);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].message, kHostMenuSize);
    EXPECT_EQ(asked[0].text.size, 12);

    EXPECT_EQ(HostExtGetMenuHandle(1000), nullptr);
    HostExtInsertPopUpMenu(first);
    HostExtInsertPopUpMenu(twin);
    EXPECT_EQ(HostExtGetMenuHandle(1000), first);
    HostExtRemoveMenu(1000);
    HostExtRemoveMenu(77);
    EXPECT_EQ(HostExtGetMenuHandle(1000), nullptr);
    HostExtInsertPopUpMenu(twin);
    EXPECT_EQ(HostExtGetMenuHandle(1000), twin);

    // Null menus are refused quietly.
    HostExtSetMenuSize(nullptr, 1, 1);
    HostExtGetMenuSize(nullptr, &width, &height);
    HostExtCalcMenuSize(nullptr);
    HostExtInsertPopUpMenu(nullptr);
    EXPECT_EQ(HostExtGetMenuID(nullptr), 0);
    EXPECT_EQ(HostExtGetMenuReference(nullptr), 0);
    HostExtDisposeMenu(nullptr);
}

TEST_F(HostMenus, DisposingAnInsertedMenuRemovesIt)
{
    HostMenu made = HostExtNewCustomMenu(1000, &testMenuProc);
    HostExtInsertPopUpMenu(made);
    HostExtDisposeMenu(made);
    EXPECT_EQ(HostExtGetMenuHandle(1000), nullptr);
}

TEST_F(HostMenus, TheSystemFontAndScreensAreTheToolboxsUntilReset)
{
    EXPECT_EQ(HostExtGetSystemFontFamily(), 0);
    EXPECT_EQ(HostExtGetSystemFontSize(), 12);
    EXPECT_EQ(HostExtGetSystemFontThird(), 0);
    HostExtSetSystemFontFamily(3);
    HostExtSetSystemFontSize(9);
    HostExtSetSystemFontThird(-1);
    EXPECT_EQ(HostExtGetSystemFontThird(), -1);

    HostScreen main = HostExtGetMainScreen();
    HostRect rect{};
    HostExtGetScreenRect(main, &rect);
    EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(HostExtGetNextScreen(main), nullptr);
    HostExtGetScreenRect(nullptr, &rect);
    HostExtGetScreenRect(main, nullptr);

    hostext::useTestScreens({0, 0, 240, 640}, {0, 640, 480, 1280});
    HostExtGetScreenRect(HostExtGetMainScreen(), &rect);
    EXPECT_EQ(rect.bottom, 240);
    EXPECT_EQ(rect.right, 640);
    HostScreen second = HostExtGetNextScreen(HostExtGetMainScreen());
    ASSERT_NE(second, nullptr);
    HostExtGetScreenRect(second, &rect);
    EXPECT_EQ(rect.left, 640);
    EXPECT_EQ(HostExtGetNextScreen(second), nullptr);

    hostext::resetMenus();
    EXPECT_EQ(HostExtGetSystemFontSize(), 12);
    EXPECT_EQ(HostExtGetNextScreen(HostExtGetMainScreen()), nullptr);
    HostExtGetScreenRect(HostExtGetMainScreen(), &rect);
    EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
}

} // namespace
