#include "plugin/parameters/param_text.h"

#include "plugin/parameters/text_field_parameters.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

using namespace kravo;

TEST(ParamText, PrintableCharactersReadBackAWriteClearsItsWholeFieldButNeverPassesItAndOthersEndTheText)
{
    std::array<float, param::kParameterCount> values{};
    std::string text;
    for (char c = 32; c < 127; ++c)
        text.push_back(c);
    writeParamText(values, 100, text.substr(0, 64), 64);
    writeParamText(values, 200, text.substr(64), 64);
    EXPECT_EQ(readParamText(values, 100, 64) + readParamText(values, 200, 64), text);
    EXPECT_EQ(readParamText(values, 100, 4), text.substr(0, 4));

    values.fill(0.3f);
    writeParamText(values, 9300, "a name far longer than twenty-four characters", 24);
    EXPECT_EQ(readParamText(values, 9300, 24), "a name far longer than t");
    writeParamText(values, 9300, "----", 24);
    for (int k = 0; k < 24; ++k)
        EXPECT_EQ(values[9300 + k], k < 4 ? 45.5f / 256.0f : 0.0f) << k;
    EXPECT_EQ(std::tuple(values[9299], values[9324]), std::tuple(0.3f, 0.3f));
    writeParamText(values, 9300, "", 24);
    EXPECT_EQ(readParamText(values, 9300, 24), "");

    writeParamText(values, 0, "ab\xE9" "cd", 8);
    EXPECT_EQ(readParamText(values, 0, 8), "ab\xE9" "cd");
    writeParamText(values, param::kBankNameFirst, "Kit 7", param::kBankNameLength);
    EXPECT_EQ(readBankName(values), "Kit 7");
    values[param::kBankNameFirst + 2] = paramTextValue('\t');
    EXPECT_EQ(readBankName(values), "Ki");
}

} // namespace
