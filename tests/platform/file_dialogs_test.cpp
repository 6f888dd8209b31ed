#include "platform/file_dialogs.h"

#include "platform/windows_paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

constexpr DWORD kOpenFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST;
constexpr DWORD kSaveFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
constexpr char kEcsFilter[] = "*.ecs\0*.ecs\0";

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setDriveRoot(root.path());
        platform::resetFileDialogs();
        std::filesystem::create_directories(root.path() / "c" / "Kravo" / "ECS");
    }
    void TearDown() override
    {
        platform::resetFileDialogs();
        platform::setDriveRoot({});
    }

    // Runs a dialog filled the way the plug-in's dialog helpers fill it; answers whether a file was chosen.
    bool open(DWORD flags = kOpenFlags, const char* initialName = "") { return run(false, flags, initialName); }
    bool save(DWORD flags = kSaveFlags, const char* initialName = "") { return run(true, flags, initialName); }

    char path[256] = {};

private:
    bool run(bool saving, DWORD flags, const char* initialName)
    {
        std::strcpy(path, initialName);
        OPENFILENAMEA fields{.lStructSize = sizeof(OPENFILENAMEA), .lpstrFilter = kEcsFilter, .nFilterIndex = 1,
                             .lpstrFile = path, .nMaxFile = 255, .lpstrInitialDir = "C:\\Kravo\\ECS",
                             .lpstrTitle = saving ? "ECS Save" : "ECS Loader", .Flags = flags, .lpstrDefExt = "ecs"};
        return (saving ? GetSaveFileNameA(&fields) : GetOpenFileNameA(&fields)) == TRUE;
    }

    kravo::test::TempFolder root;
};

TEST_F(FileDialogs, AnswersAreQueuedPerKindAnEmptyOneCancelsAndCallsAreRecordedUntilAResetForgetsBoth)
{
    EXPECT_FALSE(open());
    EXPECT_FALSE(save(kSaveFlags, "Kravo.ecs"));
    EXPECT_STREQ(path, "Kravo.ecs");

    platform::scriptOpenFileAnswer("");
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\b.ecs");
    platform::scriptSaveFileAnswer("C:\\Kravo\\ECS\\saved.ecs");
    EXPECT_FALSE(open());
    ASSERT_TRUE(open());
    EXPECT_STREQ(path, "C:\\Kravo\\ECS\\b.ecs");
    EXPECT_FALSE(open());
    ASSERT_TRUE(save());
    EXPECT_STREQ(path, "C:\\Kravo\\ECS\\saved.ecs");

    platform::scriptSaveFileAnswer("C:\\Kravo\\ECS\\x");
    save(kSaveFlags, "Kravo.ecs");
    const auto call = platform::recordedFileDialogs().back();
    EXPECT_EQ(std::tuple(call.initialFile, call.result), std::tuple("Kravo.ecs", "C:\\Kravo\\ECS\\x.ecs"));
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\a.ecs");
    platform::resetFileDialogs();
    EXPECT_TRUE(platform::recordedFileDialogs().empty());
    EXPECT_FALSE(open());
}

TEST_F(FileDialogs, OnlyTheSaveDialogAddsTheDefaultExtensionABareNameIsTakenInTheInitialFolderAndUnfitAnswersCancel)
{
    for (const char* answer : {"C:\\Kravo\\ECS\\mymap", "C:\\Kravo\\ECS\\mymap.txt", "Kravo"})
        platform::scriptSaveFileAnswer(answer);
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\noext");
    for (const char* chosen : {"C:\\Kravo\\ECS\\mymap.ecs", "C:\\Kravo\\ECS\\mymap.txt", "C:\\Kravo\\ECS\\Kravo.ecs"}) {
        ASSERT_TRUE(save());
        EXPECT_STREQ(path, chosen);
    }
    ASSERT_TRUE(open());
    EXPECT_STREQ(path, "C:\\Kravo\\ECS\\noext");

    platform::scriptSaveFileAnswer("C:\\Nowhere\\x.ecs");
    EXPECT_FALSE(save());
    EXPECT_STREQ(path, "");
    EXPECT_EQ(platform::recordedFileDialogs().back().result, "");

    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\absent.ecs");
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\absent.ecs");
    EXPECT_FALSE(open(kOpenFlags | OFN_FILEMUSTEXIST));
    EXPECT_TRUE(open());

    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\" + std::string(300, 'a') + ".ecs");
    EXPECT_FALSE(open(0));
    EXPECT_STREQ(path, "");
}

} // namespace
