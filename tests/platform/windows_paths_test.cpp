#include "platform/windows_paths.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(WindowsPaths, MapBelowTheDriveRootWithoutClimbingAboveADriveAndOpeningMakesNoMissingFolder)
{
    kravo::test::TempFolder root;
    platform::setDriveRoot(root.path());
    const std::filesystem::path r = root.path();
    const std::pair<const char*, std::filesystem::path> cases[] = {
        {"C:\\Program Files\\x", r / "c" / "Program Files" / "x"}, {"E:", r / "e"}, {"E:\\", r / "e"},
        {"c:\\Kravo\\Samples\\", r / "c" / "Kravo" / "Samples" / ""}, {"e:name.txt", r / "e" / "name.txt"},
        {"D:/mixed\\separators", r / "d" / "mixed" / "separators"}, {"\\Kravo\\a.pat", r / "c" / "Kravo" / "a.pat"},
        {"C:\\Kravo\\.\\Banks\\..\\Presets", r / "c" / "Kravo" / "Presets"}, {"D:\\a\\..\\..", r / "d"},
        {"C:\\..\\..\\etc\\passwd", r / "c" / "etc" / "passwd"}, {"/tmp/some\\odd name", "/tmp/some\\odd name"},
        {"Patterns\\Groove.pat", "Patterns/Groove.pat"}, {"plain.txt", "plain.txt"}};
    for (const auto& [windows, native] : cases)
        EXPECT_EQ(platform::nativePath(windows), native) << windows;

    root.writeFile("c/Kravo/ECS/Kravo.ecs", "0\n");
    EXPECT_EQ(platform::removeFile("c:/Kravo/ECS/Kravo.ecs"), 0);
    EXPECT_NE(platform::removeFile("C:\\Kravo\\ECS\\Kravo.ecs"), 0);

    EXPECT_EQ(platform::openFile("C:\\Missing\\file.dpr", "wb"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(r / "c" / "Missing"));
    EXPECT_EQ(platform::openFile("", "rb"), nullptr);
    EXPECT_EQ(platform::openFile(nullptr, "rb"), nullptr);
    platform::setDriveRoot({});
}

} // namespace
