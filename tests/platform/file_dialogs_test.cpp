#include "platform/file_dialogs.h"

#include "platform/windows_paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kOpenFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST;
constexpr char kEcsFilter[] = "*.ecs\0*.ecs\0";
const std::string kCancelled = "cancelled "; // and nothing in the buffer

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setDriveRoot(root.path());
        platform::resetFileDialogs();
        std::filesystem::create_directories(root.path() / "c" / "Kravo" / "ECS");
    }
    void TearDown() override { platform::setDriveRoot({}); }

    // Runs a dialog filled as the plug-in's helpers fill it; answers its path, after "cancelled " if none was chosen.
    std::string open(DWORD flags = kOpenFlags) { return run(false, flags); }
    std::string save() { return run(true, kOpenFlags | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY); }
    std::string run(bool saving, DWORD flags)
    {
        path[0] = '\0';
        OPENFILENAMEA fields{.lStructSize = sizeof(OPENFILENAMEA), .lpstrFilter = kEcsFilter, .nFilterIndex = 1,
                             .lpstrFile = path, .nMaxFile = 255, .lpstrInitialDir = "C:\\Kravo\\ECS",
                             .lpstrTitle = saving ? "ECS Save" : "ECS Loader", .Flags = flags, .lpstrDefExt = "ecs"};
        const bool chosen = (saving ? GetSaveFileNameA(&fields) : GetOpenFileNameA(&fields)) == TRUE;
        return (chosen ? "" : "cancelled ") + std::string(path);
    }

    char path[256] = {};
    kravo::test::TempFolder root;
};

TEST_F(FileDialogs, AnswersAreQueuedPerKindAnEmptyOneCancelsAndCallsAreRecordedUntilAResetForgetsBoth)
{
    EXPECT_EQ(open(), kCancelled);
    platform::scriptOpenFileAnswer("");
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\b.ecs");
    platform::scriptSaveFileAnswer("C:\\Kravo\\ECS\\saved.ecs");
    EXPECT_EQ(open(), kCancelled);
    EXPECT_EQ(open(), "C:\\Kravo\\ECS\\b.ecs");
    EXPECT_EQ(open(), kCancelled);
    EXPECT_EQ(save(), "C:\\Kravo\\ECS\\saved.ecs");
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\a.ecs");
    platform::resetFileDialogs();
    EXPECT_TRUE(platform::recordedFileDialogs().empty());
    EXPECT_EQ(open(), kCancelled);
}

TEST_F(FileDialogs, OnlyTheSaveDialogAddsTheDefaultExtensionABareNameIsTakenInTheInitialFolderAndUnfitAnswersCancel)
{
    for (const char* answer : {"C:\\Kravo\\ECS\\mymap", "C:\\Kravo\\ECS\\mymap.txt", "Kravo"})
        platform::scriptSaveFileAnswer(answer);
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\noext");
    for (const char* chosen : {"C:\\Kravo\\ECS\\mymap.ecs", "C:\\Kravo\\ECS\\mymap.txt", "C:\\Kravo\\ECS\\Kravo.ecs"})
        EXPECT_EQ(save(), chosen);
    EXPECT_EQ(open(), "C:\\Kravo\\ECS\\noext");

    platform::scriptSaveFileAnswer("C:\\Nowhere\\x.ecs");
    EXPECT_EQ(save(), kCancelled);
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\absent.ecs");
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\absent.ecs");
    EXPECT_EQ(open(kOpenFlags | OFN_FILEMUSTEXIST), kCancelled);
    EXPECT_EQ(open(), "C:\\Kravo\\ECS\\absent.ecs");
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\" + std::string(300, 'a') + ".ecs");
    EXPECT_EQ(open(0), kCancelled);
}

} // namespace
