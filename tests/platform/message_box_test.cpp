#include "platform/message_box.h"

#include <gtest/gtest.h>

namespace {

class MessageBox : public ::testing::Test {
protected:
    void SetUp() override { platform::resetMessageBoxes(); }
    void TearDown() override { platform::resetMessageBoxes(); }
};

TEST_F(MessageBox, WithoutAnAnswerItReturnsItsDefaultButtonAtOnce)
{
    EXPECT_EQ(MessageBoxA(nullptr, "Problem with ECS File", "", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "Replace?", "", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "Replace?", "", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

TEST_F(MessageBox, ASecondDefaultButtonOnAOneButtonBoxIsItsOnlyButton)
{
    EXPECT_EQ(MessageBoxA(nullptr, "Incorrect drum type", "", MB_OK | MB_DEFBUTTON2), IDOK);
}

TEST_F(MessageBox, ScriptedAnswersAreGivenInOrderThenTheDefaultReturns)
{
    platform::scriptMessageBoxAnswers("no, YES");
    EXPECT_EQ(MessageBoxA(nullptr, "first", "", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "second", "", MB_YESNO | MB_DEFBUTTON2), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "third", "", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

TEST_F(MessageBox, AnAnswerTheBoxDoesNotOfferGivesItsDefaultButton)
{
    platform::scriptMessageBoxAnswers("yes,cancel");
    EXPECT_EQ(MessageBoxA(nullptr, "notice", "", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "question", "", MB_OKCANCEL), IDCANCEL);
}

TEST_F(MessageBox, UnknownWordsInTheScriptAreSkipped)
{
    platform::scriptMessageBoxAnswers("maybe,,no");
    EXPECT_EQ(MessageBoxA(nullptr, "question", "", MB_YESNO), IDNO);
}

TEST_F(MessageBox, EveryCallIsRecordedWithTextCaptionFlagsAndAnswer)
{
    platform::scriptMessageBoxAnswers("no");
    MessageBoxA(nullptr, "Overwrite?", "Kravo", MB_YESNO | MB_DEFBUTTON2);
    MessageBoxA(nullptr, nullptr, nullptr, MB_OK);

    const auto calls = platform::recordedMessageBoxes();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, "Overwrite?");
    EXPECT_EQ(calls[0].caption, "Kravo");
    EXPECT_EQ(calls[0].type, MB_YESNO | MB_DEFBUTTON2);
    EXPECT_EQ(calls[0].answer, IDNO);
    EXPECT_EQ(calls[1].text, "");
    EXPECT_EQ(calls[1].answer, IDOK);
}

TEST_F(MessageBox, ResettingForgetsAnswersAndRecords)
{
    platform::scriptMessageBoxAnswers("no");
    MessageBoxA(nullptr, "x", "", MB_OK);
    platform::scriptMessageBoxAnswers("no");
    platform::resetMessageBoxes();
    EXPECT_TRUE(platform::recordedMessageBoxes().empty());
    EXPECT_EQ(MessageBoxA(nullptr, "x", "", MB_YESNO), IDYES);
}

} // namespace
