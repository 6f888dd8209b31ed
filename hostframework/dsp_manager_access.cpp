#include "hostframework/dsp_manager_access.h"

#include "platform/module_loading.h"

namespace {

using GetDSPManagerFunction = IDSPManagerUnknown* (*)();

IDSPManager*& keptManager()
{
    static IDSPManager* manager = nullptr;
    return manager;
}

} // namespace

// The manager lives as long as the host, so the interface is kept without a reference of its own.
IDSPManager* GetDSPManagerInterface()
{
    IDSPManager*& kept = keptManager();
    if (kept != nullptr)
        return kept;
    static HMODULE library = LoadLibraryA("DSPManager.dll");
    const auto getManager = reinterpret_cast<GetDSPManagerFunction>(GetProcAddress(library, "GetDSPManager"));
    IDSPManagerUnknown* unknown = getManager != nullptr ? getManager() : nullptr;
    if (unknown == nullptr)
        return nullptr;
    void* found = nullptr;
    if (unknown->QueryInterface(kDSPManagerInterfaceID, &found) == 0 && found != nullptr) {
        kept = static_cast<IDSPManager*>(found);
        kept->Release();
    }
    unknown->Release();
    return kept;
}

void ForgetDSPManagerInterface()
{
    keptManager() = nullptr;
}
