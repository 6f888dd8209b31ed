#include "editor/controls/short_names.h"

#include "plugin/parameters/display/model_names.h"
#include "plugin/parameters/display/modulation_names.h"

#include <gtest/gtest.h>

#include <span>

namespace {

using editor::shortMenuName;

TEST(ShortNames, ModelAndSourceMenusShortenTheirLongNames)
{
    const std::vector<std::tuple<std::int32_t, std::string, std::string>> cases{
        {886, "User Perc. 13 Sleigh", "Sleigh"},
        {145, "BD Kravo 03", "Kravo 3"},
        {144, "BD Model 1", "Model 1"},
        {265, "SN Kravo 07", "Kravo 7"},
        {364, "HH Model 01", "Model 1"},
        {365, "HH Classic 01 Closed", "Classc 1C"},
        {484, "HH Kravo 02 Open 14'' Bright", "Kravo 2O"},
        {485, "HH Classic 04 Open", "Classc 4O"},
        {602, "Clap Kravo 01", "Kravo 01"},
        {603, "Clap Classic 02", "Classic 2"},
        {653, "Tom Kravo 01 Power High", "Kravo 1"},
        {887, "User Classic 01 CR Perc. 1", "Classic 1"},
        {888, "User Model 02 Long", "Model 2-L"},
        {889, "User Kravo QV FX2", "Kravo 28"},
        {890, "User Kravo 29 Whistle FX", "Kravo 29"},
        {891, "User Perc. 62 Crashbox", "Crashbox"},
        {1558, "Sm. Break 4 Free", "Sm. Brk 4"},
        {1561, "Groove 1 Free", "Grv 1"},
        {1562, "Ch. Aftr", "Ch Aftr"},
        {1563, "C11 Exprsn", "Exprsn"},
        {1565, "Velocity", "Velocity"},
    };
    for (const auto& [tag, name, shortName] : cases)
        EXPECT_EQ(shortMenuName(tag, name), shortName) << tag << " " << name;
}

TEST(ShortNames, OnlyTheTagsListedAndNamesOfTheirListHaveOne)
{
    EXPECT_EQ(shortMenuName(146, "BD Kravo 03"), std::nullopt) << "not a model parameter";
    EXPECT_EQ(shortMenuName(9999, "BD Kravo 03"), std::nullopt);
    EXPECT_EQ(shortMenuName(145, "SN Kravo 03"), std::nullopt) << "another kind's name";
    EXPECT_EQ(shortMenuName(145, "Kravo 3"), std::nullopt) << "already short";
    EXPECT_EQ(shortMenuName(1566, "Velocity"), std::nullopt) << "a destination";
}

// Every name of every list has a short name no longer than itself, so it fits where it is shortened.
TEST(ShortNames, EveryLongNameHasAShorterOne)
{
    namespace names = kravo::param::display;
    const std::vector<std::pair<std::int32_t, std::span<const std::string_view>>> lists{
        {144, names::kBassDrumModelNames}, {264, names::kSnareModelNames}, {364, names::kHiHatModelNames},
        {602, names::kClapModelNames},     {653, names::kTomModelNames},   {886, names::kUserModelNames},
        {1558, names::kModSourceNames}};
    for (const auto& [tag, list] : lists)
        for (const std::string_view name : list) {
            const std::optional<std::string> shortName = shortMenuName(tag, name);
            ASSERT_TRUE(shortName.has_value()) << name;
            EXPECT_FALSE(shortName->empty()) << name;
            EXPECT_LE(shortName->size(), name.size()) << name;
        }
}

} // namespace
