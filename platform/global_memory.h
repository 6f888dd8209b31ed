#pragma once

// Global memory blocks, handed between programs by handle (the data of a drag travels in them). A handle
// is a number that counts up and is never given out twice, so a stale or foreign handle (one already
// freed, a pointer from GlobalLock, a handle of another kind) is recognised and refused with
// ERROR_INVALID_HANDLE rather than followed. Every block starts zeroed and never moves while it lives.

#include "platform/win_types.h"

inline constexpr UINT GMEM_MOVEABLE = 0x1;
inline constexpr UINT GMEM_ZEROINIT = 0x2;

// Null (ERROR_INVALID_PARAMETER) for flags other than the two above.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// The block's first byte; the block stays locked until as many GlobalUnlock calls.
void* GlobalLock(HGLOBAL memory);
// TRUE while the block is still locked afterwards; FALSE when this call unlocked it (last error
// ERROR_SUCCESS), for a block that was not locked, and for a bad handle.
BOOL GlobalUnlock(HGLOBAL memory);
// 0 for a bad handle (and for an empty block, with ERROR_SUCCESS).
SIZE_T GlobalSize(HGLOBAL memory);
// Null once freed (a locked block too) or for a null handle; a bad handle is given back.
HGLOBAL GlobalFree(HGLOBAL memory);

namespace platform {

// The blocks allocated and not yet freed, so that tests can insist nothing leaks.
int globalBlockCount();

} // namespace platform
