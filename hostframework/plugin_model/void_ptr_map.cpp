#include "hostframework/plugin_model/void_ptr_map.h"

#include "hostframework/host_error.h"
#include "hostframework/host_services.h"

#include <cinttypes>
#include <new>

std::uintptr_t CVoidPtrMap::Find(std::uintptr_t key) const
{
    const auto found = entries.find(key);
    return found != entries.end() ? found->second : 0;
}

void CVoidPtrMap::Set(std::uintptr_t key, std::uintptr_t value)
{
    try {
        entries[key] = value;
    } catch (const std::bad_alloc&) {
        throw CHostError(kHostErrContainerFailure);
    }
}

void CVoidPtrMap::Dump() const
{
    if (entries.empty())
        return;
    // Addresses show all their hex digits; keys and values are handles and pointers, signed in decimal.
    constexpr int kAddressDigits = 2 * sizeof(std::uintptr_t);
    DebugPrintf("Dumping CVoidPtrMap  0x%0*" PRIXPTR "\n", kAddressDigits, reinterpret_cast<std::uintptr_t>(this));
    for (const auto& [key, value] : entries) {
        DebugPrintf(" item:  key: %" PRIdPTR " (0x%" PRIxPTR ")  value: %" PRIdPTR " (0x%" PRIxPTR ")\n",
                    static_cast<std::intptr_t>(key), key, static_cast<std::intptr_t>(value), value);
    }
}
