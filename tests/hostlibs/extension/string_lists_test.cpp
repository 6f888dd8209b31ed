#include "hostlibs/extension/host_extension.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

using kravo::test::TempFolder;

// A resource file written by the resource tool from a manifest whose string lists come from text
// files, open and current for the test.
class StringLists : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeFile("first.txt", "one\n\ntwo words\n" + std::string(255, 'z') + "\n");
        folder.writeFile("none.txt", "");
        // Three texts announced, the second cut short.
        folder.writeFile("texts.list", "strl 128 \"First\" lines:first.txt\n"
                                       "strl 129 \"\" lines:none.txt\n"
                                       "strl 130 cut hex:0003_02_6869_05_6162\n"
                                       "strl 131 tiny hex:00\n");
        const std::string manifest = (folder / "texts.list").string();
        const std::string command = std::string("'") + KRAVO_PYTHON + "' '" + KRAVO_RESOURCE_TOOL + "' '" + manifest +
                                    "' '" + path + "'";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        previous = HostExtCurrentResourceFile();
        file = HostExtOpenResourceFile(path.c_str(), nullptr);
        ASSERT_GT(file, 0);
        HostExtUseResourceFile(file);
    }

    void TearDown() override
    {
        HostExtCloseResourceFile(file);
        HostExtUseResourceFile(previous);
    }

    static std::string text(std::int32_t list, std::int32_t index)
    {
        std::uint8_t out[256];
        std::memset(out, 0xAA, sizeof out);
        HostExtGetIndexedString(out, list, index);
        return std::string(reinterpret_cast<const char*>(out + 1), out[0]);
    }

    TempFolder folder;
    std::string path = (folder / "texts.rsr").string();
    std::int16_t previous = 0;
    std::int16_t file = 0;
};

TEST_F(StringLists, TextsCountFromOneAndAnyOtherIndexGivesTheEmptyText)
{
    EXPECT_EQ(text(128, 1), "one");
    EXPECT_EQ(text(128, 2), "");
    EXPECT_EQ(text(128, 3), "two words");
    EXPECT_EQ(text(128, 4), std::string(255, 'z'));
    for (const std::int32_t index : {0, -1, 5, 65537})
        EXPECT_EQ(text(128, index), "") << index;
    EXPECT_EQ(text(129, 1), "");
}

TEST_F(StringLists, AMissingListOrOneCutShortGivesOnlyWhatItHolds)
{
    EXPECT_EQ(text(127, 1), "");
    EXPECT_EQ(text(128 + 65536, 1), "");
    EXPECT_EQ(text(130, 1), "hi");
    EXPECT_EQ(text(130, 2), "");
    EXPECT_EQ(text(130, 3), "");
    EXPECT_EQ(text(131, 1), "");
    HostExtUseResourceFile(0);
    EXPECT_EQ(text(128, 1), "");
}

TEST(StringListTool, ALineLongerThanALengthByteStopsTheTool)
{
    TempFolder folder;
    folder.writeFile("long.txt", "fine\n" + std::string(256, 'z') + "\n");
    folder.writeFile("long.list", "strl 1 \"\" lines:long.txt\n");
    const std::string command = std::string("'") + KRAVO_PYTHON + "' '" + KRAVO_RESOURCE_TOOL + "' '" +
                                (folder / "long.list").string() + "' '" + (folder / "long.rsr").string() +
                                "' 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "long.rsr"));
}

} // namespace
