#include "platform/desktop/desktop_drops.h"

#include "platform/desktop/desktop_windows.h"
#include "platform/input/mouse_key_state.h"
#include "platform/ole/drop_data_object.h"
#include "platform/ole/simulated_drag.h"
#include "platform/window/input_state.h"
#include "platform/window/window_layout.h"

#include <SDL.h>

#include <utility>

namespace platform::desktop {

void DesktopDrops::begin()
{
    collecting_.emplace();
}

void DesktopDrops::file(std::string path, std::uint32_t sdlId)
{
    if (collecting_)
        collecting_->push_back(std::move(path));
    else
        drop({std::move(path)}, sdlId);
}

void DesktopDrops::complete(std::uint32_t sdlId)
{
    if (!collecting_)
        return;
    std::vector<std::string> files = std::move(*collecting_);
    collecting_.reset();
    if (!files.empty())
        drop(std::move(files), sdlId);
}

void DesktopDrops::drop(std::vector<std::string> files, std::uint32_t sdlId)
{
    const POINT point = dropPoint(sdlId);
    const POINTL at{point.x, point.y};
    DropDataObject* data = DropDataObject::forFiles(std::move(files));
    simulateDrag(data, DROPEFFECT_COPY | DROPEFFECT_MOVE, {{at, MK_LBUTTON}, {at, MK_LBUTTON}});
    data->Release();
}

POINT DesktopDrops::dropPoint(std::uint32_t sdlId) const
{
    const POINT pointer = window::inputState().cursor;
    RECT rect{};
    const HWND target = windows_.windowOf(sdlId);
    if (target == nullptr || !GetWindowRect(target, &rect) ||
        (pointer.x >= rect.left && pointer.x < rect.right && pointer.y >= rect.top && pointer.y < rect.bottom))
        return pointer;
    // The drag held the pointer, so its last place in our windows may be stale: the desktop knows where
    // the files were let go.
    int x = 0;
    int y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    return {x, y};
}

} // namespace platform::desktop
