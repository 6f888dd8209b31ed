#include "platform/file_dialogs.h"

#include "platform/windows_paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

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

    // Fills the record the way the plug-in's dialog helpers do.
    OPENFILENAMEA dialog(const char* title, DWORD flags, const char* initialName = "")
    {
        std::strcpy(path, initialName);
        OPENFILENAMEA fields;
        fields.lStructSize = sizeof fields;
        fields.lpstrFilter = kEcsFilter;
        fields.nFilterIndex = 1;
        fields.lpstrFile = path;
        fields.nMaxFile = 255;
        fields.lpstrInitialDir = "C:\\Kravo\\ECS";
        fields.lpstrTitle = title;
        fields.Flags = flags;
        fields.lpstrDefExt = "ecs";
        return fields;
    }

    kravo::test::TempFolder root;
    char path[256] = {};
};

TEST_F(FileDialogs, WithoutAnAnswerBothDialogsAreCancelledAndLeaveTheBufferAlone)
{
    auto open = dialog("ECS Loader", kOpenFlags);
    EXPECT_EQ(GetOpenFileNameA(&open), FALSE);
    auto save = dialog("ECS Save", kSaveFlags, "Kravo.ecs");
    EXPECT_EQ(GetSaveFileNameA(&save), FALSE);
    EXPECT_STREQ(path, "Kravo.ecs");
}

TEST_F(FileDialogs, AScriptedOpenAnswerIsHandedBackAsTheChosenPath)
{
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\mine.ecs");
    auto open = dialog("ECS Loader", kOpenFlags);
    ASSERT_EQ(GetOpenFileNameA(&open), TRUE);
    EXPECT_STREQ(path, "C:\\Kravo\\ECS\\mine.ecs");
}

TEST_F(FileDialogs, AnEmptyAnswerCancelsThatOneDialog)
{
    platform::scriptOpenFileAnswer("");
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\b.ecs");
    auto first = dialog("ECS Loader", kOpenFlags);
    EXPECT_EQ(GetOpenFileNameA(&first), FALSE);
    auto second = dialog("ECS Loader", kOpenFlags);
    EXPECT_EQ(GetOpenFileNameA(&second), TRUE);
    EXPECT_STREQ(path, "C:\\Kravo\\ECS\\b.ecs");
}

TEST_F(FileDialogs, OpenAndSaveAnswersAreQueuedSeparately)
{
    platform::scriptSaveFileAnswer("C:\\Kravo\\ECS\\saved.ecs");
    auto open = dialog("ECS Loader", kOpenFlags);
    EXPECT_EQ(GetOpenFileNameA(&open), FALSE);
    auto save = dialog("ECS Save", kSaveFlags);
    EXPECT_EQ(GetSaveFileNameA(&save), TRUE);
    EXPECT_STREQ(path, "C:\\Kravo\\ECS\\saved.ecs");
}

TEST_F(FileDialogs, TheSaveDialogAppendsTheDefaultExtensionToANameWithoutOne)
{
    platform::scriptSaveFileAnswer("C:\\Kravo\\ECS\\mymap");
    platform::scriptSaveFileAnswer("C:\\Kravo\\ECS\\mymap.txt");
    auto save = dialog("ECS Save", kSaveFlags);
    ASSERT_EQ(GetSaveFileNameA(&save), TRUE);
    EXPECT_STREQ(path, "C:\\Kravo\\ECS\\mymap.ecs");
    ASSERT_EQ(GetSaveFileNameA(&save), TRUE);
    EXPECT_STREQ(path, "C:\\Kravo\\ECS\\mymap.txt");
}

TEST_F(FileDialogs, TheOpenDialogKeepsANameWithoutExtensionAsItIs)
{
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\noext");
    auto open = dialog("ECS Loader", kOpenFlags);
    ASSERT_EQ(GetOpenFileNameA(&open), TRUE);
    EXPECT_STREQ(path, "C:\\Kravo\\ECS\\noext");
}

TEST_F(FileDialogs, ABareNameIsTakenInTheInitialFolder)
{
    platform::scriptSaveFileAnswer("Kravo");
    auto save = dialog("ECS Save", kSaveFlags);
    ASSERT_EQ(GetSaveFileNameA(&save), TRUE);
    EXPECT_STREQ(path, "C:\\Kravo\\ECS\\Kravo.ecs");
}

TEST_F(FileDialogs, AnAnswerInAFolderThatDoesNotExistCancelsWhenThePathMustExist)
{
    platform::scriptSaveFileAnswer("C:\\Nowhere\\x.ecs");
    auto save = dialog("ECS Save", kSaveFlags);
    EXPECT_EQ(GetSaveFileNameA(&save), FALSE);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(platform::recordedFileDialogs().back().result, "");
}

TEST_F(FileDialogs, AMissingFileCancelsOnlyWhenTheFileMustExist)
{
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\absent.ecs");
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\absent.ecs");
    auto mustExist = dialog("ECS Loader", kOpenFlags | OFN_FILEMUSTEXIST);
    EXPECT_EQ(GetOpenFileNameA(&mustExist), FALSE);
    auto mayBeMissing = dialog("ECS Loader", kOpenFlags);
    EXPECT_EQ(GetOpenFileNameA(&mayBeMissing), TRUE);
}

TEST_F(FileDialogs, AnAnswerLongerThanTheBufferCancelsWithoutOverflowingIt)
{
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\" + std::string(300, 'a') + ".ecs");
    auto open = dialog("ECS Loader", 0);
    EXPECT_EQ(GetOpenFileNameA(&open), FALSE);
    EXPECT_STREQ(path, "");
}

TEST_F(FileDialogs, EveryCallIsRecordedAsTheCallerFilledIt)
{
    platform::scriptSaveFileAnswer("C:\\Kravo\\ECS\\x");
    auto open = dialog("ECS Loader", kOpenFlags, "!");
    GetOpenFileNameA(&open);
    auto save = dialog("ECS Save", kSaveFlags, "Kravo.ecs");
    GetSaveFileNameA(&save);

    const auto calls = platform::recordedFileDialogs();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, platform::FileDialogKind::open);
    EXPECT_EQ(calls[0].title, "ECS Loader");
    EXPECT_EQ(calls[0].initialFolder, "C:\\Kravo\\ECS");
    EXPECT_EQ(calls[0].initialFile, "!");
    EXPECT_EQ(calls[0].filter, (std::vector<std::string>{"*.ecs", "*.ecs"}));
    EXPECT_EQ(calls[0].defaultExtension, "ecs");
    EXPECT_EQ(calls[0].flags, kOpenFlags);
    EXPECT_EQ(calls[0].result, "");
    EXPECT_EQ(calls[1].kind, platform::FileDialogKind::save);
    EXPECT_EQ(calls[1].initialFile, "Kravo.ecs");
    EXPECT_EQ(calls[1].flags, kSaveFlags);
    EXPECT_EQ(calls[1].result, "C:\\Kravo\\ECS\\x.ecs");
}

TEST_F(FileDialogs, ResettingForgetsAnswersAndRecords)
{
    platform::scriptOpenFileAnswer("C:\\Kravo\\ECS\\a.ecs");
    platform::resetFileDialogs();
    auto open = dialog("ECS Loader", kOpenFlags);
    EXPECT_EQ(GetOpenFileNameA(&open), FALSE);
    platform::resetFileDialogs();
    EXPECT_TRUE(platform::recordedFileDialogs().empty());
}

} // namespace
