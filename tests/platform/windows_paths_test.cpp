#include "platform/windows_paths.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

class WindowsPaths : public ::testing::Test {
protected:
    void SetUp() override { platform::setDriveRoot(root.path()); }
    void TearDown() override { platform::setDriveRoot({}); }

    kravo::test::TempFolder root;
};

TEST_F(WindowsPaths, DriveLetterPathsMapBelowTheDriveRootInALowerCaseDriveFolder)
{
    EXPECT_EQ(platform::nativePath("C:\\Program Files\\x"), root.path() / "c" / "Program Files" / "x");
    EXPECT_EQ(platform::nativePath("c:\\Kravo\\Samples\\"), root.path() / "c" / "Kravo" / "Samples" / "");
    EXPECT_EQ(platform::nativePath("D:/mixed\\separators"), root.path() / "d" / "mixed" / "separators");
}

TEST_F(WindowsPaths, ADriveAloneOrADriveRelativeNameIsTakenFromThatDrivesRoot)
{
    EXPECT_EQ(platform::nativePath("E:"), root.path() / "e");
    EXPECT_EQ(platform::nativePath("E:\\"), root.path() / "e");
    EXPECT_EQ(platform::nativePath("e:name.txt"), root.path() / "e" / "name.txt");
}

TEST_F(WindowsPaths, ALeadingBackslashMeansTheRootOfDriveC)
{
    EXPECT_EQ(platform::nativePath("\\Kravo\\a.pat"), root.path() / "c" / "Kravo" / "a.pat");
}

TEST_F(WindowsPaths, DotNamesResolveByNameAndNeverClimbAboveTheDrivesRoot)
{
    EXPECT_EQ(platform::nativePath("C:\\Kravo\\.\\Banks\\..\\Presets"), root.path() / "c" / "Kravo" / "Presets");
    EXPECT_EQ(platform::nativePath("C:\\..\\..\\etc\\passwd"), root.path() / "c" / "etc" / "passwd");
    EXPECT_EQ(platform::nativePath("D:\\a\\..\\.."), root.path() / "d");
}

TEST_F(WindowsPaths, LinuxPathsPassThroughAndRelativePathsOnlyChangeSeparators)
{
    EXPECT_EQ(platform::nativePath("/tmp/some\\odd name"), "/tmp/some\\odd name");
    EXPECT_EQ(platform::nativePath("Patterns\\Groove.pat"), "Patterns/Groove.pat");
    EXPECT_EQ(platform::nativePath("plain.txt"), "plain.txt");
}

TEST_F(WindowsPaths, RootFoldersAreTheDriveRootsAndTheLinuxRoot)
{
    EXPECT_TRUE(platform::isRootFolder("C:\\"));
    EXPECT_TRUE(platform::isRootFolder("c:"));
    EXPECT_TRUE(platform::isRootFolder("\\"));
    EXPECT_TRUE(platform::isRootFolder("/"));
    EXPECT_FALSE(platform::isRootFolder("C:\\Kravo\\"));
    EXPECT_FALSE(platform::isRootFolder("/tmp"));
    EXPECT_FALSE(platform::isRootFolder(""));
}

TEST_F(WindowsPaths, FilesOpenedByTheirWindowsPathLiveUnderTheDriveRoot)
{
    std::filesystem::create_directories(root.path() / "c" / "Kravo" / "ECS");
    FILE* out = platform::openFile("C:\\Kravo\\ECS\\Kravo.ecs", "wb");
    ASSERT_NE(out, nullptr);
    std::fputs("0\n", out);
    std::fclose(out);
    EXPECT_EQ(root.readFile("c/Kravo/ECS/Kravo.ecs"), "0\n");

    FILE* in = platform::openFile("c:/Kravo/ECS/Kravo.ecs", "rb");
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(std::fgetc(in), '0');
    std::fclose(in);
}

TEST_F(WindowsPaths, OpeningAMissingFileOrFolderFailsWithoutCreatingIt)
{
    EXPECT_EQ(platform::openFile("C:\\Missing\\file.dpr", "rb"), nullptr);
    EXPECT_EQ(platform::openFile("C:\\Missing\\file.dpr", "wb"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(root.path() / "c" / "Missing"));
    EXPECT_EQ(platform::openFile("", "rb"), nullptr);
    EXPECT_EQ(platform::openFile(nullptr, "rb"), nullptr);
}

TEST_F(WindowsPaths, RemovingAFileByItsWindowsPathDeletesItOnce)
{
    root.writeFile("c/Patterns/zLastDeleted.zzz", "x");
    EXPECT_EQ(platform::removeFile("C:\\Patterns\\zLastDeleted.zzz"), 0);
    EXPECT_FALSE(std::filesystem::exists(root.path() / "c" / "Patterns" / "zLastDeleted.zzz"));
    EXPECT_NE(platform::removeFile("C:\\Patterns\\zLastDeleted.zzz"), 0);
}

TEST(DriveRoot, ComesFromTheEnvironmentWhenNoFolderIsSet)
{
    platform::setDriveRoot({});
    EXPECT_FALSE(platform::driveRoot().empty());
    EXPECT_TRUE(platform::driveRoot().is_absolute());
}

} // namespace
