#include "hostframework/views/plate_colours.h"
#include "hostframework/views/static_text_view.h"
#include "hostframework/views/view_builder.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/extension/host_graphics.h"
#include "tests/hostframework/views/built_editor.h"
#include "tests/hostframework/views/view_test.h"

#include <memory>
#include <string>

namespace {

using kravo::test::editorRecord;

using kravo::test::ViewTest;


std::string textOf(const CStaticTextView& view)
{
    std::uint8_t text[256] = {};
    view.GetText(text);
    return {reinterpret_cast<const char*>(text + 1), text[0]};
}

bool sameColour(const HostColor& a, const HostColor& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// A root that answers the host's highlight as a test sets it.
class HostHighlightedRoot : public CCustomView {
public:
    bool IsHighlightedByHost() override { return true; }
    void GetHostHighlight(std::int16_t* colour, std::int16_t* number, const char** text) override
    {
        *colour = hostColour;
        *number = 1;
        *text = "";
    }
    std::int16_t hostColour = 0;
};

// A static text that takes the key focus, as the text editors do.
class EditableText : public CStaticTextView {
public:
    bool CanTakeFocus() override { return true; }
};

class StaticTexts : public ViewTest {
protected:
    void TearDown() override
    {
        hostext::clearScrap();
        ViewTest::TearDown();
    }

    static std::unique_ptr<CStaticTextView> built(const std::string& text, HostRect frame = {0, 0, 20, 80})
    {
        const SViewRecord record = editorRecord(text, frame);
        bool isDescription = false;
        std::unique_ptr<CCustomView> view(BuildViewFromRecord(&record, &isDescription));
        EXPECT_NE(view, nullptr) << text;
        return std::unique_ptr<CStaticTextView>(dynamic_cast<CStaticTextView*>(view.release()));
    }

    // The code a static text's reading of the description fails with; 0 when it reads.
    static std::int32_t readingError(const std::string& text)
    {
        return kravo::test::readingError<CStaticTextView>(text, {0, 0, 20, 80});
    }

    // The cells of the texts drawn on the port since logging began.
    static std::vector<HostRect> drawnTexts(HostPort port)
    {
        std::vector<HostRect> cells;
        for (const auto& operation : hostext::portOperations(port))
            if (operation.kind == "text")
                cells.push_back(operation.rect);
        return cells;
    }
};

TEST_F(StaticTexts, TheSecondGroupsStringsAreJoinedAndItsConstantAligns)
{
    auto view = built("!StaticText[('abcd')(center \"ab\" \"cd\")]", {0, 0, 20, 80});
    EXPECT_EQ(textOf(*view), "abcd");
    EXPECT_EQ(view->GetAlignment(), CStaticTextView::kAlignCentre);
    EXPECT_EQ(view->GetID(), 0x61626364u);
    EXPECT_EQ(built("!StaticText[('abcd')(right)]")->GetAlignment(), CStaticTextView::kAlignRight);
    EXPECT_EQ(built("!StaticText[('abcd')(\"x\" left)]")->GetAlignment(), CStaticTextView::kAlignLeft);
    EXPECT_EQ(built("!StaticText[('abcd')(right default)]")->GetAlignment(), CStaticTextView::kAlignDefault);

    // Centred: the ink leaves as much room on the left of the inset frame as on the right.
    HostPort port = viewPort({0, 0, 20, 80});
    view->SetPort(port);
    view->Draw(nullptr);
    int left = 80;
    int right = 0;
    for (const auto& [h, v] : painted(port)) {
        left = std::min(left, h);
        right = std::max(right, h);
    }
    ASSERT_LT(left, right);
    EXPECT_NEAR(left - 3, 77 - right, 2);
    view->SetPort(nullptr);
}

TEST_F(StaticTexts, ADescriptionWithoutItsTextGroupOrWithOtherElementsDoesNotRead)
{
    EXPECT_EQ(readingError("!StaticText[('abcd')(\"a\" 5)]"), kHostErrCheckFailed);
    EXPECT_EQ(readingError("!StaticText[('abcd')(plate)]"), kHostErrCheckFailed);
    EXPECT_EQ(readingError("!StaticText[('abcd')]"), kHostErrNullValue);
    EXPECT_EQ(readingError("!StaticText[('abcd')()]"), 0);
    const auto view = built("!StaticText[('abcd')(\"" + std::string(100, 'x') + "\" \"" + std::string(100, 'y') + "\")]");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(textOf(*view), std::string(100, 'x') + std::string(100, 'y'));
}

TEST_F(StaticTexts, SettingTheSameTextDrawsNothingAndANewOneRedrawsThroughTheParent)
{
    CCustomView root;
    root.SetFrame({0, 0, 40, 100});
    auto* text = new CStaticTextView;
    text->SetFrame({10, 10, 30, 90});
    root.AddSubView(text, false);
    HostPort port = viewPort({0, 0, 40, 100});
    root.SetPort(port);
    text->SetText(std::string_view("one"));

    hostext::logPortOperations(port, true);
    text->SetText(std::string_view("one"));
    EXPECT_TRUE(hostext::portOperations(port).empty());
    text->SetText(std::string_view("two"));
    EXPECT_EQ(textOf(*text), "two");
    EXPECT_FALSE(drawnTexts(port).empty());
    hostext::logPortOperations(port, false);

    // A standard string is cut at 255 characters.
    text->SetText(std::string(300, 'z'));
    EXPECT_EQ(textOf(*text), std::string(255, 'z'));
    root.SetPort(nullptr);
}

TEST_F(StaticTexts, ALineLowerThanTheFontDropsCharactersFromItsEndUntilItFits)
{
    HostPort port = viewPort({0, 0, 60, 200});
    HostExtTextFont(3);
    HostExtTextSize(9);
    HostFontInfo font{};
    HostExtGetFontInfo(&font);
    const int lineHeight = font.ascent + font.descent + font.leading;
    const char* text = "abcdefghijklmnop";
    const std::int16_t width = HostExtTextWidth(text, 0, 5);
    const HostRect rect{10, 10, static_cast<std::int16_t>(10 + lineHeight - 1), static_cast<std::int16_t>(10 + width)};

    CStaticTextView view;
    hostext::logPortOperations(port, true);
    view.DrawTextLines(text, 16, rect, CStaticTextView::kAlignDefault);
    auto cells = drawnTexts(port);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].left, 10);
    EXPECT_EQ(cells[0].right - cells[0].left, width);
    // The line starts two pixels above the rectangle, its baseline a descent above the line's bottom.
    EXPECT_EQ(cells[0].bottom, 10 - 2 + lineHeight);

    // A line ends at its line break, whatever room is left.
    hostext::logPortOperations(port, true);
    view.DrawTextLines("ab\ncdefgh", 9, {10, 10, static_cast<std::int16_t>(10 + lineHeight - 1), 200},
                       CStaticTextView::kAlignRight);
    cells = drawnTexts(port);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].right, 200);
    EXPECT_EQ(cells[0].right - cells[0].left, HostExtTextWidth("ab", 0, 2));

    // A single character wider than the rectangle draws nothing.
    hostext::logPortOperations(port, true);
    view.DrawTextLines("W", 1, {10, 10, static_cast<std::int16_t>(10 + lineHeight - 1), 12},
                       CStaticTextView::kAlignDefault);
    EXPECT_TRUE(drawnTexts(port).empty());
    hostext::logPortOperations(port, false);
}

TEST_F(StaticTexts, TheTextRectangleCentresOneLineInATallFrame)
{
    CStaticTextView view;
    HostRect rect{0, 0, 30, 100};
    view.GetTextRect(&rect);
    EXPECT_EQ(rect.top, 8);
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(rect.bottom, 34);
    EXPECT_EQ(rect.right, 97);
    rect = {0, 0, 15, 100};
    view.GetTextRect(&rect);
    EXPECT_EQ(rect.top, 1);
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(rect.bottom, 12);
    EXPECT_EQ(rect.right, 97);
}

TEST_F(StaticTexts, TheForegroundFollowsThePlateStyleAndTheHostsHighlight)
{
    HostColor colour{};
    built("!StaticText[('abcd' 1)()]")->GetForeColor(&colour);
    EXPECT_TRUE(sameColour(colour, {0x0000, 0x6666, 0xFFFF}));
    built("!StaticText[('abcd' 4)()]")->GetForeColor(&colour);
    EXPECT_TRUE(sameColour(colour, {0x0000, 0x0000, 0xAAAA}));
    built("!StaticText[('abcd' 3)()]")->GetForeColor(&colour);
    EXPECT_TRUE(sameColour(colour, {0x0000, 0x0000, 0x2222}));

    HostHighlightedRoot root;
    root.SetEnabled(true);
    auto* text = built("!StaticText[('abcd' 4)()]").release();
    root.AddSubView(text, false);
    text->GetForeColor(&colour);
    EXPECT_TRUE(sameColour(colour, {0x0000, 0x0000, 0xAAAA})); // not highlighted itself
    text->SetHighlighted(true);
    text->GetForeColor(&colour);
    EXPECT_TRUE(sameColour(colour, PlateColour(2, 4)));
    root.hostColour = 3;
    text->GetForeColor(&colour);
    EXPECT_TRUE(sameColour(colour, PlateColour(6, 4)));
    root.hostColour = 7;
    text->GetForeColor(&colour);
    EXPECT_TRUE(sameColour(colour, {0x0000, 0x0000, 0xAAAA}));
    // Under a disabled parent the host's highlight does not show.
    root.hostColour = 0;
    root.SetEnabled(false);
    text->GetForeColor(&colour);
    EXPECT_TRUE(sameColour(colour, {0x0000, 0x0000, 0xAAAA}));
}

class EditedTexts : public StaticTexts {
protected:
    void SetUp() override
    {
        StaticTexts::SetUp();
        holder = std::make_unique<CCustomView>();
        root = holder.get();
        root->SetFrame({0, 0, 40, 120});
        root->SetEnabled(true);
        text = new EditableText;
        text->SetFrame({10, 10, 30, 110});
        text->SetEnabled(true);
        text->SetText(std::string_view("old"));
        root->AddSubView(text, false);
        port = viewPort({0, 0, 40, 120});
        root->SetPort(port);
        root->Activate();
    }

    void TearDown() override
    {
        root->SetPort(nullptr);
        holder.reset();
        StaticTexts::TearDown();
    }

    void startEditing()
    {
        click(*root, 50, 20);
        ASSERT_TRUE(text->IsEditing());
        ASSERT_EQ(root->GetKeyFocus(), text);
    }

    // Gone before the fixture checks that no pattern is left.
    std::unique_ptr<CCustomView> holder;
    CCustomView* root = nullptr;
    EditableText* text = nullptr;
    HostPort port = nullptr;
};

TEST_F(EditedTexts, TypingReplacesTheSelectedTextAndReturnKeepsIt)
{
    startEditing();
    EXPECT_TRUE(text->IsHighlighted());
    EXPECT_FALSE(text->TextChanged());
    EXPECT_TRUE(type(*root, 'n'));
    EXPECT_TRUE(type(*root, 'e'));
    EXPECT_TRUE(type(*root, 'w'));
    EXPECT_TRUE(text->TextChanged());
    EXPECT_EQ(textOf(*text), "old"); // the view's text changes when editing ends
    EXPECT_TRUE(type(*root, '\r'));
    EXPECT_FALSE(text->IsEditing());
    EXPECT_FALSE(text->IsHighlighted());
    EXPECT_EQ(textOf(*text), "new");
    EXPECT_EQ(root->GetKeyFocus(), nullptr);
}

TEST_F(EditedTexts, EscapeKeepsTheTextFromBeforeEditing)
{
    startEditing();
    type(*root, 'x');
    EXPECT_TRUE(type(*root, 27));
    EXPECT_FALSE(text->IsEditing());
    EXPECT_EQ(textOf(*text), "old");
}

TEST_F(EditedTexts, OptionVPastesTheClipboardAsTheText)
{
    hostext::setScrapText("pasted " + std::string(300, 'p'));
    startEditing();
    script().press(VK_MENU);
    EXPECT_TRUE(type(*root, 'v'));
    script().release(VK_MENU);
    EXPECT_EQ(textOf(*text), "pasted " + std::string(248, 'p'));
    EXPECT_FALSE(text->TextChanged());
    type(*root, '\r');
    // The record held at most 254 characters of it.
    EXPECT_EQ(textOf(*text), "pasted " + std::string(247, 'p'));

    // Without the option key a "v" is typed.
    click(*root, 50, 20);
    ASSERT_TRUE(text->IsEditing());
    type(*root, 'v');
    type(*root, '\r');
    EXPECT_EQ(textOf(*text), "v");
}

TEST_F(EditedTexts, AnEmptyClipboardPastesAnEmptyText)
{
    startEditing();
    script().press(VK_MENU);
    type(*root, 'V');
    script().release(VK_MENU);
    EXPECT_EQ(textOf(*text), "");
}

TEST_F(EditedTexts, AViewThatTakesNoFocusDoesNotEdit)
{
    auto* plain = new CStaticTextView;
    plain->SetFrame({32, 10, 39, 110});
    plain->SetEnabled(true);
    root->AddSubView(plain, false);
    click(*root, 50, 35);
    EXPECT_FALSE(plain->IsEditing());
    bool handled = true;
    plain->HandleKey('a', &handled);
    EXPECT_FALSE(handled);
}

TEST_F(EditedTexts, DetachingThePortEndsEditingAndFreesTheRecord)
{
    startEditing();
    EXPECT_EQ(hostext::liveTextEditCount(), 1);
    root->SetPort(nullptr);
    EXPECT_FALSE(text->IsEditing());
    EXPECT_EQ(hostext::liveTextEditCount(), 0);
}

} // namespace
