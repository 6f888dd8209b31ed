#pragma once

// The version block of a module file, as the version library reads it. The plug-in's own module
// carries the project's version and legal notice, compiled in; other files have no block.

#include "platform/win_types.h"

// The fixed part of a block: the file version as two 32-bit words, most significant first, each
// holding two 16-bit numbers (high half first).
struct VersionFixedInfo {
    DWORD fileVersionMost;
    DWORD fileVersionLeast;
    DWORD reserved[11];
};
static_assert(sizeof(VersionFixedInfo) == 52);

// The block's size, 0 without one; `handle` is set to 0.
DWORD GetFileVersionInfoSizeA(LPCSTR path, DWORD* handle);
BOOL GetFileVersionInfoA(LPCSTR path, DWORD handle, DWORD size, void* data);
// "\\" the fixed part; "\\VarFileInfo\\Translation" pairs of 16-bit language and code page;
// "\\Text\\LLLLCCCC\\LegalNotice" the legal notice of language LLLL and code page CCCC (hex), a text.
BOOL VerQueryValueA(const void* block, LPCSTR subBlock, void** value, UINT* length);
