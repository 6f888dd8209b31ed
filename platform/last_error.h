#pragma once

// The calling thread's last error, and the error codes the platform's calls answer or set.

#include "platform/win_types.h"

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_WRITE_FAULT = 29;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_INSUFFICIENT_BUFFER = 1200;
// RegisterClassA: a class of that name is registered already.
inline constexpr LONG ERROR_CLASS_ALREADY_EXISTS = 1410;
inline constexpr LONG ERROR_INVALID_WINDOW_HANDLE = 1420;
inline constexpr LONG ERROR_CLASS_DOES_NOT_EXIST = 1421;
// UnregisterClassA: windows of the class still exist.
inline constexpr LONG ERROR_CLASS_HAS_WINDOWS = 1422;
inline constexpr LONG ERROR_INVALID_MENU_HANDLE = 1430;

DWORD GetLastError();
void SetLastError(DWORD error);
