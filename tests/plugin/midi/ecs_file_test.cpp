#include "plugin/midi/ecs_file.h"

#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr const char* kPath = "C:\\Kravo\\ECS\\map.ecs";

std::string numbers(int count, const std::string& separator = "\n")
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(i * 7) + separator;
    return text;
}

class EcsFile : public kravo::test::UserFilesTest {
protected:
    void SetUp() override
    {
        UserFilesTest::SetUp();
        makeFolder("C:\\Kravo\\ECS");
    }

    std::optional<MidiCcMap::Entries> readText(const std::string& text)
    {
        writeFile(kPath, text);
        return kravo::readEcsFile(kPath);
    }
};

TEST_F(EcsFile, WritesOneNumberPerLineAndReadsItBack)
{
    MidiCcMap::Entries parameters{};
    parameters[0] = 1;
    parameters[7] = 123;
    parameters[127] = 9900;
    ASSERT_TRUE(kravo::writeEcsFile(kPath, parameters));

    const std::string text = readFile(kPath);
    EXPECT_EQ(text.substr(0, 8), "1\n0\n0\n0\n");
    EXPECT_EQ(text.substr(text.size() - 5), "9900\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 128);
    EXPECT_EQ(text.find('\r'), std::string::npos);

    const auto read = kravo::readEcsFile(kPath);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, parameters);
}

TEST_F(EcsFile, AnEmptyMapIs128LinesOfZero)
{
    ASSERT_TRUE(kravo::writeEcsFile(kPath, MidiCcMap::Entries{}));
    std::string expected;
    for (int i = 0; i < 128; ++i)
        expected += "0\n";
    EXPECT_EQ(readFile(kPath), expected);
    EXPECT_EQ(readFile(kPath).size(), 256u);
}

TEST_F(EcsFile, AcceptsAnyWhiteSpaceSignsAndNoFinalLineFeed)
{
    std::string text = "  \t\r\n+0";
    for (int i = 1; i < 128; ++i)
        text += (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? " \t" : "\f\v") + std::to_string(i);
    const auto read = readText(text);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ((*read)[0], 0);
    EXPECT_EQ((*read)[127], 127);

    const auto noFinalLineFeed = readText(numbers(127) + "9900");
    ASSERT_TRUE(noFinalLineFeed.has_value());
    EXPECT_EQ((*noFinalLineFeed)[127], 9900);

    const auto trailingSpace = readText(numbers(128) + "  \n\n");
    EXPECT_TRUE(trailingSpace.has_value());
    EXPECT_TRUE(readText(numbers(127) + "-0").has_value());
}

TEST_F(EcsFile, OtherThan128NumbersAreRefused)
{
    EXPECT_FALSE(readText(numbers(127)).has_value());
    EXPECT_FALSE(readText(numbers(129)).has_value());
    EXPECT_FALSE(readText("").has_value());
}

TEST_F(EcsFile, NumbersOutside0To9900AreRefused)
{
    EXPECT_FALSE(readText(numbers(127) + "9901\n").has_value());
    EXPECT_FALSE(readText("-1\n" + numbers(127)).has_value());
    EXPECT_FALSE(readText(numbers(127) + "99999999999999999999\n").has_value());
    EXPECT_FALSE(readText(numbers(127) + "-99999999999999999999\n").has_value());
}

TEST_F(EcsFile, TokensThatAreNotWholeNumbersAreRefused)
{
    for (const char* bad : {"12a", "1.5", "0x10", "+", "-", "--1", "abc", "1,2", "\x01"})
        EXPECT_FALSE(readText(numbers(127) + bad + "\n").has_value()) << bad;
    EXPECT_FALSE(readText(numbers(128) + "junk").has_value());
    EXPECT_FALSE(readText(numbers(128) + std::string(1, '\0')).has_value());
}

TEST_F(EcsFile, AMissingFileReadsAsNothing)
{
    EXPECT_FALSE(kravo::readEcsFile("C:\\Kravo\\ECS\\none.ecs").has_value());
}

TEST_F(EcsFile, AFileThatCannotBeCreatedIsAFailedWrite)
{
    EXPECT_FALSE(kravo::writeEcsFile("C:\\No Such Folder\\map.ecs", MidiCcMap::Entries{}));
}

} // namespace
