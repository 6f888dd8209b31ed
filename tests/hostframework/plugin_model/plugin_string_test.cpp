#include "hostframework/plugin_model/plugin_string.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PlugInString, CopiesAtMostTheCapacityAndAlwaysTerminates)
{
    char buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    CPlugInString text(4, buffer);
    text.Set("abcdefgh");
    EXPECT_STREQ(buffer, "abcd");
    text.Set("ab");
    EXPECT_STREQ(buffer, "ab");
    EXPECT_EQ(buffer[4], '\0');
    EXPECT_EQ(buffer[5], 'x');
    text.Set(nullptr);
    EXPECT_STREQ(buffer, "");

    // A negative capacity promises no byte to write to.
    CPlugInString(-1, buffer + 5).Set("z");
    EXPECT_EQ(buffer[5], 'x');

    const std::string long64(64, 'n');
    EXPECT_EQ(std::string(CPlugInName(long64.c_str()).Get()), long64.substr(0, 63));
}

TEST(PlugInString, NameListAnswersTheFirstFormShorterThanTheCapacity)
{
    CPlugInNameList names;
    char buffer[32];
    CPlugInString empty(20, buffer);
    names.GetName(empty);
    EXPECT_STREQ(buffer, "");

    names.AddName("Mono Gain");
    names.AddName("Gain");
    names.AddName("Gan");
    for (const auto& [capacity, expected] : {std::pair{20, "Mono Gain"}, {9, "Gain"}, {5, "Gain"}, {4, "Gan"},
                                             {3, "Gan"}, {2, "Ga"}, {0, ""}}) {
        CPlugInString text(capacity, buffer);
        names.GetName(text);
        EXPECT_STREQ(buffer, expected) << "capacity " << capacity;
    }
}

} // namespace
