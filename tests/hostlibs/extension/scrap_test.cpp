#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/four_char_code.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::uint32_t kText = FourCharCode("TEXT");
constexpr std::uint32_t kPicture = FourCharCode("PICT");

class Scrap : public testing::Test {
protected:
    void TearDown() override { hostext::clearScrap(); }
};

TEST_F(Scrap, TheTextFlavourReadsBackAsANewHandleOfItsBytes)
{
    hostext::setScrapText("hello");
    const int handles = hostext::liveHandleCount();
    HostHandle text = HostExtGetScrap(kText);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(hostext::liveHandleCount(), handles + 1);
    ASSERT_EQ(HostExtGetHandleSize(text), 5);
    EXPECT_EQ(std::string(*text, 5), "hello");
    HostExtDisposeHandle(text);
    EXPECT_EQ(HostExtGetScrap(kPicture), nullptr);
}

TEST_F(Scrap, AClearedOrEmptyClipboardHoldsNone)
{
    EXPECT_EQ(HostExtGetScrap(kText), nullptr);
    hostext::setScrapText("hello");
    hostext::clearScrap();
    EXPECT_EQ(HostExtGetScrap(kText), nullptr);
    hostext::setScrapText("");
    EXPECT_EQ(HostExtGetScrap(kText), nullptr);
}

TEST_F(Scrap, ATextLongerThanAStringComesWhole)
{
    const std::string longer(300, 'z');
    hostext::setScrapText(longer);
    HostHandle text = HostExtGetScrap(kText);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(*text, static_cast<std::size_t>(HostExtGetHandleSize(text))), longer);
    HostExtDisposeHandle(text);
}

TEST_F(Scrap, NoHandleCanBeHadNoTextComes)
{
    hostext::setScrapText("hello");
    hostext::failNextHandles(1);
    EXPECT_EQ(HostExtGetScrap(kText), nullptr);
}

} // namespace
