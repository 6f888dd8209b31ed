#include "platform/ole/ole_initialize.h"

namespace {

thread_local int initialisations = 0;

} // namespace

HRESULT OleInitialize(void* reserved)
{
    if (reserved != nullptr)
        return E_INVALIDARG;
    return ++initialisations == 1 ? S_OK : S_FALSE;
}

void OleUninitialize()
{
    if (initialisations > 0)
        --initialisations;
}

namespace platform {

int oleInitializeCount()
{
    return initialisations;
}

} // namespace platform
