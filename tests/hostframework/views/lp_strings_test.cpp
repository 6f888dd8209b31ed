#include "hostframework/views/lp_strings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A length-prefixed text of the characters.
std::basic_string<std::uint8_t> lp(const std::string& characters)
{
    std::basic_string<std::uint8_t> text(1, static_cast<std::uint8_t>(characters.size()));
    text.append(characters.begin(), characters.end());
    return text;
}

std::string characters(const std::uint8_t* text)
{
    return {reinterpret_cast<const char*>(text + 1), text[0]};
}

TEST(LengthPrefixedStrings, CopiesStopAtTheirCapacityAndCountWhatTheyCopied)
{
    const auto forty = lp(std::string(40, 'a'));
    std::uint8_t out[256] = {};
    copyLPString31(forty.data(), out);
    EXPECT_EQ(characters(out), std::string(31, 'a'));
    copyLPString63(forty.data(), out);
    EXPECT_EQ(characters(out), std::string(40, 'a'));
    const auto seventy = lp(std::string(70, 'b'));
    copyLPString63(seventy.data(), out);
    EXPECT_EQ(out[0], 63);
    const auto longest = lp(std::string(255, 'c'));
    copyLPString255(longest.data(), out);
    EXPECT_EQ(characters(out), std::string(255, 'c'));
}

TEST(LengthPrefixedStrings, AppendingNeverPassesTheCapacity)
{
    std::uint8_t out[256] = {};
    out[0] = 8;
    std::uint8_t guard[256];
    const auto tail = lp("0123456789");
    appendLPString(12, tail.data(), out);
    EXPECT_EQ(out[0], 12);
    EXPECT_EQ(out[12], '3');
    EXPECT_EQ(out[13], 0);
    // A text already past the capacity takes nothing and loses nothing.
    out[0] = 20;
    appendLPString(12, tail.data(), out);
    EXPECT_EQ(out[0], 20);
    // Appending up to the whole length-prefixed text stops at 255 characters.
    std::fill(std::begin(guard), std::end(guard), 0xEE);
    guard[0] = 250;
    appendLPString(300, tail.data(), guard);
    EXPECT_EQ(guard[0], 255);
    EXPECT_EQ(guard[255], '4');
}

TEST(LengthPrefixedStrings, EqualityTreatsNullsAsTexts)
{
    const auto ab = lp("ab");
    const auto ab2 = lp("ab");
    const auto ac = lp("ac");
    const auto a = lp("a");
    EXPECT_TRUE(equalLPStrings(nullptr, nullptr));
    EXPECT_FALSE(equalLPStrings(ab.data(), nullptr));
    EXPECT_FALSE(equalLPStrings(nullptr, ab.data()));
    EXPECT_TRUE(equalLPStrings(ab.data(), ab2.data()));
    EXPECT_FALSE(equalLPStrings(ab.data(), ac.data()));
    EXPECT_FALSE(equalLPStrings(ab.data(), a.data()));
}

TEST(LengthPrefixedStrings, NumbersAreZeroPaddedAndFixedPointTruncates)
{
    std::uint8_t out[256] = {};
    appendZeroPaddedNumber(7, out, 3);
    EXPECT_EQ(characters(out), "007");
    appendZeroPaddedNumber(12345, out, 3);
    EXPECT_EQ(characters(out), "00712345");

    out[0] = 0;
    appendFixed3(-1.5, out);
    EXPECT_EQ(characters(out), "-1.500");
    out[0] = 0;
    appendFixed3(2.0625, out);
    EXPECT_EQ(characters(out), "2.062");
    out[0] = 0;
    appendFixed(0.25, out, 1);
    EXPECT_EQ(characters(out), "0.2");
    out[0] = 0;
    appendFixed(3.05, out, 4);
    EXPECT_EQ(characters(out), "3.0499");
    // A value past the largest whole number saturates instead of overflowing.
    out[0] = 0;
    appendFixed3(1e12, out);
    EXPECT_EQ(characters(out), "2147483647.000");
}

TEST(KeyMapCopies, ReachNoFurtherThanTheKeyMap)
{
    std::uint8_t keys[17] = {};
    for (int n = 0; n < 16; ++n)
        keys[n] = static_cast<std::uint8_t>(n + 1);
    keys[16] = 0xAA;
    std::uint8_t block[32];
    std::fill(std::begin(block), std::end(block), 0xFF);
    copyKeyMapToBlock(keys, block);
    EXPECT_EQ(block[15], 16);
    EXPECT_EQ(block[16], 0);
    EXPECT_EQ(block[31], 0);

    block[0] = 0x40;
    block[20] = 0x77;
    copyBlockToKeyMap(block, keys);
    EXPECT_EQ(keys[0], 0x40);
    EXPECT_EQ(keys[16], 0xAA);
}

} // namespace
