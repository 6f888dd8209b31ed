#include "plugin/settings/user_dialogs.h"

#include "plugin/settings/path_text.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using kravo::kPathBufferSize;

class UserDialogs : public kravo::test::UserFilesTest {
protected:
    void SetUp() override
    {
        UserFilesTest::SetUp();
        makeFolder("C:\\Kravo\\ECS");
    }

    char outFolder[kPathBufferSize] = "C:\\previous\\";
    char outPath[kPathBufferSize] = "stale";
};

TEST_F(UserDialogs, AskUserIsAnOwnerlessBoxWithEmptyCaptionAndSecondButtonDefault)
{
    EXPECT_EQ(kravo::askUser("Problem with ECS File", 0), 2);
    const auto boxes = platform::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Problem with ECS File");
    EXPECT_EQ(boxes[0].caption, "");
    EXPECT_EQ(boxes[0].type, MB_OK | MB_DEFBUTTON2);
}

TEST_F(UserDialogs, AskUserAnswersOneOnlyForYes)
{
    platform::scriptMessageBoxAnswers("yes,no");
    EXPECT_EQ(kravo::askUser("Sure?", MB_YESNO), 1);
    EXPECT_EQ(kravo::askUser("Sure?", MB_YESNO), 2);
}

TEST_F(UserDialogs, OpenDialogFiltersByThePatternAndDefaultsToItsExtension)
{
    writeFile("C:\\Kravo\\ECS\\mine.ecs", "");
    platform::scriptOpenFileAnswer("mine.ecs");
    kravo::openFileDialog("ECS Loader", "C:\\Kravo\\ECS", "ECS", "*.ecs", "!", outFolder, outPath);

    EXPECT_STREQ(outPath, "C:\\Kravo\\ECS\\mine.ecs");
    EXPECT_STREQ(outFolder, "C:\\Kravo\\ECS\\");
    const auto dialogs = platform::recordedFileDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, platform::FileDialogKind::open);
    EXPECT_EQ(dialogs[0].title, "ECS Loader");
    EXPECT_EQ(dialogs[0].initialFolder, "C:\\Kravo\\ECS");
    EXPECT_EQ(dialogs[0].initialFile, "");
    EXPECT_EQ(dialogs[0].filter, (std::vector<std::string>{"*.ecs", "*.ecs"}));
    EXPECT_EQ(dialogs[0].defaultExtension, "ecs");
    EXPECT_EQ(dialogs[0].flags, OFN_EXPLORER | OFN_PATHMUSTEXIST);
}

TEST_F(UserDialogs, OpenDialogPreselectsAGivenFileName)
{
    kravo::openFileDialog("Pattern Loader", "C:\\Kravo", "Pattern", "*.pat", "Funk.pat", outFolder, outPath);
    EXPECT_EQ(platform::recordedFileDialogs().at(0).initialFile, "Funk.pat");
}

TEST_F(UserDialogs, SaveDialogSuggestsTheNameAndAddsItsExtensionToABareName)
{
    platform::scriptSaveFileAnswer("MyMap");
    kravo::saveFileDialog("ECS Save", "C:\\Kravo\\ECS", "ECS", "Kravo.ecs", outFolder, outPath);

    EXPECT_STREQ(outPath, "C:\\Kravo\\ECS\\MyMap.ecs");
    EXPECT_STREQ(outFolder, "C:\\Kravo\\ECS\\");
    const auto dialogs = platform::recordedFileDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, platform::FileDialogKind::save);
    EXPECT_EQ(dialogs[0].title, "ECS Save");
    EXPECT_EQ(dialogs[0].initialFile, "Kravo.ecs");
    EXPECT_EQ(dialogs[0].filter, (std::vector<std::string>{"*.ecs", "*.ecs"}));
    EXPECT_EQ(dialogs[0].defaultExtension, "ecs");
    EXPECT_EQ(dialogs[0].flags, OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY);
}

TEST_F(UserDialogs, SaveDialogWithAPatternLeavesTheNameFieldEmpty)
{
    kravo::saveFileDialog("Pattern Save", "C:\\Kravo", "Pattern", "*.pat", outFolder, outPath);
    const auto dialogs = platform::recordedFileDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].initialFile, "");
    EXPECT_EQ(dialogs[0].filter, (std::vector<std::string>{"*.pat", "*.pat"}));
    EXPECT_EQ(dialogs[0].defaultExtension, "pat");
}

TEST_F(UserDialogs, CancellingEmptiesThePathAndKeepsTheFolder)
{
    platform::scriptOpenFileAnswer("");
    kravo::openFileDialog("ECS Loader", "C:\\Kravo\\ECS", "ECS", "*.ecs", "!", outFolder, outPath);
    EXPECT_STREQ(outPath, "");
    EXPECT_STREQ(outFolder, "C:\\previous\\");

    std::strcpy(outPath, "stale");
    platform::scriptSaveFileAnswer("");
    kravo::saveFileDialog("ECS Save", "C:\\Kravo\\ECS", "ECS", "Kravo.ecs", outFolder, outPath);
    EXPECT_STREQ(outPath, "");
    EXPECT_STREQ(outFolder, "C:\\previous\\");
}

TEST_F(UserDialogs, APathTooLongForTheCallersBufferCountsAsCancelled)
{
    platform::scriptSaveFileAnswer("a-rather-long-name.ecs");
    char shortPath[16] = "stale";
    kravo::saveFileDialog("ECS Save", "C:\\Kravo\\ECS", "ECS", "Kravo.ecs", outFolder, shortPath);
    EXPECT_STREQ(shortPath, "");
    EXPECT_STREQ(outFolder, "C:\\previous\\");
}

} // namespace
