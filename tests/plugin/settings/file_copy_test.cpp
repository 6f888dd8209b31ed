#include "plugin/settings/file_copy.h"

#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

namespace {

class FileCopy : public kravo::test::UserFilesTest {};

TEST_F(FileCopy, CopiesEveryByteOverALongerTargetAndOntoItselfButFailsWithoutSourceOrTargetFolder)
{
    std::string content(70000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7 + (i >> 8));
    writeFile("C:\\Kravo\\a.pat", content);
    writeFile("C:\\Kravo\\b.pat", std::string(100000, 'x'));
    EXPECT_TRUE(kravo::copyFileStream("C:\\Kravo\\a.pat", "C:\\Kravo\\b.pat"));
    EXPECT_TRUE(kravo::copyFileStream("C:\\Kravo\\a.pat", "C:/Kravo/./a.pat"));
    EXPECT_FALSE(kravo::copyFileStream("C:\\Kravo\\missing.pat", "C:\\Kravo\\b.pat"));
    EXPECT_FALSE(kravo::copyFileStream("C:\\Kravo\\b.pat", "C:\\Kravo\\no such folder\\b.pat"));
    EXPECT_TRUE(readFile("C:\\Kravo\\a.pat") == content && readFile("C:\\Kravo\\b.pat") == content);
}

} // namespace
