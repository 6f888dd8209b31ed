#include "hostlibs/extension/host_text.h"
#include "platform/gdi/text.h"
#include "tests/hostlibs/extension/toolbox_test.h"

#include <cstring>
#include <string>

namespace {

using kravo::test::ToolboxTest;

constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kLeftArrow = 28;
constexpr std::int16_t kRightArrow = 29;
constexpr HostRect kField{10, 4, 30, 90};

class TextEdit : public ToolboxTest {
protected:
    void SetUp() override
    {
        ToolboxTest::SetUp();
        platform::setTextAntialiasing(false);
        port = offscreen({0, 0, 40, 100});
        HostExtTextFont(3);
        HostExtTextSize(9);
        record = HostExtNewTextEdit(&kField);
        ASSERT_NE(record, nullptr);
    }
    void TearDown() override
    {
        HostExtDisposeTextEdit(record);
        platform::setTextAntialiasing(true);
        ToolboxTest::TearDown();
    }

    void setText(const char* text)
    {
        HostExtSetTextEditText(record, text, static_cast<std::int32_t>(std::strlen(text)));
    }
    void type(const std::string& keys)
    {
        for (const char key : keys)
            HostExtTextEditKey(record, static_cast<std::uint8_t>(key));
    }
    std::string text()
    {
        std::string out(static_cast<std::size_t>(HostExtGetTextEditText(record, nullptr, 0)), '\0');
        HostExtGetTextEditText(record, out.data(), static_cast<std::int32_t>(out.size()));
        return out;
    }
    std::pair<int, int> selection()
    {
        const auto selected = hostext::textEditSelection(record);
        return {selected.start, selected.end};
    }
    static int width(const char* text)
    {
        return HostExtTextWidth(text, 0, static_cast<std::int16_t>(std::strlen(text)));
    }
    // A point on the first line, h pixels from the field's left.
    static HostPoint at(int h)
    {
        return {static_cast<std::int16_t>(kField.top + 5), static_cast<std::int16_t>(kField.left + h)};
    }
    COLORREF pixel(int h, int v) { return pictureOf(port).at(h, v); }

    HostPort port = nullptr;
    HostTextEdit record = nullptr;
};

TEST_F(TextEdit, TypingReplacesTheSelectionAndBackspaceDeletesIt)
{
    setText("abc");
    HostExtSelectAllTextEdit(record);
    type("x");
    EXPECT_EQ(text(), "x");
    HostExtTextEditKey(record, kBackspace);
    EXPECT_EQ(text(), "");
    HostExtTextEditKey(record, kBackspace);
    EXPECT_EQ(text(), "");

    setText("abcd");
    HostExtSetTextEditSelection(record, 3, 1);
    EXPECT_EQ(selection(), std::make_pair(1, 3));
    HostExtTextEditKey(record, kBackspace);
    EXPECT_EQ(text(), "ad");
    HostExtTextEditKey(record, kBackspace);
    EXPECT_EQ(text(), "d");
}

TEST_F(TextEdit, ArrowsMoveTheCaretAndOtherKeysChangeNothing)
{
    setText("abc");
    EXPECT_EQ(selection(), std::make_pair(3, 3));
    HostExtTextEditKey(record, kLeftArrow);
    HostExtTextEditKey(record, kLeftArrow);
    type("x");
    EXPECT_EQ(text(), "axbc");
    for (int n = 0; n < 5; ++n)
        HostExtTextEditKey(record, kLeftArrow);
    EXPECT_EQ(selection(), std::make_pair(0, 0));
    HostExtSetTextEditSelection(record, 1, 3);
    HostExtTextEditKey(record, kRightArrow);
    EXPECT_EQ(selection(), std::make_pair(3, 3));
    for (int n = 0; n < 5; ++n)
        HostExtTextEditKey(record, kRightArrow);
    EXPECT_EQ(selection(), std::make_pair(4, 4));
    for (const std::int16_t key : {0x7F, 3, 13, 0x1E, 0x100})
        HostExtTextEditKey(record, key);
    EXPECT_EQ(text(), "axbc");
}

TEST_F(TextEdit, ReadingTheTextGivesTheBytesTyped)
{
    type("Hi 5\xE9!");
    EXPECT_EQ(text(), "Hi 5\xE9!");
    char small[3] = {'-', '-', '-'};
    EXPECT_EQ(HostExtGetTextEditText(record, small, 2), 6);
    EXPECT_TRUE(small[0] == 'H' && small[1] == 'i' && small[2] == '-');
    const std::string longer(40000, 'a');
    HostExtSetTextEditText(record, longer.data(), static_cast<std::int32_t>(longer.size()));
    EXPECT_EQ(HostExtGetTextEditText(record, nullptr, 0), 32767);
    type("b");
    EXPECT_EQ(HostExtGetTextEditText(record, nullptr, 0), 32767);
}

TEST_F(TextEdit, AClickPlacesTheCaretAndAShiftClickExtendsTheSelection)
{
    setText("abc");
    HostExtTextEditClick(record, at(width("a")), false);
    EXPECT_EQ(selection(), std::make_pair(1, 1));
    HostExtDelay(1000);
    HostExtTextEditClick(record, at(width("abc") + 3), true);
    EXPECT_EQ(selection(), std::make_pair(1, 3));
    // The start stays where the plain click put it.
    HostExtDelay(1000);
    HostExtTextEditClick(record, at(0), true);
    EXPECT_EQ(selection(), std::make_pair(0, 1));
    HostExtDelay(1000);
    HostExtTextEditClick(record, at(width("abc") + 3), true);
    type("Z");
    EXPECT_EQ(text(), "aZ");
}

TEST_F(TextEdit, ADoubleClickSelectsTheWord)
{
    setText("one two, three");
    const int middleOfTwo = width("one t");
    HostExtTextEditClick(record, at(middleOfTwo), false);
    HostExtDelay(200);
    HostExtTextEditClick(record, at(middleOfTwo + 1), false);
    EXPECT_EQ(selection(), std::make_pair(4, 7));

    // Too late for a double click: the caret only.
    HostExtDelay(1000);
    HostExtTextEditClick(record, at(middleOfTwo), false);
    HostExtDelay(500);
    HostExtTextEditClick(record, at(middleOfTwo), false);
    EXPECT_EQ(selection().first, selection().second);
}

TEST_F(TextEdit, TheCaretTogglesEvery500TicksOfIdle)
{
    setText("abc");
    HostExtForeColor(kHostBlackConstant);
    HostExtBackColor(kHostWhiteConstant);
    HostExtDrawTextEdit(record, &kField);
    HostExtActivateTextEdit(record);
    const int caret = kField.left + width("abc");
    const int row = kField.top + 2;
    EXPECT_TRUE(hostext::textEditSelection(record).caretShowing);
    EXPECT_EQ(pixel(caret, row), kBlack);
    HostExtDelay(499);
    HostExtTextEditIdle(record);
    EXPECT_EQ(pixel(caret, row), kBlack);
    HostExtDelay(1);
    HostExtTextEditIdle(record);
    EXPECT_FALSE(hostext::textEditSelection(record).caretShowing);
    EXPECT_EQ(pixel(caret, row), kWhite);
    HostExtDelay(500);
    HostExtTextEditIdle(record);
    EXPECT_EQ(pixel(caret, row), kBlack);
}

TEST_F(TextEdit, AnInactiveRecordShowsNoCaretOrSelection)
{
    setText("abc");
    HostExtDrawTextEdit(record, &kField);
    const platform::Image inactive = pictureOf(port);

    HostExtActivateTextEdit(record);
    EXPECT_NE(pictureOf(port), inactive);
    HostExtDeactivateTextEdit(record);
    EXPECT_EQ(pictureOf(port), inactive);
    HostExtDrawTextEdit(record, &kField);
    EXPECT_EQ(pictureOf(port), inactive);
    HostExtDelay(600);
    HostExtTextEditIdle(record);
    EXPECT_EQ(pictureOf(port), inactive);

    HostExtSelectAllTextEdit(record);
    HostExtDrawTextEdit(record, &kField);
    EXPECT_EQ(pictureOf(port), inactive);
}

TEST_F(TextEdit, AnActiveSelectionIsDrawnInverted)
{
    setText("abc");
    HostExtActivateTextEdit(record);
    HostExtSelectAllTextEdit(record);
    HostExtDrawTextEdit(record, &kField);
    // Behind the selected characters the white is black; past them it stays white.
    EXPECT_EQ(pixel(kField.left, kField.top), kBlack);
    EXPECT_EQ(pixel(kField.left + width("abc") - 1, kField.top), kBlack);
    EXPECT_EQ(pixel(kField.left + width("abc") + 2, kField.top), kWhite);
    // Drawing within part of the field touches nothing outside that part.
    const platform::Image before = pictureOf(port);
    HostExtSetTextEditText(record, "xyz", 3);
    const HostRect part{kField.top, kField.left, kField.bottom, static_cast<std::int16_t>(kField.left + 2)};
    HostExtDrawTextEdit(record, &part);
    const platform::Image after = pictureOf(port);
    for (int v = 0; v < after.height(); ++v)
        for (int h = 0; h < after.width(); ++h)
            if (h >= part.right || h < part.left || v < part.top || v >= part.bottom) {
                EXPECT_EQ(after.at(h, v), before.at(h, v)) << h << "," << v;
            }
}

TEST_F(TextEdit, DrawingErasesTheFieldAndAlignsTheText)
{
    setText("ab");
    HostExtSetTextEditAlignment(record, kHostAlignRight);
    const HostColor grey{0x8000, 0x8000, 0x8000};
    HostExtRGBBackColor(&grey);
    HostExtDrawTextEdit(record, &kField);
    EXPECT_EQ(pixel(kField.left, kField.top), RGB(128, 128, 128));
    EXPECT_EQ(pixel(kField.left - 1, kField.top), kWhite);
    int right = 0;
    for (const auto& [h, v] : painted(port, RGB(128, 128, 128)))
        if (h >= kField.left && h < kField.right && v >= kField.top && v < kField.bottom)
            right = std::max(right, h);
    EXPECT_GT(right, kField.right - 4);
}

TEST_F(TextEdit, LongTextsWrapAndAClickReachesTheSecondLine)
{
    setText("one two three four five six");
    HostExtTextEditClick(record, {static_cast<std::int16_t>(kField.bottom - 1), kField.left}, false);
    const auto [start, end] = selection();
    EXPECT_EQ(start, end);
    EXPECT_GT(start, 0);
}

TEST_F(TextEdit, ARecordWhosePortIsGoneDrawsNothing)
{
    const HostRect bounds{0, 0, 10, 10};
    HostPort other = HostExtNewOffscreenPort(&bounds);
    HostExtSetPort(other);
    HostTextEdit orphan = HostExtNewTextEdit(&bounds);
    HostExtSetPort(port);
    HostExtDisposePort(other);
    HostExtSetTextEditText(orphan, "abc", 3);
    HostExtActivateTextEdit(orphan);
    HostExtTextEditKey(orphan, 'x');
    HostExtTextEditClick(orphan, {1, 1}, false);
    HostExtDelay(600);
    HostExtTextEditIdle(orphan);
    HostExtDrawTextEdit(orphan, &bounds);
    EXPECT_TRUE(painted(port).empty());
    HostExtDisposeTextEdit(orphan);
    HostExtSetPort(nullptr);
    EXPECT_EQ(HostExtNewTextEdit(&bounds), nullptr);
}

} // namespace
