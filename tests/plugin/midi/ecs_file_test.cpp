#include "plugin/midi/ecs_file.h"

#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr const char* kPath = "C:\\Kravo\\ECS\\map.ecs";

std::string numbers(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(i * 7) + "\n";
    return text;
}

class EcsFile : public kravo::test::UserFilesTest {
protected:
    std::optional<MidiCcMap::Entries> readText(const std::string& text)
    {
        writeFile(kPath, text);
        return kravo::readEcsFile(kPath);
    }
};

TEST_F(EcsFile, WritesOneNumberPerLineAndReadsAnyWhiteSpaceSignsAndNoFinalLineFeed)
{
    makeFolder("C:\\Kravo\\ECS");
    MidiCcMap::Entries parameters{1};
    parameters[7] = 123;
    parameters[127] = 9900;
    ASSERT_TRUE(kravo::writeEcsFile(kPath, parameters));
    std::string expected = "1\n";
    for (int i = 1; i < 127; ++i)
        expected += i == 7 ? "123\n" : "0\n";
    EXPECT_EQ(readFile(kPath), expected + "9900\n");
    EXPECT_EQ(kravo::readEcsFile(kPath), parameters);

    std::string text = "  \t\r\n+0";
    for (int i = 1; i < 128; ++i)
        text += (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? " \t" : "\f\v") + std::to_string(i);
    const auto read = readText(text).value_or(MidiCcMap::Entries{});
    EXPECT_EQ(std::tuple(read[1], read[127]), std::tuple(1, 127));
    EXPECT_TRUE(readText(numbers(128) + "  \n\n") && readText(numbers(127) + "-0"));
}

TEST_F(EcsFile, AnythingButExactly128WholeNumbersFrom0To9900IsRefusedAndMissingOrUncreatableFilesFail)
{
    for (const std::string& bad :
         {numbers(127), numbers(129), std::string(), numbers(127) + "9901\n", "-1\n" + numbers(127),
          numbers(127) + "99999999999999999999\n", numbers(127) + "-99999999999999999999\n", numbers(128) + "junk",
          numbers(128) + std::string(1, '\0')})
        EXPECT_FALSE(readText(bad).has_value()) << bad;
    for (const char* token : {"12a", "1.5", "0x10", "+", "-", "--1", "abc", "1,2", "\x01"})
        EXPECT_FALSE(readText(numbers(127) + token + "\n").has_value()) << token;

    EXPECT_FALSE(kravo::readEcsFile("C:\\Kravo\\ECS\\none.ecs") ||
                 kravo::writeEcsFile("C:\\No Such Folder\\map.ecs", MidiCcMap::Entries{}));
}

} // namespace
