#include "platform/window/edit/edit_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::window::EditLine;

TEST(EditLine, SelectingClampsToTheTextAndANegativeStartKeepsOnlyTheCaret)
{
    const std::string text = "abc";
    EditLine line;
    line.select(5, 1, text);
    EXPECT_EQ(line.selectionStart(), 1u);
    EXPECT_EQ(line.selectionEnd(), 3u);
    EXPECT_EQ(line.caret(), 1u);
    line.select(0, -1, text);
    EXPECT_EQ(line.selectionEnd(), 3u);
    EXPECT_EQ(line.caret(), 3u);
    line.select(-1, 0, text);
    EXPECT_FALSE(line.hasSelection());
    EXPECT_EQ(line.caret(), 3u);
}

TEST(EditLine, OnlyPrintableCharactersAreTyped)
{
    std::string text;
    EditLine line;
    for (const char control : {'\r', '\x1b', '\t', '\b', '\x7f', '\x85', '\x1f'})
        EXPECT_FALSE(line.type(text, control)) << static_cast<int>(control);
    EXPECT_TRUE(line.type(text, ' '));
    EXPECT_TRUE(line.type(text, '\xe9'));
    EXPECT_EQ(text, " \xe9");
}

TEST(EditLine, AtTheLimitTypingStillReplacesASelection)
{
    std::string text = "abc";
    EditLine line;
    line.setLimit(3);
    line.moveEnd(text);
    EXPECT_FALSE(line.type(text, 'd'));
    line.select(0, 1, text);
    EXPECT_TRUE(line.type(text, 'x'));
    EXPECT_EQ(text, "xbc");
    line.setLimit(0);
    EXPECT_TRUE(line.type(text, 'y'));
    EXPECT_EQ(text, "xybc");
}

TEST(EditLine, KeysStopAtTheEndsOfTheText)
{
    std::string text = "ab";
    EditLine line;
    line.moveLeft();
    EXPECT_FALSE(line.eraseBackward(text));
    line.moveEnd(text);
    line.moveRight(text);
    EXPECT_EQ(line.caret(), 2u);
    EXPECT_FALSE(line.eraseForward(text));
    EXPECT_EQ(text, "ab");
}

TEST(EditLine, ATextShortenedBehindItsBackIsEditedWhereItEnds)
{
    std::string text = "abcdef";
    EditLine line;
    line.moveEnd(text);
    text = "ab";
    EXPECT_TRUE(line.eraseBackward(text));
    EXPECT_EQ(text, "a");
}

} // namespace
