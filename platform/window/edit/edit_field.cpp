#include "platform/window/edit/edit_field.h"

#include "platform/window/window_lifetime.h"

#include <map>
#include <memory>

namespace platform::window {

namespace {

std::map<HWND, std::unique_ptr<EditField>>& fields()
{
    static std::map<HWND, std::unique_ptr<EditField>> held;
    return held;
}

void forgetEndingWindow(HWND window)
{
    fields().erase(window);
}

} // namespace

EditField& editFieldOf(HWND window)
{
    std::unique_ptr<EditField>& field = fields()[window];
    if (!field) {
        addWindowEndHook(&forgetEndingWindow);
        field = std::make_unique<EditField>();
    }
    return *field;
}

} // namespace platform::window
