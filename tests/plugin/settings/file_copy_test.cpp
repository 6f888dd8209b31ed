#include "plugin/settings/file_copy.h"

#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class FileCopy : public kravo::test::UserFilesTest {};

TEST_F(FileCopy, CopiesEveryByteAndReplacesTheTarget)
{
    std::string content(70000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7 + (i >> 8));
    content += "\r\n\x1a tail";
    writeFile("C:\\Kravo\\a.pat", content);
    writeFile("C:\\Kravo\\b.pat", std::string(100000, 'x'));

    EXPECT_TRUE(kravo::copyFileStream("C:\\Kravo\\a.pat", "C:\\Kravo\\b.pat"));
    EXPECT_EQ(readFile("C:\\Kravo\\b.pat"), content);
}

TEST_F(FileCopy, AMissingSourceFailsAndLeavesTheTargetAlone)
{
    writeFile("C:\\Kravo\\b.pat", "keep");
    EXPECT_FALSE(kravo::copyFileStream("C:\\Kravo\\missing.pat", "C:\\Kravo\\b.pat"));
    EXPECT_EQ(readFile("C:\\Kravo\\b.pat"), "keep");
}

TEST_F(FileCopy, ATargetThatCannotBeWrittenFails)
{
    writeFile("C:\\Kravo\\a.pat", "data");
    EXPECT_FALSE(kravo::copyFileStream("C:\\Kravo\\a.pat", "C:\\Kravo\\no such folder\\b.pat"));
}

TEST_F(FileCopy, CopyingAFileOntoItselfKeepsIt)
{
    writeFile("C:\\Kravo\\a.pat", "data");
    EXPECT_TRUE(kravo::copyFileStream("C:\\Kravo\\a.pat", "C:/Kravo/./a.pat"));
    EXPECT_EQ(readFile("C:\\Kravo\\a.pat"), "data");
}

} // namespace
