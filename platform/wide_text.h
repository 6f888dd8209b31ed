#pragma once

// Conversion between the ANSI text of the platform's calls and wide (UTF-16) text. The ANSI code page is
// UTF-8, so every name converts without loss.

#include "platform/win_types.h"

#include <string>

inline constexpr UINT CP_ACP = 0;

// Converts byteCount bytes (-1: up to and including the terminating zero) into at most wideCount
// characters and answers how many were written; with wideCount 0, how many would be. A malformed byte
// becomes U+FFFD. 0 with ERROR_INVALID_PARAMETER for another code page, flags other than 0 or no
// text, and with ERROR_INSUFFICIENT_BUFFER when the buffer is too short (nothing is written past it).
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int byteCount, LPWSTR wide, int wideCount);

namespace platform {

// The UTF-8 form of zero-terminated wide text; an unpaired surrogate becomes U+FFFD.
std::string narrowText(LPCWSTR wide);

} // namespace platform
