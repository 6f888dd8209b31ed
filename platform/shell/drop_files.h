#pragma once

// Dropped files: a DROPFILES block in global memory, the header followed by the names, each
// zero-terminated, and an empty name closing the list. DragQueryFileA reads such a block and never
// reads outside it, however the block is made: a list that starts outside the block or inside its
// header holds no files, and a name without its terminating zero before the block ends is not one.

#include "platform/win_types.h"

#include <string>
#include <vector>

using HDROP = struct PlatformDrop*;

struct DROPFILES {
    // From the start of the block to the first name.
    DWORD filesOffset;
};

// With index 0xFFFFFFFF, the number of files. Otherwise, for the file at index: without a buffer, the
// length of its name; with one, the name copied, cut to size - 1 characters and zero-terminated, and the
// number of characters copied. 0 for an index past the last file or a handle that is not a block.
UINT DragQueryFileA(HDROP drop, UINT index, LPSTR file, UINT size);

namespace platform {

// A new block listing the names, in global memory that the caller frees.
HGLOBAL newDropFiles(const std::vector<std::string>& files);

} // namespace platform
