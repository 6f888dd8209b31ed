#include "plugin/settings/user_dialogs.h"

#include "plugin/settings/path_text.h"
#include "tests/plugin/support/user_files_fixture.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using kravo::kPathBufferSize;
using Filter = std::vector<std::string>;

class UserDialogs : public kravo::test::UserFilesTest {
protected:
    void openEcs(const char* initialFile = "!")
    {
        kravo::openFileDialog("ECS Loader", "C:\\Kravo\\ECS", "ECS", "*.ecs", initialFile, outFolder, outPath);
    }
    void saveEcs(const char* suggestedName = "Kravo.ecs")
    {
        kravo::saveFileDialog("ECS Save", "C:\\Kravo\\ECS", "ECS", suggestedName, outFolder, outPath);
    }

    char outFolder[kPathBufferSize] = "", outPath[kPathBufferSize] = "stale";
};

TEST_F(UserDialogs, AskUserIsAnOwnerlessBoxWithEmptyCaptionSecondButtonDefaultAndOneOnlyForYes)
{
    EXPECT_EQ(kravo::askUser("Problem with ECS File", 0), 2);
    const auto box = platform::recordedMessageBoxes().at(0);
    EXPECT_EQ(std::tuple(box.text, box.caption, box.type),
              std::tuple("Problem with ECS File", "", MB_OK | MB_DEFBUTTON2));
    platform::scriptMessageBoxAnswers("yes,no");
    EXPECT_EQ(kravo::askUser("Sure?", MB_YESNO), 1);
    EXPECT_EQ(kravo::askUser("Sure?", MB_YESNO), 2);
}

// A bare name is chosen in the initial folder.
TEST_F(UserDialogs, TheDialogsAreFilledFromTheirArgumentsAndAnswerPathAndFolderOrEmptyWhenCancelledOrTooLong)
{
    writeFile("C:\\Kravo\\ECS\\mine.ecs", "");
    platform::scriptOpenFileAnswer("mine.ecs");
    openEcs();
    EXPECT_EQ(std::tuple(std::string(outPath), std::string(outFolder)),
              std::tuple("C:\\Kravo\\ECS\\mine.ecs", "C:\\Kravo\\ECS\\"));
    openEcs("Funk.ecs"); // cancelled, as are the saves
    EXPECT_STREQ(outPath, "");
    saveEcs();
    saveEcs("*.pat");

    const auto fields = [dialogs = platform::recordedFileDialogs()](std::size_t i) {
        const auto& d = dialogs.at(i);
        return std::tuple(d.kind, d.title, d.initialFolder, d.initialFile, d.filter, d.defaultExtension, d.flags);
    };
    using platform::FileDialogKind;
    constexpr DWORD kOpen = OFN_EXPLORER | OFN_PATHMUSTEXIST;
    constexpr DWORD kSave = kOpen | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    const Filter ecs{"*.ecs", "*.ecs"};
    const std::string folder = "C:\\Kravo\\ECS";
    EXPECT_EQ(fields(0), std::tuple(FileDialogKind::open, "ECS Loader", folder, "", ecs, "ecs", kOpen));
    EXPECT_EQ(std::get<3>(fields(1)), "Funk.ecs");
    EXPECT_EQ(fields(2), std::tuple(FileDialogKind::save, "ECS Save", folder, "Kravo.ecs", ecs, "ecs", kSave));
    EXPECT_EQ(fields(3), std::tuple(FileDialogKind::save, "ECS Save", folder, "", Filter(2, "*.pat"), "pat", kSave));

    platform::scriptSaveFileAnswer("a-rather-long-name.ecs");
    char keptFolder[kPathBufferSize] = "C:\\previous\\", shortPath[16] = "stale";
    kravo::saveFileDialog("ECS Save", "C:\\Kravo\\ECS", "ECS", "Kravo.ecs", keptFolder, shortPath);
    EXPECT_EQ(std::tuple(std::string(shortPath), std::string(keptFolder)), std::tuple("", "C:\\previous\\"));
}

} // namespace
