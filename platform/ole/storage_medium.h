#pragma once

// The medium that data is handed over in. Only global memory is offered.

#include "platform/ole/com_base.h"

inline constexpr DWORD TYMED_NULL = 0;
inline constexpr DWORD TYMED_HGLOBAL = 0x1;

struct STGMEDIUM {
    DWORD tymed;
    HGLOBAL hGlobal;
    // When set, releasing the medium is its job: it is released instead of the memory being freed.
    IUnknown* pUnkForRelease;
};

// Gives the medium back (through its release object, or by freeing its memory) and empties it.
void ReleaseStgMedium(STGMEDIUM* medium);
