#pragma once

// The system's blending functions, which the frame finds in "msimg32.dll" when it is made, and the
// system's version, which decides how bitmaps use them. Either function may be missing; bitmaps then
// draw without it.

#include "platform/gdi/image_library.h"
#include "platform/win_types.h"

namespace Toolkit {

struct SystemVersion {
    DWORD platformId = 0;
    DWORD majorVersion = 0;
    DWORD minorVersion = 0;
};

extern AlphaBlendFunction alphaBlendEntry;
// Looked up only on the NT family.
extern TransparentBltFunction transparentBltEntry;
extern SystemVersion systemVersion;

// Clears both entry points, loads the library and, when it loads, fills them and the version. Answers
// the library, for the caller to free.
HMODULE loadImageLibrary();
// Windows 98 blends only from a bitmap's origin.
bool blendsOnlyFromOrigin();

} // namespace Toolkit
