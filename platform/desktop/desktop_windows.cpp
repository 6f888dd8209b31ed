#include "platform/desktop/desktop_windows.h"

#include "platform/clock.h"
#include "platform/window/window_layout.h"
#include "platform/window/window_styles.h"
#include "platform/window/window_table.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace platform::desktop {

namespace {

bool shownWithPixels(const platform::window::Window& window)
{
    return (window.style & WS_VISIBLE) != 0 && window.width() > 0 && window.height() > 0;
}

// Titles are ISO 8859-1, as all text of the program; SDL takes UTF-8.
std::string utf8Of(const std::string& latin1)
{
    std::string utf8;
    for (const char byte : latin1) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            utf8 += byte;
            continue;
        }
        utf8 += static_cast<char>(0xC0 | (code >> 6));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
    return utf8;
}

} // namespace

void showPixels(SDL_Window* window, const std::uint32_t* pixels, int width, int height)
{
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr || SDL_LockSurface(surface) != 0)
        return;
    // The top byte of a pixel is not colour: the format without alpha leaves it out.
    SDL_ConvertPixels(std::min(width, surface->w), std::min(height, surface->h), SDL_PIXELFORMAT_RGB888, pixels,
        width * static_cast<int>(sizeof(std::uint32_t)), surface->format->format, surface->pixels, surface->pitch);
    SDL_UnlockSurface(surface);
    SDL_UpdateWindowSurface(window);
}

DesktopWindows::~DesktopWindows()
{
    for (const auto& [handle, shown] : shown_)
        SDL_DestroyWindow(shown.sdl);
}

void DesktopWindows::follow()
{
    std::vector<HWND> wanted;
    for (HWND handle : platform::window::topLevelWindows()) {
        const platform::window::Window* window = platform::window::lookUp(handle);
        if (window != nullptr && shownWithPixels(*window))
            wanted.push_back(handle);
    }
    std::erase_if(shown_, [&wanted](const auto& entry) {
        const bool gone = std::find(wanted.begin(), wanted.end(), entry.first) == wanted.end();
        if (gone)
            SDL_DestroyWindow(entry.second.sdl);
        return gone;
    });
    // The bottom of the z-order first, so that windows opened together stack as theirs do.
    for (auto handle = wanted.rbegin(); handle != wanted.rend(); ++handle) {
        const auto found = shown_.find(*handle);
        if (found == shown_.end()) {
            open(*handle);
            continue;
        }
        const platform::window::Window& window = *platform::window::lookUp(*handle);
        Shown& shown = found->second;
        if (shown.title != window.text) {
            SDL_SetWindowTitle(shown.sdl, utf8Of(window.text).c_str());
            shown.title = window.text;
        }
        if (shown.rect.left != window.rect.left || shown.rect.top != window.rect.top)
            SDL_SetWindowPosition(shown.sdl, window.rect.left, window.rect.top);
        const bool resized = shown.rect.right - shown.rect.left != window.width() ||
            shown.rect.bottom - shown.rect.top != window.height();
        shown.rect = window.rect;
        if (resized) {
            SDL_SetWindowSize(shown.sdl, window.width(), window.height());
            present(*handle);
        }
    }
}

void DesktopWindows::present(HWND topLevel)
{
    const auto found = shown_.find(topLevel);
    const platform::window::Window* window = platform::window::lookUp(topLevel);
    if (found == shown_.end() || window == nullptr)
        return;
    found->second.drawn = false;
    found->second.presentedAt = GetTickCount();
    showPixels(found->second.sdl, window->pixels.data(), window->width(), window->height());
}

void DesktopWindows::drawnOn(HWND topLevel)
{
    if (const auto found = shown_.find(topLevel); found != shown_.end())
        found->second.drawn = true;
}

void DesktopWindows::presentDue()
{
    const DWORD now = GetTickCount();
    for (const auto& [handle, shown] : shown_)
        if (shown.drawn && now - shown.presentedAt >= kPresentInterval)
            present(handle);
}

void DesktopWindows::presentDrawn()
{
    for (const auto& [handle, shown] : shown_)
        if (shown.drawn)
            present(handle);
}

HWND DesktopWindows::windowOf(std::uint32_t sdlId) const
{
    for (const auto& [handle, shown] : shown_)
        if (shown.id == sdlId)
            return handle;
    return nullptr;
}

SDL_Window* DesktopWindows::sdlWindowOf(HWND topLevel) const
{
    const auto found = shown_.find(topLevel);
    return found != shown_.end() ? found->second.sdl : nullptr;
}

void DesktopWindows::moved(std::uint32_t sdlId, int x, int y)
{
    const HWND handle = windowOf(sdlId);
    if (handle == nullptr)
        return;
    // Known first, so that following the window does not move the SDL window back where it is.
    RECT& rect = shown_[handle].rect;
    rect = {x, y, x + rect.right - rect.left, y + rect.bottom - rect.top};
    SetWindowPos(handle, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void DesktopWindows::open(HWND handle)
{
    const platform::window::Window& window = *platform::window::lookUp(handle);
    SDL_Window* sdl = SDL_CreateWindow(utf8Of(window.text).c_str(), window.rect.left, window.rect.top,
        window.width(), window.height(), SDL_WINDOW_SHOWN);
    if (sdl == nullptr) {
        std::fprintf(stderr, "kravo: a window could not be shown on the desktop: %s\n", SDL_GetError());
        return;
    }
    shown_[handle] = {.sdl = sdl, .id = SDL_GetWindowID(sdl), .rect = window.rect, .title = window.text};
    present(handle);
}

} // namespace platform::desktop
