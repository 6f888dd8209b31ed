#pragma once

// The system's colours: a fixed table in the classic grey scheme, and a stock brush of each.

#include "platform/window/window_types.h"

inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNFACE = 20;
// The background and text of edit controls.
inline constexpr int COLOR_WINDOW = 21;
inline constexpr int COLOR_WINDOWTEXT = 22;

// 0 for an index it does not know.
DWORD GetSysColor(int index);
// The same brush at every call; DeleteObject leaves it alone. Null for an index it does not know.
HBRUSH GetSysColorBrush(int index);
