#include "plugin/parameters/param_text.h"

#include "plugin/parameters/text_field_parameters.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace kravo;

struct ParamTextTest : ::testing::Test {
    std::array<float, param::kParameterCount> values{};
};

TEST_F(ParamTextTest, EveryPrintableCharacterReadsBackExactly)
{
    std::string text;
    for (char c = 32; c < 127; ++c)
        text.push_back(c);
    writeParamText(values, 100, text.substr(0, 64), 64);
    writeParamText(values, 200, text.substr(64), 64);
    EXPECT_EQ(readParamText(values, 100, 64) + readParamText(values, 200, 64), text);
}

TEST_F(ParamTextTest, DashesAreStoredInTheMiddleOfTheirBand)
{
    writeParamText(values, 9300, "----", 24);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(values[9300 + k], 0.177734375f);
    for (int k = 4; k < 24; ++k)
        EXPECT_EQ(values[9300 + k], 0.0f);
    EXPECT_EQ(readParamText(values, 9300, 24), "----");
}

TEST_F(ParamTextTest, EmptyTextClearsTheFieldAndNothingElse)
{
    values.fill(0.3f);
    writeParamText(values, 9300, "", 24);
    for (int k = 0; k < 24; ++k)
        EXPECT_EQ(values[9300 + k], 0.0f);
    EXPECT_EQ(values[9299], 0.3f);
    EXPECT_EQ(values[9324], 0.3f);
    EXPECT_EQ(readParamText(values, 9300, 24), "");
}

TEST_F(ParamTextTest, TextLongerThanItsFieldIsCutAtTheField)
{
    values.fill(0.3f);
    writeParamText(values, 9300, "a name far longer than twenty-four characters", 24);
    EXPECT_EQ(readParamText(values, 9300, 24), "a name far longer than t");
    EXPECT_EQ(values[9324], 0.3f);
}

TEST_F(ParamTextTest, ReadingStopsAtTheFieldLengthWithoutATerminator)
{
    writeParamText(values, 0, "abcdef", 6);
    EXPECT_EQ(readParamText(values, 0, 4), "abcd");
}

TEST(ParamTextValue, CharactersAboveAsciiAreStoredAsTheEndOfText)
{
    EXPECT_EQ(paramTextValue(static_cast<char>(0xE9)), 0.0f);
    EXPECT_EQ(paramTextChar(paramTextValue('A')), 'A');
}

TEST_F(ParamTextTest, BankNameReadsUntilAControlCharacter)
{
    writeParamText(values, param::kBankNameFirst, "Kit 7", param::kBankNameLength);
    EXPECT_EQ(readBankName(values), "Kit 7");
    values[param::kBankNameFirst + 2] = paramTextValue('\t');
    EXPECT_EQ(readBankName(values), "Ki");
}

} // namespace
