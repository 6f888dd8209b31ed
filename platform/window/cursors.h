#pragma once

// The system's cursors and its application icon, named by resource id (MAKEINTRESOURCEA), and the
// cursor in force. Headless there is no pointer to show: SetCursor only keeps the cursor for GetCursor;
// on the desktop the pointer shows it too (platform/desktop/desktop_cursors.h).

#include "platform/module_resources.h"
#include "platform/window/window_types.h"

inline const LPCSTR IDC_ARROW = MAKEINTRESOURCEA(32512);
inline const LPCSTR IDC_WAIT = MAKEINTRESOURCEA(32513);
// Sizing: west-east, north-south, all four ways, north-east/south-west, north-west/south-east.
inline const LPCSTR IDC_SIZEWE = MAKEINTRESOURCEA(32514);
inline const LPCSTR IDC_SIZENS = MAKEINTRESOURCEA(32515);
inline const LPCSTR IDC_SIZEALL = MAKEINTRESOURCEA(32516);
inline const LPCSTR IDC_SIZENESW = MAKEINTRESOURCEA(32517);
inline const LPCSTR IDC_SIZENWSE = MAKEINTRESOURCEA(32518);
// Not allowed.
inline const LPCSTR IDC_NO = MAKEINTRESOURCEA(32519);
inline const LPCSTR IDC_HAND = MAKEINTRESOURCEA(32520);

inline const LPCSTR IDI_APPLICATION = MAKEINTRESOURCEA(32512);

// The system cursor of that id (no module); one handle per cursor, the same at every call. Modules have
// no cursors: null with ERROR_INVALID_PARAMETER.
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
// Answers the cursor in force before; the arrow until the first call.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The application icon (no module); other names fail as for cursors.
HICON LoadIconA(HINSTANCE instance, LPCSTR name);

namespace platform::window {

void forgetCursor();

} // namespace platform::window
