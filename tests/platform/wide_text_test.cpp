#include "platform/wide_text.h"

#include "platform/last_error.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::u16string converted(const char* bytes, int count)
{
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes, count, nullptr, 0);
    std::u16string wide(needed, u'?');
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, bytes, count, wide.data(), needed), needed);
    return wide;
}

TEST(WideText, AnsiTextIsUtf8BothWaysWithSurrogatePairsAndTheTerminatorWhenCountedByIt)
{
    EXPECT_EQ(converted("Kick", -1), std::u16string(u"Kick\0", 5));
    EXPECT_EQ(converted("Kick", 2), u"Ki");
    EXPECT_EQ(converted("C:\\Drums\\Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\xA5\x81.wav", -1),
              std::u16string(u"C:\\Drums\\Café € \U0001F941.wav\0", 23));

    EXPECT_EQ(platform::narrowText(u"C:\\Café \U0001F941.lnk"), "C:\\Caf\xC3\xA9 \xF0\x9F\xA5\x81.lnk");
    const char16_t unpaired[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(platform::narrowText(unpaired), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST(WideText, MalformedBytesBecomeReplacementsWithoutReadingPastTheCountedBytes)
{
    // Exactly sized, so that a read past the counted bytes is caught by the sanitizer.
    const std::string text = "a\x80" "b\xC0\xAF" "c\xED\xA0\x80" "d\xF4\x90\x80\x80" "e\xE2\x82";
    const auto bytes = std::make_unique<char[]>(text.size());
    text.copy(bytes.get(), text.size());
    EXPECT_EQ(converted(bytes.get(), static_cast<int>(text.size())),
              u"a\uFFFDb\uFFFD\uFFFDc\uFFFD\uFFFD\uFFFDd\uFFFD\uFFFD\uFFFD\uFFFDe\uFFFD\uFFFD");
}

TEST(WideText, ShortBuffersAndBadArgumentsFailWithoutWritingPastTheBuffer)
{
    char16_t buffer[4] = {u'x', u'x', u'x', u'x'};
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abcd", -1, buffer, 3), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(buffer[3], u'x');

    const auto refused = [](UINT codePage, DWORD flags, LPCSTR text, int count, LPWSTR wide, int wideCount) {
        SetLastError(ERROR_SUCCESS);
        return MultiByteToWideChar(codePage, flags, text, count, wide, wideCount) == 0 &&
               GetLastError() == static_cast<DWORD>(ERROR_INVALID_PARAMETER);
    };
    EXPECT_TRUE(refused(7, 0, "a", -1, nullptr, 0));
    EXPECT_TRUE(refused(CP_ACP, 1, "a", -1, nullptr, 0));
    EXPECT_TRUE(refused(CP_ACP, 0, nullptr, -1, nullptr, 0));
    EXPECT_TRUE(refused(CP_ACP, 0, "a", 0, nullptr, 0));
    EXPECT_TRUE(refused(CP_ACP, 0, "a", -2, nullptr, 0));
    EXPECT_TRUE(refused(CP_ACP, 0, "a", -1, nullptr, 4));
}

} // namespace
