#include "tests/hostframework/views/description_test.h"

#include <utility>
#include <vector>

namespace {

using kravo::test::DescriptionTest;
using kravo::test::describe;
using kravo::test::recordOf;

class WholeTexts : public DescriptionTest {};
class Elements : public DescriptionTest {};

using Cases = std::vector<std::pair<std::string, std::string>>;

TEST_F(WholeTexts, OnlyAMarkerACreatorAndAListOfGroupsUsingTheWholeTextAreADescription)
{
    const std::string a14 = "! V:Background ((K'abcd'))";
    const Cases cases = {
        {"!NoUIView[('NoID')]", "! V:NoUIView ((K'NoID'))"},
        {"", "no"},
        {"!", "no"},
        {"!Background", "no"},
        {"Background[('abcd')]", "no"},
        {"!!Background[('abcd')]", "no"},
        {"!Background[('abcd')] plate", "no"},
        {"!Background[('abcd')] extra", "no"},
        {"!Unknown[('abcd')]", "no"},
        {"!background[('abcd')]", "no"},
        {"!left[('abcd')]", "no"},
        {"!Background('abcd')", "no"},
        {"!Background(('abcd'))", a14},
        {"!Background[('abcd')", "no"},
        {"!Background[('abcd']", "no"},
        {"\t!Background ,[ ( 'abcd' , ) ]\r\n", a14},
        {"!Background[('abcd')]#", "no"},
        {"!Background[]", "! V:Background ()"},
        {"!Background[()]", "! V:Background (())"},
        {"!Background[('abc')]", "no"},
        {"!Background[('abcd')])", "no"},
        {"!Background[('abcd')] getString(128 1)", "no"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parse(text), expected) << text;
}

TEST_F(WholeTexts, TheTextEndsAtANulOrAtItsLengthWhicheverComesFirst)
{
    const std::string text = "!Background[('abcd')]";
    std::string withNul = text;
    withNul += '\0';
    withNul += "xyz";
    ASSERT_EQ(withNul.size(), 25u);
    EXPECT_EQ(parse(recordOf(withNul)), "! V:Background ((K'abcd'))");
    EXPECT_EQ(parse(recordOf(text, 10)), "no");
    // Inside a string or a code too: what follows the NUL is not read.
    for (const std::string quote : {"\"", "'"}) {
        std::string quoted = "!Background[('abcd')(" + quote;
        quoted += 'a';
        quoted += '\0';
        quoted += "b" + quote + ")]";
        EXPECT_EQ(parse(recordOf(quoted)), "no") << quote;
    }
    EXPECT_EQ(parse(recordOf(text + "#", static_cast<std::uint8_t>(text.size()))), "! V:Background ((K'abcd'))");
}

TEST_F(WholeTexts, ANullRecordIsNoDescriptionAndThrowsNothing)
{
    SParseState state(nullptr);
    EXPECT_FALSE(ParseDescription(state));
    EXPECT_EQ(state.result, nullptr);
}

TEST_F(WholeTexts, TheGroupsStartAtTheFirstArgumentGroup)
{
    const SViewRecord record = recordOf("!Background[('abcd')(1 2)]");
    SParseState state(&record);
    ASSERT_TRUE(ParseDescription(state));
    EXPECT_EQ(state.result->next->Creator(), &NewCustomView);
    EXPECT_EQ(describe(state.groups), "(K'abcd') (i=1 i=2)");
}

TEST_F(Elements, CodesOfNoneOneOrFourCharactersWithTheirEscapes)
{
    const Cases cases = {
        {"''", "c=0"},
        {"'a'", "c=97"},
        {"'ab'", "no"},
        {"'abc'", "no"},
        {"'abcde'", "no"},
        {"'\\''", "c=39"},
        {"'\\\\'", "c=92"},
        {"'\"'", "c=34"},
        {"'a\\nbc'", "K'a\\x0Abc'"},
        {"'\\t\\t\\t\\t'", "K'\\x09\\x09\\x09\\x09'"},
        {"'\\t\\t\\t\\t\\t'", "no"},
        {"'\\q'", "no"},
        {"'ab", "no"},
    };
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(element(x), expected) << x;
}

TEST_F(Elements, StringsWithTheirEscapesAndNoneForTheDoubleQuote)
{
    const Cases cases = {
        {"\"\"", "s\"\""},
        {"\"it's\"", "s\"it's\""},
        {"\"\\a\\b\\f\\n\\r\\t\\v\"", "s\"\\x07\\x08\\x0C\\x0A\\x0D\\x09\\x0B\""},
        {"\"\\'\\\\\"", "s\"'\\\""},
        {"\"a\\\"b\"", "no"},
        {"\"x\\z\"", "no"},
        {"\"abc", "no"},
        {"\"abc\\", "no"},
    };
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(element(x), expected) << x;
}

TEST_F(Elements, NumbersDecimalHexadecimalAndRealWithTheirSign)
{
    const Cases cases = {
        {"-0x10", "i=-16"},
        {"12.5", "r=12.5"},
        {"- 3", "i=-3"},
        {"-,3", "i=-3"},
        {"- 0x10", "i=-16"},
        {"0x1F 0XfF 0x", "i=31 i=255 i=0"},
        {"007", "i=7"},
        {"1.25", "r=1.25"},
        {".5 -.25 5. .", "r=0.5 r=-0.25 r=5 r=0"},
        {"-", "no"},
        {"--3", "no"},
        {"-a", "no"},
        {"1.2.3", "no"},
        {"12abc", "no"},
        {"3plate", "i=3 k=8"},
        {"1(2)-3", "i=1 (i=2) i=-3"},
    };
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(element(x), expected) << x;
}

TEST_F(Elements, IntegersWrapModulo2To32)
{
    EXPECT_EQ(element("2147483647 2147483648 4294967297"), "i=2147483647 i=-2147483648 i=1");
    EXPECT_EQ(element("0xFFFFFFFF 0x100000000 -2147483648"), "i=-1 i=0 i=-2147483648");
    EXPECT_EQ(element("4294967297.5"), "r=1.5");
}

TEST_F(Elements, RealDigitsAddTenthsHundredthsAndSoOnInAFloat)
{
    const SViewRecord record = recordOf("!Background[('abcd')(0.1 3.14159 -2.75)]");
    SParseState state(&record);
    ASSERT_TRUE(ParseDescription(state));
    const SValueCell* real = state.groups->next->List();
    float expected = static_cast<float>(0 + 1 * 0.1);
    EXPECT_EQ(real->Real(), expected);
    expected = 3.0f;
    double factor = 0.1;
    for (const int digit : {1, 4, 1, 5, 9}) {
        expected = static_cast<float>(expected + digit * factor);
        factor *= 0.1;
    }
    EXPECT_EQ(real->next->Real(), expected);
    EXPECT_EQ(real->next->next->Real(), -2.75f);
}

TEST_F(Elements, ListsNestAndCloseOnlyWithTheirOwnCharacter)
{
    const Cases cases = {
        {"()", "()"},
        {"(()[]) (1 (2 [3]))", "(() ()) (i=1 (i=2 (i=3)))"},
        {"(]", "no"},
        {"[1", "no"},
        {"[1)", "no"},
    };
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(element(x), expected) << x;
}

TEST_F(Elements, NamesAreTheMapsConstantsAndCreatorsAndNothingElse)
{
    std::string constants;
    std::string expected;
    const char* names[] = {"left",   "right",   "top",          "bottom",   "center",     "default",  "reverse",
                           "cyclical", "plate", "normal",       "clicked",  "disabled",   "inversePlate",
                           "editable", "horizontal", "vertical", "round",   "square",     "frame",    "green",
                           "darkGreen", "red",  "darkRed",      "blue",     "darkBlue",   "amber",    "darkAmber",
                           "ASCII"};
    for (int number = 0; number < 28; ++number) {
        constants += std::string(names[number]) + " ";
        expected += (number == 0 ? "k=" : " k=") + std::to_string(number);
    }
    EXPECT_EQ(element(constants), expected);
    EXPECT_EQ(element("Background"), "V:Background");
    EXPECT_EQ(element("plate2"), "no");
    EXPECT_EQ(element("my_name"), "no");
}

} // namespace
