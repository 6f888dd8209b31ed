#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(MessageBox, ScriptedAnswersComeInOrderThenTheDefaultButtonAnswersAndEveryCallIsRecordedUntilAReset)
{
    platform::resetMessageBoxes();
    platform::scriptMessageBoxAnswers("no, YES,maybe,,yes,cancel");
    EXPECT_EQ(MessageBoxA(nullptr, "first", "", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "second", "", MB_YESNO | MB_DEFBUTTON2), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "not offered: the default", "", MB_OK | MB_DEFBUTTON2), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "question", "", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "no answer left", "", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "no answer left", "", MB_YESNO), IDYES);

    platform::resetMessageBoxes();
    platform::scriptMessageBoxAnswers("no");
    MessageBoxA(nullptr, nullptr, nullptr, MB_YESNO);
    const auto calls = platform::recordedMessageBoxes();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(std::tuple(calls[0].text, calls[0].caption, calls[0].type, calls[0].answer),
              std::tuple("", "", MB_YESNO, IDNO));
    platform::scriptMessageBoxAnswers("no");
    platform::resetMessageBoxes();
    EXPECT_TRUE(platform::recordedMessageBoxes().empty());
    EXPECT_EQ(MessageBoxA(nullptr, "x", "", MB_YESNO), IDYES);
}

} // namespace
