#include "platform/system_version.h"

#include "platform/last_error.h"

#include <atomic>

namespace {

std::atomic<platform::SystemFamily> family{platform::SystemFamily::nt};

} // namespace

BOOL GetVersionExA(OSVERSIONINFOA* info)
{
    if (info == nullptr || info->size != sizeof(OSVERSIONINFOA)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const bool nt = family.load() == platform::SystemFamily::nt;
    info->platformId = nt ? 2 : 1;
    info->majorVersion = nt ? 5 : 4;
    info->minorVersion = nt ? 1 : 10;
    return TRUE;
}

namespace platform {

void setSystemFamily(SystemFamily chosen)
{
    family.store(chosen);
}

} // namespace platform
