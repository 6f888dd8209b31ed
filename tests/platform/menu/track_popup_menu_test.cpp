#include "platform/gdi/text.h"
#include "platform/last_error.h"
#include "platform/menu/menu_chooser.h"
#include "tests/platform/menu/menu_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kSelected = RGB(255, 0, 255);

struct DrawnItem {
    std::string text;
    UINT type;
    UINT id;
    UINT state;
    HMENU menu;
    RECT rect;
    ULONG_PTR data;
};

bool same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The owner of owner-drawn items: it measures each item width × height (a separator width × 6) and
// draws it filled in the colour of its text, or kSelected when selected.
class OwnerDrawnTest : public kravo::test::MenuTest {
protected:
    static constexpr UINT kWidth = 80;
    static constexpr UINT kHeight = 20;
    static constexpr UINT kSeparatorHeight = 6;

    void SetUp() override
    {
        MenuTest::SetUp();
        answer = [this](const kravo::test::Delivery& delivery) -> std::optional<LRESULT> {
            if (delivery.message == WM_MEASUREITEM) {
                auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(delivery.lParam);
                measured.push_back(measure->itemData);
                const bool separator = std::strcmp(reinterpret_cast<const char*>(measure->itemData), "-") == 0;
                measure->itemWidth = measureWidth;
                measure->itemHeight = separator ? kSeparatorHeight : measureHeight;
                return TRUE;
            }
            if (delivery.message == WM_DRAWITEM) {
                const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(delivery.lParam);
                const char* text = reinterpret_cast<const char*>(draw->itemData);
                drawn.push_back(
                    {text, draw->type, draw->itemId, draw->itemState, draw->menu, draw->item, draw->itemData});
                // Twice as large as the item: the DC keeps the drawing inside it.
                RECT beyond = draw->item;
                beyond.bottom += beyond.bottom - beyond.top;
                HBRUSH brush = CreateSolidBrush((draw->itemState & ODS_SELECTED) != 0 ? kSelected : colours.at(text));
                FillRect(draw->dc, &beyond, brush);
                DeleteObject(brush);
                if (onDraw)
                    onDraw(*draw);
                return TRUE;
            }
            return std::nullopt;
        };
    }

    std::vector<const DrawnItem*> drawsOf(const std::string& text) const
    {
        std::vector<const DrawnItem*> found;
        for (const DrawnItem& item : drawn)
            if (item.text == text)
                found.push_back(&item);
        return found;
    }

    // A menu as the system frames it (a black line, then the menu colour) at the rectangle of the picture.
    static void frame(platform::Image& picture, const RECT& rect)
    {
        picture.fill(rect, kBlack);
        picture.fill({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, GetSysColor(COLOR_MENU));
    }

    std::map<std::string, COLORREF> colours{{"One", RGB(200, 0, 0)}, {"-", RGB(90, 90, 90)},
        {"Sub", RGB(0, 160, 0)}, {"Two", RGB(0, 0, 200)}, {"Three", RGB(220, 220, 0)}, {"A", RGB(200, 0, 0)},
        {"B", RGB(0, 160, 0)}, {"C", RGB(0, 0, 200)}, {"D", RGB(220, 220, 0)}, {"E", RGB(0, 200, 200)}};
    UINT measureWidth = kWidth;
    UINT measureHeight = kHeight;
    std::vector<ULONG_PTR> measured;
    std::vector<DrawnItem> drawn;
    std::function<void(const DRAWITEMSTRUCT&)> onDraw;
};

using OwnerDrawnMenus = OwnerDrawnTest;
using PlainMenus = kravo::test::MenuTest;

TEST_F(OwnerDrawnMenus, EachItemIsMeasuredOnceWithItsPointerAndAChosenPathIsPostedAndPictured)
{
    char one[256] = "One";
    char separator[256] = "-";
    char subText[256] = "Sub";
    char two[256] = "Two";
    char three[256] = "Three";
    HMENU top = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(sub, MF_OWNERDRAW, 3, two));
    ASSERT_TRUE(AppendMenuA(sub, MF_OWNERDRAW, 4, three));
    ASSERT_TRUE(AppendMenuA(top, MF_OWNERDRAW, 0, one));
    ASSERT_TRUE(AppendMenuA(top, MF_OWNERDRAW | MF_SEPARATOR, 0, separator));
    ASSERT_TRUE(AppendMenuA(top, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), subText));
    choices().pick({"Sub", "Two"});

    EXPECT_EQ(TrackPopupMenu(top, TPM_RIGHTBUTTON, 100, 200, owner), TRUE);

    const std::vector<ULONG_PTR> pointers{reinterpret_cast<ULONG_PTR>(one), reinterpret_cast<ULONG_PTR>(separator),
        reinterpret_cast<ULONG_PTR>(subText), reinterpret_cast<ULONG_PTR>(two), reinterpret_cast<ULONG_PTR>(three)};
    EXPECT_EQ(measured, pointers);
    const std::optional<WPARAM> command = takeCommand();
    ASSERT_TRUE(command);
    EXPECT_EQ(LOWORD(*command), 3u);
    EXPECT_EQ(HIWORD(*command), 0u);
    EXPECT_FALSE(takeCommand()) << "one command";

    ASSERT_EQ(platform::recordedMenus().size(), 1u);
    const platform::TrackedMenu& record = platform::recordedMenus()[0];
    EXPECT_EQ(record.chosen, 3u);
    EXPECT_EQ(record.owner, owner);
    EXPECT_EQ(record.flags, TPM_RIGHTBUTTON);
    EXPECT_EQ(record.point.x, 100);
    EXPECT_EQ(record.answer, TRUE);
    ASSERT_EQ(record.menus.size(), 2u);
    EXPECT_TRUE(same(record.menus[0], {100, 200, 186, 252}));
    EXPECT_TRUE(same(record.menus[1], {186, 226, 272, 272})) << "the sub-menu opens level with its item";
    EXPECT_EQ(record.items[2].submenu[0].size.height, 20);
    EXPECT_TRUE(same(record.items[2].submenu[0].rect, {189, 229, 269, 249}));

    platform::Image expected(172, 72, kBlack);
    frame(expected, {0, 0, 86, 52});
    expected.fill({3, 3, 83, 23}, colours["One"]);
    expected.fill({3, 23, 83, 29}, colours["-"]);
    expected.fill({3, 29, 83, 49}, kSelected);
    frame(expected, {86, 26, 172, 72});
    expected.fill({89, 29, 169, 49}, kSelected);
    expected.fill({89, 49, 169, 69}, colours["Three"]);
    EXPECT_EQ(record.imageOrigin.x, 100);
    EXPECT_EQ(record.imageOrigin.y, 200);
    expectSamePicture(record.image, expected);

    EXPECT_TRUE(DestroyMenu(top));
}

TEST_F(OwnerDrawnMenus, DrawItemCarriesTheItemsRectangleIdMenuAndStateAndSelectionDrawsItAgain)
{
    char greyed[] = "Greyed";
    char title[] = "Title";
    char checked[] = "Checked";
    char plain[] = "Plain";
    colours.insert({{"Greyed", RGB(1, 1, 1)}, {"Title", RGB(2, 2, 2)}, {"Checked", RGB(3, 3, 3)},
        {"Plain", RGB(4, 4, 4)}});
    HMENU menu = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW | MF_GRAYED, 11, greyed));
    ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW | MF_DISABLED, 12, title));
    ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW | MF_CHECKED, 13, checked));
    ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW, 14, plain));
    choices().pick({"Plain"});

    EXPECT_EQ(TrackPopupMenu(menu, 0, 10, 10, owner), TRUE);

    ASSERT_EQ(drawn.size(), 5u) << "every item, then the chosen one selected";
    for (const DrawnItem& item : drawn) {
        EXPECT_EQ(item.type, ODT_MENU);
        EXPECT_EQ(item.menu, menu);
    }
    EXPECT_EQ(drawn[0].state, ODS_GRAYED | ODS_DISABLED);
    EXPECT_EQ(drawn[0].id, 11u);
    EXPECT_EQ(drawn[1].state, 0u) << "a title draws as any item";
    EXPECT_EQ(drawn[2].state, ODS_CHECKED);
    EXPECT_EQ(drawn[3].state, 0u);
    EXPECT_EQ(drawn[4].text, "Plain");
    EXPECT_EQ(drawn[4].state, ODS_SELECTED);
    EXPECT_EQ(drawn[4].data, reinterpret_cast<ULONG_PTR>(plain));
    EXPECT_TRUE(same(drawn[0].rect, {3, 3, 83, 23})) << "in the menu's own coordinates";
    EXPECT_TRUE(same(drawn[3].rect, {3, 63, 83, 83}));
    EXPECT_EQ(LOWORD(takeCommand().value_or(0)), 14u);

    const platform::Image& picture = platform::recordedMenus()[0].image;
    EXPECT_EQ(picture.at(40, 50), colours["Checked"]) << "an item's drawing stops at its edge";
    EXPECT_EQ(picture.at(40, 70), kSelected);
    EXPECT_EQ(picture.at(40, 84), GetSysColor(COLOR_MENU));
    EXPECT_TRUE(DestroyMenu(menu));
}

TEST_F(OwnerDrawnMenus, ABarBreakStartsASecondColumnWithABarAndABreakAThirdWithout)
{
    char a[] = "A";
    char b[] = "B";
    char c[] = "C";
    char d[] = "D";
    char e[] = "E";
    HMENU menu = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW | MF_MENUBARBREAK, 1, a)) << "nothing to break from";
    ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW, 2, b));
    ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW | MF_MENUBARBREAK, 3, c));
    ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW, 4, d));
    ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW | MF_MENUBREAK, 5, e));

    EXPECT_EQ(TrackPopupMenu(menu, 0, 300, 400, owner), TRUE) << "no choice queued: cancelled";
    EXPECT_FALSE(takeCommand());

    const platform::TrackedMenu& record = platform::recordedMenus()[0];
    EXPECT_FALSE(record.chosen);
    ASSERT_EQ(record.menus.size(), 1u);
    EXPECT_TRUE(same(record.menus[0], {300, 400, 554, 446}));
    EXPECT_TRUE(same(record.items[2].rect, {387, 403, 467, 423}));
    platform::Image expected(254, 46, kBlack);
    frame(expected, {0, 0, 254, 46});
    expected.fill({3, 3, 83, 23}, colours["A"]);
    expected.fill({3, 23, 83, 43}, colours["B"]);
    expected.fill({84, 3, 85, 43}, GetSysColor(COLOR_GRAYTEXT));
    expected.fill({85, 3, 86, 43}, GetSysColor(COLOR_HIGHLIGHTTEXT));
    expected.fill({87, 3, 167, 23}, colours["C"]);
    expected.fill({87, 23, 167, 43}, colours["D"]);
    expected.fill({171, 3, 251, 23}, colours["E"]);
    expectSamePicture(record.image, expected);
    EXPECT_TRUE(DestroyMenu(menu));
}

TEST_F(OwnerDrawnMenus, VeryManyOrHugeItemsStayInColumnsWithinTheScreen)
{
    std::vector<std::string> texts;
    for (int index = 0; index < 300; ++index)
        texts.push_back("One");
    HMENU menu = CreatePopupMenu();
    for (UINT index = 0; index < texts.size(); ++index)
        ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW, index, texts[index].c_str()));
    choices().pickId(299);

    EXPECT_EQ(TrackPopupMenu(menu, 0, 1500, 900, owner), TRUE);
    EXPECT_EQ(LOWORD(takeCommand().value_or(0)), 299u);
    const platform::TrackedMenu& record = platform::recordedMenus()[0];
    const RECT& shown = record.menus[0];
    EXPECT_TRUE(shown.left >= 0 && shown.top >= 0 && shown.right <= 1920 && shown.bottom <= 1080);
    EXPECT_EQ(shown.bottom - shown.top, 3 + 53 * 20 + 3) << "as many items a column as the screen holds";
    EXPECT_EQ(shown.right - shown.left, 3 + 6 * 80 + 5 * 4 + 3);
    for (std::size_t index = 1; index < record.items.size(); ++index) {
        const RECT& before = record.items[index - 1].rect;
        const RECT& item = record.items[index].rect;
        EXPECT_TRUE(item.top == before.bottom || (item.top == shown.top + 3 && item.left == before.right + 4))
            << "item " << index;
    }
    EXPECT_EQ(measured.size(), 300u);

    measured.clear();
    measureWidth = 100000;
    measureHeight = 0xFFFFFFFF;
    choices().pick({"One"});
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, owner), 0) << "the first item's id is 0";
    const platform::TrackedMenu& huge = platform::recordedMenus()[1];
    EXPECT_EQ(huge.items[0].size.width, 1920);
    EXPECT_EQ(huge.items[0].size.height, 1080);
    EXPECT_TRUE(same(huge.menus[0], {0, 0, 1920, 1080})) << "cut to the screen";
    EXPECT_EQ(huge.image.width(), 1920);
    EXPECT_TRUE(DestroyMenu(menu));
}

TEST_F(OwnerDrawnMenus, TheOwnerMayDestroyTheMenuWhileDrawingAndTheChoiceStillCounts)
{
    char one[] = "One";
    char two[] = "Two";
    HMENU top = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(sub, MF_OWNERDRAW, 7, two));
    ASSERT_TRUE(AppendMenuA(top, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), one));
    onDraw = [&](const DRAWITEMSTRUCT&) {
        if (platform::menuCount() > 0)
            DestroyMenu(top);
    };
    choices().pick({"One", "Two"});

    EXPECT_EQ(TrackPopupMenu(top, 0, 0, 0, owner), TRUE);
    EXPECT_EQ(platform::menuCount(), 0u);
    EXPECT_EQ(LOWORD(takeCommand().value_or(0)), 7u);
    EXPECT_EQ(platform::recordedMenus()[0].menus.size(), 2u);
}

TEST_F(PlainMenus, ChoicesThatCannotBeMadeOrAreNotQueuedCancelPostingNothing)
{
    HMENU menu = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(sub, MF_STRING, 5, "Inner"));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 1, "Open"));
    ASSERT_TRUE(AppendMenuA(menu, MF_DISABLED, 2, "Title"));
    ASSERT_TRUE(AppendMenuA(menu, MF_GRAYED, 3, "Greyed"));
    ASSERT_TRUE(AppendMenuA(menu, MF_SEPARATOR, 4, nullptr));
    ASSERT_TRUE(AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Sub"));

    const auto track = [&](UINT flags) { return TrackPopupMenu(menu, flags, 50, 50, owner); };
    EXPECT_EQ(track(0), TRUE) << "nothing queued";
    choices().cancel();
    EXPECT_EQ(track(0), TRUE);
    choices().pick({"Title"});
    choices().pick({"Greyed"});
    choices().pick({""});
    choices().pick({"Sub"});
    choices().pick({"Open", "Inner"});
    choices().pick({"Nope"});
    choices().pick({});
    choices().pickId(2);
    choices().pickId(4);
    choices().pickId(99);
    for (int call = 0; call < 10; ++call)
        EXPECT_EQ(track(0), TRUE) << "choice " << call;
    EXPECT_EQ(choices().pending(), 0u);
    EXPECT_FALSE(takeCommand());
    for (const platform::TrackedMenu& record : platform::recordedMenus())
        EXPECT_FALSE(record.chosen);

    choices().cancel();
    EXPECT_EQ(track(TPM_RETURNCMD), 0);
    choices().pick({"Open"});
    EXPECT_EQ(track(TPM_RETURNCMD), 1) << "the id is answered instead of posted";
    choices().pickId(5);
    EXPECT_EQ(track(TPM_RETURNCMD | TPM_RIGHTBUTTON), 5);
    EXPECT_EQ(platform::recordedMenus().back().menus.size(), 2u) << "the way to it opened";
    choices().pick({"Open"});
    EXPECT_EQ(track(TPM_NONOTIFY), TRUE);
    EXPECT_FALSE(takeCommand());

    choices().pick({"Sub", "Inner"});
    EXPECT_EQ(track(0), TRUE);
    EXPECT_EQ(takeCommand(), std::optional<WPARAM>(5));
    EXPECT_TRUE(DestroyMenu(menu));
}

TEST_F(PlainMenus, TrackingRefusesAStaleMenuAnOwnerThatIsNoWindowAndUnknownFlags)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "Open");
    HWND gone = makeWindow(nullptr, {0, 0, 10, 10});
    DestroyWindow(gone);
    choices().pick({"Open"});
    SetLastError(0);
    EXPECT_FALSE(TrackPopupMenu(menu, 0, 0, 0, gone));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(TrackPopupMenu(menu, 0x8000, 0, 0, owner));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(TrackPopupMenu(menu, 0, 0, 0, owner));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
    EXPECT_TRUE(platform::recordedMenus().empty());
    EXPECT_EQ(choices().pending(), 1u) << "no menu was shown to take it";
    EXPECT_FALSE(takeCommand());
    choices().reset();
}

// Counts the pixels of the colour in the part of the picture.
int pixelsOf(const platform::Image& picture, const RECT& part, COLORREF colour)
{
    int found = 0;
    for (LONG y = part.top; y < part.bottom; ++y)
        for (LONG x = part.left; x < part.right; ++x)
            found += picture.at(x, y) == colour ? 1 : 0;
    return found;
}

TEST_F(PlainMenus, TheSystemDrawsPlainItemsInItsColoursWithChecksArrowsTabsAndSeparators)
{
    platform::setTextAntialiasing(false);
    HMENU menu = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(sub, MF_STRING, 9, "Inner"));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 1, "Open"));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 2, "Save\tCtrl+S"));
    ASSERT_TRUE(AppendMenuA(menu, MF_SEPARATOR, 0, nullptr));
    ASSERT_TRUE(AppendMenuA(menu, MF_GRAYED, 3, "Greyed"));
    ASSERT_TRUE(AppendMenuA(menu, MF_CHECKED, 4, "Checked"));
    ASSERT_TRUE(AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Sub"));
    choices().pick({"Open"});
    EXPECT_EQ(TrackPopupMenu(menu, 0, 20, 30, owner), TRUE);
    platform::setTextAntialiasing(true);

    const platform::TrackedMenu& record = platform::recordedMenus()[0];
    const platform::Image& picture = record.image;
    const POINT origin = record.imageOrigin;
    const auto inPicture = [origin](const RECT& rect) {
        return RECT{rect.left - origin.x, rect.top - origin.y, rect.right - origin.x, rect.bottom - origin.y};
    };
    const auto left = [](RECT rect, LONG width) { return RECT{rect.left, rect.top, rect.left + width, rect.bottom}; };
    const auto right = [](RECT rect, LONG width) {
        return RECT{rect.right - width, rect.top, rect.right, rect.bottom};
    };
    const COLORREF menuColour = GetSysColor(COLOR_MENU);
    const COLORREF text = GetSysColor(COLOR_MENUTEXT);
    const RECT open = inPicture(record.items[0].rect);
    const RECT save = inPicture(record.items[1].rect);
    const RECT separator = inPicture(record.items[2].rect);
    const RECT greyed = inPicture(record.items[3].rect);
    const RECT checked = inPicture(record.items[4].rect);
    const RECT submenu = inPicture(record.items[5].rect);
    const auto area = [](const RECT& rect) { return (rect.right - rect.left) * (rect.bottom - rect.top); };

    const int highlight = pixelsOf(picture, open, GetSysColor(COLOR_HIGHLIGHT));
    const int highlightText = pixelsOf(picture, open, GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_GT(highlightText, 10) << "the chosen item is highlighted";
    EXPECT_EQ(highlight + highlightText, area(open));
    EXPECT_EQ(pixelsOf(picture, left(open, 18), GetSysColor(COLOR_HIGHLIGHT)), area(left(open, 18)));

    EXPECT_GT(pixelsOf(picture, left(save, save.right - save.left - 40), text), 10);
    EXPECT_GT(pixelsOf(picture, right(save, 40), text), 10) << "what follows the tab stands at the right";
    EXPECT_EQ(pixelsOf(picture, right(save, 18), text), 0);
    EXPECT_EQ(save.bottom - save.top, open.bottom - open.top);

    EXPECT_EQ(separator.bottom - separator.top, 8);
    EXPECT_EQ(pixelsOf(picture, separator, GetSysColor(COLOR_GRAYTEXT)), separator.right - separator.left - 2);

    EXPECT_GT(pixelsOf(picture, greyed, GetSysColor(COLOR_GRAYTEXT)), 10);
    EXPECT_EQ(pixelsOf(picture, greyed, text), 0);
    EXPECT_EQ(pixelsOf(picture, greyed, GetSysColor(COLOR_GRAYTEXT)) + pixelsOf(picture, greyed, menuColour),
        area(greyed));

    EXPECT_GT(pixelsOf(picture, left(checked, 18), text), 5) << "a check mark";
    EXPECT_EQ(pixelsOf(picture, left(submenu, 18), text), 0);
    EXPECT_GT(pixelsOf(picture, right(submenu, 18), text), 5) << "an arrow";
    EXPECT_EQ(pixelsOf(picture, right(checked, 18), text), 0);
    EXPECT_TRUE(DestroyMenu(menu));
}

TEST_F(PlainMenus, AMenuIsPushedBackOntoTheScreenAndASubmenuWithoutRoomOpensToTheLeft)
{
    HMENU menu = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(sub, MF_STRING, 9, "Inner item"));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 1, "Open"));
    ASSERT_TRUE(AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Sub"));
    choices().pick({"Sub", "Inner item"});
    EXPECT_EQ(TrackPopupMenu(menu, 0, 1900, 1070, owner), TRUE);
    choices().pick({"Sub", "Inner item"});
    EXPECT_EQ(TrackPopupMenu(menu, 0, -50, -40, owner), TRUE);

    const platform::TrackedMenu& corner = platform::recordedMenus()[0];
    EXPECT_EQ(corner.menus[0].right, 1920);
    EXPECT_EQ(corner.menus[0].bottom, 1080);
    EXPECT_EQ(corner.menus[1].right, corner.menus[0].left);
    EXPECT_EQ(corner.menus[1].bottom, 1080);
    EXPECT_EQ(corner.imageOrigin.x, corner.menus[1].left);
    const platform::TrackedMenu& outside = platform::recordedMenus()[1];
    EXPECT_EQ(outside.menus[0].left, 0);
    EXPECT_EQ(outside.menus[0].top, 0);
    EXPECT_EQ(outside.menus[1].left, outside.menus[0].right);
    EXPECT_EQ(outside.menus[1].top, outside.items[1].rect.top - 3);
    EXPECT_EQ(LOWORD(takeCommand().value_or(0)), 9u);
    EXPECT_EQ(LOWORD(takeCommand().value_or(0)), 9u);
    EXPECT_TRUE(DestroyMenu(menu));
}

// A chooser standing in for a person: it opens the sub-menu of the last item and picks its first item.
class OpeningChooser : public platform::MenuChooser {
public:
    std::optional<platform::MenuPick> choose(platform::MenuTracking& tracking) override
    {
        const std::size_t last = tracking.menus()[0].items->size() - 1;
        tracking.select(0, last);
        tracking.openSubmenu(0, last);
        menusSeen = tracking.menus().size();
        return platform::MenuPick{1, 0};
    }

    std::size_t menusSeen = 0;
};

TEST_F(PlainMenus, ALiveChooserIsAskedInsteadOfTheScriptUntilItIsTakenAway)
{
    HMENU menu = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(sub, MF_STRING, 21, "Inner"));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 1, "Open"));
    ASSERT_TRUE(AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Sub"));
    OpeningChooser chooser;
    platform::setMenuChooser(&chooser);
    choices().pick({"Open"});

    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, owner), 21);
    EXPECT_EQ(chooser.menusSeen, 2u);
    EXPECT_EQ(choices().pending(), 1u);
    platform::setMenuChooser(nullptr);
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, owner), 1);
    EXPECT_TRUE(DestroyMenu(menu));
}

} // namespace
