#include "hostframework/views/custom_view.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/view_popup_control_editor.h"
#include "tests/hostframework/views/view_test.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

CCustomView* makeNothing()
{
    return nullptr;
}

// A name with its length byte in front, kept for as long as a lookup needs it.
class LengthPrefixed {
public:
    explicit LengthPrefixed(const std::string& name) : bytes(1, static_cast<char>(name.size())) { bytes += name; }
    const std::uint8_t* data() const { return reinterpret_cast<const std::uint8_t*>(bytes.data()); }

private:
    std::string bytes;
};

LengthPrefixed lengthPrefixed(const std::string& name)
{
    return LengthPrefixed(name);
}

struct Entry {
    const char* name;
    std::int16_t kind;
    std::intptr_t value;
};

const std::vector<Entry> kInitialEntries = {
    {"left", 3, 0},          {"right", 3, 1},      {"top", 3, 2},       {"bottom", 3, 3},
    {"center", 3, 4},        {"default", 3, 5},    {"reverse", 3, 6},   {"cyclical", 3, 7},
    {"plate", 3, 8},         {"normal", 3, 9},     {"clicked", 3, 10},  {"disabled", 3, 11},
    {"inversePlate", 3, 12}, {"editable", 3, 13},  {"horizontal", 3, 14}, {"vertical", 3, 15},
    {"round", 3, 16},        {"square", 3, 17},    {"frame", 3, 18},    {"green", 3, 19},
    {"darkGreen", 3, 20},    {"red", 3, 21},       {"darkRed", 3, 22},  {"blue", 3, 23},
    {"darkBlue", 3, 24},     {"amber", 3, 25},     {"darkAmber", 3, 26}, {"ASCII", 3, 27},
    {"getList", 5, 0},       {"getString", 5, 1},  {"shortVersion", 5, 2}, {"longVersion", 5, 3},
    {"Background", 4, reinterpret_cast<std::intptr_t>(&NewCustomView)},
    {"ViewPopup", 4, reinterpret_cast<std::intptr_t>(&NewViewPopupControlEditor)},
};

const char* const kInitialCreators[] = {"Background", "ProcessControl", "ScrollControl", "Slider",     "Dial",
                                        "RadioGroup", "TextEditor",     "TextPopup",     "ViewPopup",  "ItemList",
                                        "Button",     "CheckBox",       "RadioButton",   "StaticText", "Picture"};

TEST(KeywordMap, HoldsTheConstantsFunctionsAndBuiltCreatorsFromTheStartUnderBothKindsOfName)
{
    for (const Entry& entry : kInitialEntries) {
        SKeyword byText{};
        SKeyword byLength{};
        ASSERT_TRUE(lookupKeyword(entry.name, &byText)) << entry.name;
        ASSERT_TRUE(lookupKeyword(lengthPrefixed(entry.name).data(), &byLength)) << entry.name;
        EXPECT_EQ(byText.kind, entry.kind) << entry.name;
        EXPECT_EQ(byText.value, entry.value) << entry.name;
        EXPECT_EQ(byLength.kind, byText.kind) << entry.name;
        EXPECT_EQ(byLength.value, byText.value) << entry.name;
    }
}

TEST(KeywordMap, EveryViewClassHasItsCreator)
{
    for (const char* name : kInitialCreators) {
        SKeyword keyword{};
        ASSERT_TRUE(lookupKeyword(name, &keyword)) << name;
        EXPECT_EQ(keyword.kind, kCreatorKind) << name;
        EXPECT_NE(keyword.value, 0) << name;
    }
}

// The table as a process starts with it: counted in a process of its own (the test run again alone), as
// the other tests register names of their own. The library's group adds its "NoUIView" when it opens.
class KeywordTable : public kravo::test::ViewTest {};

TEST_F(KeywordTable, Holds47NamesAnd48WithTheGroupsViewType)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SKeyword keyword{};
            const bool counted = countKeywords(kCreatorKind) == 16 && countKeywords(kConstantKind) == 28 &&
                                 countKeywords(kFunctionKind) == 4 && lookupKeyword("NoUIView", &keyword) &&
                                 keyword.kind == kCreatorKind;
            std::fprintf(stderr, "creators %zu constants %zu functions %zu\n", countKeywords(kCreatorKind),
                         countKeywords(kConstantKind), countKeywords(kFunctionKind));
            std::exit(counted ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "creators 16 constants 28 functions 4");
}

TEST(KeywordMap, NamesAreCaseSensitiveAndWhole)
{
    for (const char* name : {"background", "Left", "ascii", "getstring", "plat", "plates", "", "slider"}) {
        EXPECT_FALSE(lookupKeyword(name, nullptr)) << name;
        EXPECT_FALSE(lookupKeyword(lengthPrefixed(name).data(), nullptr)) << name;
    }
    // A length-prefixed name is read to its length, not to a terminator.
    const std::uint8_t platePrefix[] = {5, 'p', 'l', 'a', 't', 'e', 'X', 0};
    EXPECT_TRUE(lookupKeyword(platePrefix, nullptr));
}

TEST(KeywordMap, RegisteringANameAgainReplacesItsEntry)
{
    registerKeyword("testColour", kConstantKind, 21);
    registerKeyword(lengthPrefixed("testColour").data(), kConstantKind, 23);
    SKeyword keyword{};
    ASSERT_TRUE(lookupKeyword("testColour", &keyword));
    EXPECT_EQ(keyword.value, 23);

    registerViewCreator(lengthPrefixed("testColour").data(), &makeNothing);
    ASSERT_TRUE(lookupKeyword(lengthPrefixed("testColour").data(), &keyword));
    EXPECT_EQ(keyword.kind, kCreatorKind);
    EXPECT_EQ(reinterpret_cast<ViewCreator>(keyword.value), &makeNothing);

    registerViewCreator("testView", nullptr);
    ASSERT_TRUE(lookupKeyword("testView", &keyword));
    EXPECT_EQ(keyword.kind, kCreatorKind);
    EXPECT_EQ(keyword.value, 0);
}

} // namespace
