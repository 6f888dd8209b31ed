#pragma once

// The key-state bits that mouse messages and drags carry: which mouse buttons and modifier keys are down.

#include "platform/win_types.h"

inline constexpr DWORD MK_LBUTTON = 0x01;
inline constexpr DWORD MK_RBUTTON = 0x02;
inline constexpr DWORD MK_MBUTTON = 0x04;
inline constexpr DWORD MK_SHIFT = 0x08;
inline constexpr DWORD MK_CONTROL = 0x10;
