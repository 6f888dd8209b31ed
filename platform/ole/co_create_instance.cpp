#include "platform/ole/co_create_instance.h"

#include "platform/ole/ole_initialize.h"
#include "platform/shell/shell_link.h"

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (platform::oleInitializeCount() == 0)
        return CO_E_NOTINITIALIZED;
    if (clsid != CLSID_ShellLink || (context & CLSCTX_INPROC_SERVER) == 0)
        return REGDB_E_CLASSNOTREG;
    if (outer != nullptr)
        return E_INVALIDARG;
    return platform::newShellLink(iid, object);
}
