#include "platform/desktop/open_on_desktop.h"
#include "platform/shell/shell_execute.h"
#include "platform/windows_paths.h"
#include "tests/platform/desktop/desktop_test.h"
#include "tests/support/temp_folder.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

// xdg-open is a script of the test's that writes down what it was handed.
class OpenOnDesktop : public kravo::test::DesktopTest {
protected:
    void SetUp() override
    {
        DesktopTest::SetUp();
        folder.writeFile("bin/xdg-open", "#!/bin/sh\necho \"$1\" >> \"" + (folder / "opened.txt").string() + "\"\n");
        std::filesystem::permissions(folder / "bin/xdg-open", std::filesystem::perms::owner_all);
        path_ = std::getenv("PATH");
        setenv("PATH", ((folder / "bin").string() + ":" + path_).c_str(), 1);
        platform::resetShellExecutes();
    }

    void TearDown() override
    {
        setenv("PATH", path_.c_str(), 1);
        platform::resetShellExecutes();
        DesktopTest::TearDown();
    }

    static INT_PTR open(const char* file)
    {
        return reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", file, nullptr, nullptr, SW_SHOWNORMAL));
    }

    // What xdg-open was handed, once it has written it down; it runs on its own, so this waits for it a
    // little, at most 5 s.
    std::string opened() const
    {
        for (int wait = 0; wait < 5000 && !std::filesystem::exists(folder / "opened.txt"); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::error_code error;
        for (int wait = 0; wait < 5000 && std::filesystem::file_size(folder / "opened.txt", error) == 0; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return folder.readFile("opened.txt");
    }

    kravo::test::TempFolder folder;

private:
    std::string path_;
};

TEST_F(OpenOnDesktop, ShellExecuteOpensTheMappedPathWithXdgOpenOnlyOnTheDesktopAndLeavesNoChild)
{
    const std::filesystem::path manual = platform::nativePath("C:\\Kravo\\Manual.pdf");
    const std::filesystem::path notes = platform::nativePath("C:\\Kravo\\Notes.txt");
    std::filesystem::create_directories(manual.parent_path());
    std::ofstream(manual) << "%PDF";
    std::ofstream(notes) << "notes";

    platform::showWindowsOnDesktop(false);
    EXPECT_EQ(open("C:\\Kravo\\Notes.txt"), 42) << "headless the call is only recorded";
    ASSERT_TRUE(platform::showWindowsOnDesktop(true));
    EXPECT_EQ(open("C:\\Kravo\\Missing.pdf"), 2);
    EXPECT_EQ(open("C:\\Kravo\\Manual.pdf"), 42);

    EXPECT_EQ(opened(), manual.string() + "\n");
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD) << "the shell that started xdg-open was waited for";
    EXPECT_EQ(platform::recordedShellExecutes().size(), 3u);
    std::filesystem::remove_all(manual.parent_path());
}

TEST_F(OpenOnDesktop, ARelativePathIsHandedOverAbsoluteSoThatItIsNeverTakenForAnOption)
{
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());

    EXPECT_TRUE(platform::desktop::openOnDesktop("-v"));

    EXPECT_EQ(opened(), (folder / "-v").string() + "\n");
    std::filesystem::current_path(here);
}

} // namespace
