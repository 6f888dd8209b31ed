#include "platform/shell/shell_execute.h"

#include "platform/windows_paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

INT_PTR opened(LPCSTR verb, LPCSTR file)
{
    return reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, verb, file, nullptr, nullptr, SW_SHOWNORMAL));
}

TEST(ShellExecute, OpeningAnswers42ForAnExistingFileAnd2OtherwiseAndEveryCallIsRecorded)
{
    kravo::test::TempFolder drive;
    platform::setDriveRoot(drive.path());
    drive.writeFile("c/Kravo/Kravo Manual.pdf", "%PDF");
    platform::resetShellExecutes();

    HWND owner = reinterpret_cast<HWND>(std::uintptr_t{0x50});
    EXPECT_EQ(reinterpret_cast<INT_PTR>(
                  ShellExecuteA(owner, "open", "C:\\Kravo\\Kravo Manual.pdf", "-x", "C:\\Kravo", SW_SHOWNORMAL)),
              42);
    EXPECT_EQ(opened("open", "C:\\Kravo\\Missing.pdf"), 2);
    EXPECT_EQ(opened(nullptr, "C:\\Kravo\\Kravo Manual.pdf"), 42);
    EXPECT_EQ(opened("OPEN", (drive.path() / "c/Kravo/Kravo Manual.pdf").c_str()), 42);
    EXPECT_EQ(opened("print", "C:\\Kravo\\Kravo Manual.pdf"), 2);
    EXPECT_EQ(opened("open", nullptr), 2);

    const auto calls = platform::recordedShellExecutes();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(std::tuple(calls[0].owner, calls[0].operation, calls[0].file, calls[0].parameters, calls[0].directory,
                         calls[0].showCommand, calls[0].answer),
              std::tuple(owner, "open", "C:\\Kravo\\Kravo Manual.pdf", "-x", "C:\\Kravo", SW_SHOWNORMAL, 42));
    EXPECT_EQ(std::tuple(calls[1].file, calls[1].answer), std::tuple("C:\\Kravo\\Missing.pdf", 2));
    EXPECT_EQ(std::tuple(calls[5].operation, calls[5].file, calls[5].parameters, calls[5].answer),
              std::tuple("open", "", "", 2));

    platform::resetShellExecutes();
    EXPECT_TRUE(platform::recordedShellExecutes().empty());
    platform::setDriveRoot({});
}

} // namespace
