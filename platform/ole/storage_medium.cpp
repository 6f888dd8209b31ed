#include "platform/ole/storage_medium.h"

#include "platform/global_memory.h"

void ReleaseStgMedium(STGMEDIUM* medium)
{
    if (medium == nullptr)
        return;
    if (medium->pUnkForRelease != nullptr)
        medium->pUnkForRelease->Release();
    else if (medium->tymed == TYMED_HGLOBAL)
        GlobalFree(medium->hGlobal);
    *medium = STGMEDIUM{.tymed = TYMED_NULL, .hGlobal = nullptr, .pUnkForRelease = nullptr};
}
