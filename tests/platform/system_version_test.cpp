#include "platform/system_version.h"

#include "platform/last_error.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemVersion, AnswersTheNtFamily51OrWhenSwitchedWindows98AndWantsTheRecordsSize)
{
    OSVERSIONINFOA info{};
    EXPECT_EQ(GetVersionExA(&info), FALSE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    info.size = sizeof info;
    ASSERT_EQ(GetVersionExA(&info), TRUE);
    EXPECT_TRUE(info.platformId == 2 && info.majorVersion == 5 && info.minorVersion == 1);
    platform::setSystemFamily(platform::SystemFamily::windows9x);
    GetVersionExA(&info);
    EXPECT_TRUE(info.platformId == 1 && info.majorVersion == 4 && info.minorVersion == 10);
    platform::setSystemFamily(platform::SystemFamily::nt);
}

} // namespace
