#include "platform/desktop/desktop_cursors.h"

#include "platform/window/cursors.h"

#include <SDL.h>

#include <utility>

namespace platform::desktop {

static_assert(SDL_NUM_SYSTEM_CURSORS == 12, "DesktopCursors keeps one made cursor per SDL system cursor");

int systemCursorOf(HCURSOR cursor)
{
    static const std::array<std::pair<LPCSTR, SDL_SystemCursor>, 9> kCursors{{
        {IDC_ARROW, SDL_SYSTEM_CURSOR_ARROW},
        {IDC_WAIT, SDL_SYSTEM_CURSOR_WAIT},
        {IDC_SIZEWE, SDL_SYSTEM_CURSOR_SIZEWE},
        {IDC_SIZENS, SDL_SYSTEM_CURSOR_SIZENS},
        {IDC_SIZEALL, SDL_SYSTEM_CURSOR_SIZEALL},
        {IDC_SIZENESW, SDL_SYSTEM_CURSOR_SIZENESW},
        {IDC_SIZENWSE, SDL_SYSTEM_CURSOR_SIZENWSE},
        {IDC_NO, SDL_SYSTEM_CURSOR_NO},
        {IDC_HAND, SDL_SYSTEM_CURSOR_HAND},
    }};
    for (const auto& [name, sdl] : kCursors)
        if (LoadCursorA(nullptr, name) == cursor)
            return sdl;
    return SDL_SYSTEM_CURSOR_ARROW;
}

DesktopCursors::~DesktopCursors()
{
    for (SDL_Cursor* cursor : made_)
        if (cursor != nullptr)
            SDL_FreeCursor(cursor);
}

void DesktopCursors::show(HCURSOR cursor)
{
    // WM_SETCURSOR sets the cursor before every mouse message: only a change reaches the desktop.
    if (shown_ == cursor)
        return;
    shown_ = cursor;
    if (cursor == nullptr) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_ShowCursor(SDL_ENABLE);
    const auto kind = static_cast<SDL_SystemCursor>(systemCursorOf(cursor));
    SDL_Cursor*& made = made_[static_cast<std::size_t>(kind)];
    if (made == nullptr)
        made = SDL_CreateSystemCursor(kind);
    if (made != nullptr)
        SDL_SetCursor(made);
}

} // namespace platform::desktop
