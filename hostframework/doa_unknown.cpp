#include "hostframework/doa_unknown.h"

namespace DOA {

std::int32_t CUnknown::QueryInterface(const SInterfaceID& id, void** out)
{
    if (id == kUnknownInterfaceID) {
        *out = static_cast<INondelegatingUnknown*>(this);
        AddRef();
        return 0;
    }
    *out = nullptr;
    return kNoSuchInterface;
}

std::int32_t CUnknown::AddRef()
{
    return ++referenceCount;
}

std::int32_t CUnknown::Release()
{
    if (--referenceCount == 0) {
        delete this;
        return 0;
    }
    return referenceCount;
}

} // namespace DOA
