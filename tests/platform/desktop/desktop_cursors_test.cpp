#include "platform/desktop/desktop_cursors.h"
#include "tests/platform/desktop/desktop_test.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using DesktopCursors = kravo::test::DesktopTest;

TEST_F(DesktopCursors, EachSystemCursorShowsAsSdlsCursorOfItsKindAndAnyOtherAsTheArrow)
{
    const std::vector<std::pair<LPCSTR, SDL_SystemCursor>> cursors{{IDC_ARROW, SDL_SYSTEM_CURSOR_ARROW},
        {IDC_WAIT, SDL_SYSTEM_CURSOR_WAIT}, {IDC_SIZEWE, SDL_SYSTEM_CURSOR_SIZEWE},
        {IDC_SIZENS, SDL_SYSTEM_CURSOR_SIZENS}, {IDC_SIZEALL, SDL_SYSTEM_CURSOR_SIZEALL},
        {IDC_SIZENESW, SDL_SYSTEM_CURSOR_SIZENESW}, {IDC_SIZENWSE, SDL_SYSTEM_CURSOR_SIZENWSE},
        {IDC_NO, SDL_SYSTEM_CURSOR_NO}, {IDC_HAND, SDL_SYSTEM_CURSOR_HAND}};
    for (const auto& [name, sdl] : cursors)
        EXPECT_EQ(platform::desktop::systemCursorOf(LoadCursorA(nullptr, name)), sdl);
    EXPECT_EQ(platform::desktop::systemCursorOf(reinterpret_cast<HCURSOR>(std::uintptr_t{0x77})),
        SDL_SYSTEM_CURSOR_ARROW);
}

TEST_F(DesktopCursors, NoCursorHidesThePointerAndAnyCursorShowsItAgain)
{
    SetCursor(nullptr);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    SetCursor(LoadCursorA(nullptr, IDC_HAND));
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

} // namespace
