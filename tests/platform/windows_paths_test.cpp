#include "platform/windows_paths.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class WindowsPaths : public ::testing::Test {
protected:
    void SetUp() override { platform::setDriveRoot(root.path()); }
    void TearDown() override { platform::setDriveRoot({}); }

    kravo::test::TempFolder root;
};

TEST_F(WindowsPaths, MapBelowTheDriveRootWithoutClimbingAboveADriveAndOpeningMakesNoMissingFolder)
{
    const std::filesystem::path r = root.path();
    const std::pair<const char*, std::filesystem::path> cases[] = {
        {"C:\\Program Files\\x", r / "c" / "Program Files" / "x"},
        {"c:\\Kravo\\Samples\\", r / "c" / "Kravo" / "Samples" / ""},
        {"D:/mixed\\separators", r / "d" / "mixed" / "separators"},
        {"E:", r / "e"},
        {"E:\\", r / "e"},
        {"e:name.txt", r / "e" / "name.txt"},
        {"\\Kravo\\a.pat", r / "c" / "Kravo" / "a.pat"},
        {"C:\\Kravo\\.\\Banks\\..\\Presets", r / "c" / "Kravo" / "Presets"},
        {"C:\\..\\..\\etc\\passwd", r / "c" / "etc" / "passwd"},
        {"D:\\a\\..\\..", r / "d"},
        {"/tmp/some\\odd name", "/tmp/some\\odd name"},
        {"Patterns\\Groove.pat", "Patterns/Groove.pat"},
        {"plain.txt", "plain.txt"},
    };
    for (const auto& [windows, native] : cases)
        EXPECT_EQ(platform::nativePath(windows), native) << windows;

    root.writeFile("c/Kravo/ECS/Kravo.ecs", "0\n");
    EXPECT_EQ(platform::removeFile("c:/Kravo/ECS/Kravo.ecs"), 0);
    EXPECT_NE(platform::removeFile("C:\\Kravo\\ECS\\Kravo.ecs"), 0);
    EXPECT_EQ(platform::openFile("C:\\Kravo\\ECS\\Kravo.ecs", "rb"), nullptr);

    EXPECT_EQ(platform::openFile("C:\\Missing\\file.dpr", "wb"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(root.path() / "c" / "Missing"));
    EXPECT_EQ(platform::openFile("", "rb"), nullptr);
    EXPECT_EQ(platform::openFile(nullptr, "rb"), nullptr);
}

} // namespace
