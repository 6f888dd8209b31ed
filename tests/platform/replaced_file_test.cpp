#include "platform/replaced_file.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(ReplacedFile, AChainOfLinksEndsAtItsLastTargetEvenOneNotThereAndALoopIsAnError)
{
    const kravo::test::TempFolder folder;
    fs::create_directory(folder / "sub");
    folder.writeFile("plain.wav", "");
    fs::create_symlink("sub/middle", folder / "first");          // relative to the link's folder
    fs::create_symlink("../missing.wav", folder / "sub" / "middle"); // dangling
    fs::create_symlink("loop-b", folder / "loop-a");
    fs::create_symlink("loop-a", folder / "loop-b");

    std::error_code error;
    EXPECT_EQ(platform::finalLinkTarget(folder / "plain.wav", error), folder / "plain.wav");
    EXPECT_FALSE(error);
    EXPECT_EQ(fs::weakly_canonical(platform::finalLinkTarget(folder / "first", error)), folder / "missing.wav");
    EXPECT_FALSE(error);
    platform::finalLinkTarget(folder / "loop-a", error);
    EXPECT_EQ(error, std::errc::too_many_symbolic_link_levels);
}

TEST(ReplacedFile, TheNewFileTakesTheOldOnesPermissionBitsOrKeepsItsOwnWhenThereWasNone)
{
    const kravo::test::TempFolder folder;
    for (const fs::perms old : {fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
                                fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec}) {
        folder.writeFile("old", "old");
        fs::permissions(folder / "old", old);
        folder.writeFile("new", "new");
        std::error_code error;
        platform::renameKeepingPermissions(folder / "new", folder / "old", error);
        EXPECT_FALSE(error);
        EXPECT_EQ(folder.readFile("old"), "new");
        EXPECT_EQ(fs::status(folder / "old").permissions(), old);
    }
    folder.writeFile("new", "new");
    const fs::perms created = fs::status(folder / "new").permissions();
    std::error_code error;
    platform::renameKeepingPermissions(folder / "new", folder / "fresh", error);
    EXPECT_FALSE(error);
    EXPECT_EQ(fs::status(folder / "fresh").permissions(), created);
}

} // namespace
