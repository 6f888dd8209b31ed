#pragma once

// Window classes: registered by name for the whole process until unregistered, besides the predefined
// class "EDIT" (platform/window/edit/edit_control.h). Names are matched without regard to case, as class
// names are.

#include "platform/window/window_types.h"

#include <string>

// Keeps the style, the window procedure, the cursor and the background brush; the extra bytes, module,
// icon and menu are not used. 0 with ERROR_CLASS_ALREADY_EXISTS when the name is taken, with
// ERROR_INVALID_PARAMETER without a name or window procedure.
ATOM RegisterClassA(const WNDCLASSA* windowClass);
// Fails with ERROR_CLASS_DOES_NOT_EXIST, ERROR_ACCESS_DENIED for a predefined class, or
// ERROR_CLASS_HAS_WINDOWS while windows of the class exist.
// The module is not compared: names are unique in the process.
BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance);
// Copies the window's class name, cut to fit the buffer with its terminating zero; answers the number
// of characters copied.
int GetClassNameA(HWND window, LPSTR buffer, int size);

namespace platform::window {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    int windows = 0;
};

// The class of that name, or null.
WindowClass* findClass(LPCSTR name);
void forgetAllClasses();

} // namespace platform::window
