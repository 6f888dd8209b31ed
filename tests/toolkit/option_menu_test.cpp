#include "toolkit/option_menu.h"

#include "tests/toolkit/support/control_test.h"
#include "toolkit/offscreen_context.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using namespace Toolkit;
using kravo::test::Held;
using OptionMenu = kravo::test::ToolkitTest;

constexpr CRect kPlace{0, 0, 60, 16};

// Sets the flag when it goes.
class EndingMenu : public COptionMenu {
public:
    explicit EndingMenu(bool& ended) : COptionMenu(kPlace, nullptr, 0), ended_(ended) {}
    ~EndingMenu() override { ended_ = true; }

private:
    bool& ended_;
};

std::string entryOf(COptionMenu& menu, std::int32_t index)
{
    char text[COptionMenu::kEntrySize] = {};
    return menu.getEntry(index, text) ? text : "(none)";
}

std::string currentOf(COptionMenu& menu)
{
    char text[COptionMenu::kEntrySize] = {};
    return menu.getCurrent(text) >= 0 ? text : "(none)";
}

TEST_F(OptionMenu, TheFirstEntryBecomesCurrentAndSetValueTruncatesWithinTheEntries)
{
    COptionMenu menu(kPlace, nullptr, 0);
    EXPECT_EQ(menu.getCurrent(), -1);
    for (const char* text : {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"})
        EXPECT_TRUE(menu.addEntry(text));
    EXPECT_EQ(menu.getCurrent(), 0);
    EXPECT_EQ(menu.getNbEntries(), 11);

    menu.setValue(3.7f);
    EXPECT_EQ(menu.getCurrent(), 3);
    EXPECT_EQ(menu.getValue(), 3.7f);
    menu.setValue(-0.5f);
    EXPECT_EQ(menu.getCurrent(), 0);
    menu.setValue(12.0f);
    EXPECT_EQ(menu.getCurrent(), 0);
    EXPECT_EQ(menu.getValue(), -0.5f) << "unchanged";
    menu.setValue(-1.0f);
    menu.setValue(11.0f);
    menu.setValue(std::numeric_limits<float>::quiet_NaN());
    menu.setValue(1e30f);
    EXPECT_EQ(menu.getCurrent(), 0);
    menu.setValue(10.9f);
    EXPECT_EQ(currentOf(menu), "ten");
}

TEST_F(OptionMenu, WithoutSeparatorsOnlyOrdinaryEntriesCountAndASeparatorCannotBeCurrent)
{
    COptionMenu menu(kPlace, nullptr, 0);
    for (const char* text : {"-TTitle", "first", "-", "second"})
        menu.addEntry(text);
    EXPECT_TRUE(menu.setCurrent(3));
    EXPECT_EQ(menu.getCurrent(nullptr, false), 1);
    EXPECT_EQ(menu.getCurrent(), 3);
    EXPECT_FALSE(menu.setCurrent(2));
    EXPECT_EQ(menu.getCurrent(), 3);
    EXPECT_FALSE(menu.setCurrent(4));
    EXPECT_FALSE(menu.setCurrent(-1));

    EXPECT_TRUE(menu.setCurrent(0, false));
    EXPECT_EQ(currentOf(menu), "first");
    EXPECT_TRUE(menu.setCurrent(1, false));
    EXPECT_EQ(currentOf(menu), "second");
    EXPECT_TRUE(menu.setCurrent(0));
    EXPECT_EQ(currentOf(menu), "-TTitle") << "a title can be current when counted";
    EXPECT_EQ(menu.getCurrent(nullptr, false), 0);
}

TEST_F(OptionMenu, EntriesInsertedBeforeTheCurrentOneMoveItAndTheirChecksMoveWithThem)
{
    COptionMenu menu(kPlace, nullptr, 0);
    menu.addEntry("a");
    menu.addEntry("b");
    menu.setCurrent(1);
    menu.checkEntry(1, true);
    EXPECT_TRUE(menu.addEntry("first", 0));
    EXPECT_EQ(entryOf(menu, 0), "first");
    EXPECT_EQ(currentOf(menu), "b");
    EXPECT_TRUE(menu.isCheckEntry(2));
    EXPECT_FALSE(menu.isCheckEntry(0));
    EXPECT_TRUE(menu.addEntry("last", 99));
    EXPECT_EQ(entryOf(menu, 3), "last");
    EXPECT_EQ(menu.getIndex("last"), 3);
    EXPECT_EQ(menu.getIndex("las"), -1);
    EXPECT_EQ(menu.getIndex(nullptr), -1);

    EXPECT_TRUE(menu.checkEntryAlone(3));
    EXPECT_FALSE(menu.isCheckEntry(2));
    EXPECT_TRUE(menu.isCheckEntry(3));
    EXPECT_FALSE(menu.isCheckEntry(9));
    EXPECT_FALSE(menu.checkEntry(9, true));
    EXPECT_FALSE(menu.checkEntryAlone(-1));
    EXPECT_TRUE(menu.isCheckEntry(3)) << "a refused index leaves the flags";

    EXPECT_TRUE(menu.setEntry(0, "renamed"));
    EXPECT_FALSE(menu.setEntry(4, "beyond"));
    EXPECT_EQ(entryOf(menu, 0), "renamed");
    EXPECT_EQ(entryOf(menu, 4), "(none)");
}

TEST_F(OptionMenu, NumberedEntriesStartWithTheirPositionAndStoredTextsAreCutTo255)
{
    COptionMenu menu(kPlace, nullptr, 0);
    menu.setPrefixNumbers(2);
    menu.addEntry("two");
    menu.setPrefixNumbers(3);
    menu.addEntry("three");
    menu.setPrefixNumbers(4);
    menu.addEntry("four");
    COptionMenu sub(kPlace, nullptr, 0);
    menu.addEntry(&sub, "sub");
    menu.setPrefixNumbers(7); // not a width: no number
    menu.addEntry("plain");
    menu.addEntry(nullptr);
    EXPECT_EQ(entryOf(menu, 0), "1 two");
    EXPECT_EQ(entryOf(menu, 1), "02 three");
    EXPECT_EQ(entryOf(menu, 2), "003 four");
    EXPECT_EQ(entryOf(menu, 3), "-M004 sub");
    EXPECT_EQ(entryOf(menu, 4), "plain");
    EXPECT_EQ(entryOf(menu, 5), "");

    const std::string longText(300, 'x');
    menu.addEntry(longText.c_str());
    EXPECT_EQ(entryOf(menu, 6), longText.substr(0, 255));
    menu.setEntry(0, longText.c_str());
    EXPECT_EQ(entryOf(menu, 0).size(), 255u);
    menu.setPrefixNumbers(3);
    menu.addEntry(longText.c_str());
    EXPECT_EQ(entryOf(menu, 7), "08 " + longText.substr(0, 252));
    menu.removeAllEntry();
}

TEST_F(OptionMenu, AMenuHoldsAtMost1024EntriesAndASubMenuEntryNeedsBothArguments)
{
    COptionMenu menu(kPlace, nullptr, 0);
    for (int entry = 0; entry < COptionMenu::kMaxEntries; ++entry)
        ASSERT_TRUE(menu.addEntry("x"));
    EXPECT_FALSE(menu.addEntry("one too many"));
    COptionMenu sub(kPlace, nullptr, 0);
    EXPECT_FALSE(menu.addEntry(&sub, "sub"));
    menu.removeEntry(0);
    EXPECT_FALSE(menu.addEntry(static_cast<COptionMenu*>(nullptr), "sub"));
    EXPECT_FALSE(menu.addEntry(&sub, nullptr));
    EXPECT_TRUE(menu.addEntry(&sub, "sub"));
    EXPECT_EQ(menu.getSubMenu(0), &sub);
    EXPECT_EQ(menu.getSubMenu(1), nullptr);
    EXPECT_EQ(menu.getSubMenu(-1), nullptr);
    menu.removeAllEntry();
    EXPECT_EQ(menu.getNbEntries(), 0);
    EXPECT_EQ(menu.getCurrent(), -1);
    EXPECT_EQ(menu.getSubMenu(0), nullptr);
}

TEST_F(OptionMenu, RemovingASubMenuEntryReleasesItsSubMenuAndTheLaterEntriesKeepTheirs)
{
    bool firstEnded = false;
    bool secondEnded = false;
    COptionMenu menu(kPlace, nullptr, 0);
    auto* first = new EndingMenu(firstEnded);
    auto* second = new EndingMenu(secondEnded);
    menu.addEntry("plain");
    menu.addEntry(first, "first");
    menu.addEntry(second, "second");
    first->forget();
    second->forget();

    menu.setCurrent(2);
    EXPECT_TRUE(menu.removeEntry(1));
    EXPECT_TRUE(firstEnded);
    EXPECT_FALSE(secondEnded);
    EXPECT_EQ(menu.getSubMenu(0), second);
    EXPECT_EQ(currentOf(menu), "-Msecond");
    EXPECT_FALSE(menu.removeEntry(2));

    EXPECT_TRUE(menu.removeEntry(0));
    EXPECT_EQ(menu.getCurrent(), 0);
    EXPECT_TRUE(menu.removeEntry(0));
    EXPECT_TRUE(secondEnded);
    EXPECT_EQ(menu.getCurrent(), -1);
}

TEST_F(OptionMenu, WithMultipleChecksChoosingAnEntryTogglesItsFlag)
{
    COptionMenu menu(kPlace, nullptr, 0, nullptr, nullptr, kMultipleCheckStyle);
    menu.addEntry("a");
    menu.addEntry("b");
    menu.setCurrent(1);
    EXPECT_TRUE(menu.isCheckEntry(1));
    menu.setValue(1.0f);
    EXPECT_FALSE(menu.isCheckEntry(1));
    menu.setValue(0.0f);
    EXPECT_TRUE(menu.isCheckEntry(0));
    EXPECT_FALSE(menu.isCheckEntry(1));
}

TEST_F(OptionMenu, ItShowsTheCurrentEntryWithoutItsNumberAndColumnPrefix)
{
    kravo::test::WindowlessFrame frame({0, 0, 60, 16});
    Held<COffscreenContext> buffer(new COffscreenContext(&frame, 60, 16, kBlackColor));
    const auto pictureOf = [&](COptionMenu& menu) {
        menu.draw(buffer.get());
        return *platform::captureImage(buffer->getSystemContext(), {0, 0, 60, 16});
    };
    COptionMenu plain(kPlace, nullptr, 0);
    plain.addEntry("Name");
    COptionMenu numbered(kPlace, nullptr, 0);
    numbered.addEntry("02 -BName");
    numbered.setPrefixNumbers(3);
    EXPECT_EQ(pictureOf(numbered), pictureOf(plain));

    // A number wider than the text skips the text and no further.
    COptionMenu empty(kPlace, nullptr, 0);
    empty.addEntry("");
    COptionMenu tooWide(kPlace, nullptr, 0);
    tooWide.addEntry("ab");
    tooWide.setPrefixNumbers(200);
    EXPECT_EQ(pictureOf(tooWide), pictureOf(empty));
    COptionMenu none(kPlace, nullptr, 0);
    EXPECT_EQ(pictureOf(none), pictureOf(empty)) << "no entry: the box alone";
}

} // namespace
