#pragma once

// How a window is to be shown, for ShowWindow and the calls that open something in a window.

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 2;
