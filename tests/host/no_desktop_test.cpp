#include "platform/shell_command.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The real case of a machine without a display: the windows could only be drawn into memory, where
// nobody sees them, so the editor refuses to be "shown" there instead of running unseen until killed.
TEST(NoDesktop, TheEditorWithoutADisplaySaysSoAndStops)
{
    kravo::test::TempFolder io;
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER KRAVO_REGISTRY=" +
                                (io / "registry.txt").string() + " KRAVO_DRIVE_ROOT=" + (io / "drive").string() +
                                " timeout 60 " + KRAVO_HOST_PATH + " editor 2>" + (io / "err.txt").string();
    const int exitCode = platform::runShellCommand(command);
    EXPECT_NE(exitCode, 0);
    EXPECT_NE(exitCode, 124); // not stopped by the time-out
    EXPECT_NE(io.readFile("err.txt").find("no desktop to show it on"), std::string::npos) << io.readFile("err.txt");
}

} // namespace
