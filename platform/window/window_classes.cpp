#include "platform/window/window_classes.h"

#include "platform/last_error.h"
#include "platform/window/edit/edit_control.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_table.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string_view>
#include <vector>

using platform::window::WindowClass;

namespace {

struct ClassRegistry {
    static constexpr ATOM kEditAtom = 0x8001;
    static constexpr ATOM kFirstAtom = 0xC000;

    // Found by every program without registering it, and never unregistered.
    WindowClass edit{.name = platform::window::kEditClassName,
        .atom = kEditAtom,
        .proc = &platform::window::editWindowProcedure};
    std::vector<std::unique_ptr<WindowClass>> classes;
    ATOM nextAtom = kFirstAtom;
};

ClassRegistry& registry()
{
    static ClassRegistry classes;
    return classes;
}

bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

namespace platform::window {

WindowClass* findClass(LPCSTR name)
{
    if (name == nullptr)
        return nullptr;
    ClassRegistry& classes = registry();
    if (sameName(classes.edit.name, name))
        return &classes.edit;
    for (const auto& windowClass : classes.classes)
        if (sameName(windowClass->name, name))
            return windowClass.get();
    return nullptr;
}

void forgetAllClasses()
{
    registry() = ClassRegistry{};
}

} // namespace platform::window

ATOM RegisterClassA(const WNDCLASSA* description)
{
    platform::window::checkThread();
    if (description == nullptr || description->className == nullptr || description->className[0] == '\0' ||
        description->windowProc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (platform::window::findClass(description->className) != nullptr) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    ClassRegistry& classes = registry();
    auto windowClass = std::make_unique<WindowClass>(WindowClass{.name = description->className,
        .atom = classes.nextAtom++,
        .style = description->style,
        .proc = description->windowProc,
        .cursor = description->cursor,
        .background = description->background});
    const ATOM atom = windowClass->atom;
    classes.classes.push_back(std::move(windowClass));
    return atom;
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE)
{
    platform::window::checkThread();
    WindowClass* windowClass = platform::window::findClass(className);
    if (windowClass == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (windowClass == &registry().edit) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (windowClass->windows > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    std::erase_if(registry().classes, [windowClass](const auto& held) { return held.get() == windowClass; });
    return TRUE;
}

int GetClassNameA(HWND handle, LPSTR buffer, int size)
{
    platform::window::checkThread();
    const platform::window::Window* window = platform::window::find(handle);
    return window != nullptr ? platform::window::copyText(window->windowClass->name, buffer, size) : 0;
}
