#pragma once

// The plain Windows-shaped types and values that the plug-in's platform calls use.
// Handles are pointer-sized, each kind its own opaque pointer type so that they cannot be mixed up.

#include <cstddef>
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using BOOL = int;
using CHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using ULONG_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using SIZE_T = std::size_t;

// Wide text is UTF-16, as the platform's wide calls take it.
using WCHAR = char16_t;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;

using HANDLE = void*;
using HGLOBAL = void*;
using HWND = struct PlatformWindow*;
using HMODULE = struct PlatformModule*;
using HINSTANCE = HMODULE;
using HRSRC = struct PlatformResource*;
using HKEY = struct PlatformRegistryKey*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Longest path, in bytes with the terminating zero, that fixed path buffers hold.
inline constexpr DWORD MAX_PATH = 260;

#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(~std::uintptr_t{0}))
