#pragma once

// How a window is to be shown, for the calls that show one.

#include "platform/win_types.h"

inline constexpr INT SW_SHOWNORMAL = 1;
