#include "platform/last_error.h"
#include "tests/support/window_test.h"

#include <gtest/gtest.h>

namespace {

using WindowClasses = kravo::test::WindowTest;

TEST_F(WindowClasses, ANameIsRegisteredOnceWhateverItsCaseAndFreedByUnregistering)
{
    const ATOM atom = registerRecordingClass(CS_GLOBALCLASS, nullptr, "Plugin1234");
    EXPECT_NE(atom, 0);
    EXPECT_EQ(registerRecordingClass(0, nullptr, "PLUGIN1234"), 0);
    EXPECT_EQ(GetLastError(), 1410u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    EXPECT_TRUE(UnregisterClassA("plugin1234", nullptr));
    EXPECT_FALSE(UnregisterClassA("plugin1234", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
    EXPECT_NE(registerRecordingClass(0, nullptr, "Plugin1234"), 0);
}

TEST_F(WindowClasses, AClassStaysWhileItHasWindowsAndAWindowNeedsARegisteredClass)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 10, 10});
    EXPECT_FALSE(UnregisterClassA(kRecordingClass, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassA(kRecordingClass, nullptr));
    EXPECT_EQ(makeWindow(nullptr, {0, 0, 10, 10}), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
}

TEST_F(WindowClasses, AClassNeedsANameAndAProcedure)
{
    WNDCLASSA description{};
    description.className = "Nameless";
    EXPECT_EQ(RegisterClassA(&description), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(RegisterClassA(nullptr), 0);
}

} // namespace
