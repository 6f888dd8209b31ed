#include "toolkit/image_library.h"

#include "platform/module_loading.h"
#include "platform/system_version.h"

namespace Toolkit {

namespace {

constexpr DWORD kWindows9xFamily = 1;
constexpr DWORD kNtFamily = 2;

} // namespace

AlphaBlendFunction alphaBlendEntry = nullptr;
TransparentBltFunction transparentBltEntry = nullptr;
SystemVersion systemVersion{};

HMODULE loadImageLibrary()
{
    alphaBlendEntry = nullptr;
    transparentBltEntry = nullptr;
    HMODULE library = LoadLibraryA("msimg32.dll");
    if (library == nullptr)
        return nullptr;
    alphaBlendEntry = reinterpret_cast<AlphaBlendFunction>(GetProcAddress(library, "AlphaBlend"));
    OSVERSIONINFOA version{};
    version.size = sizeof(version);
    GetVersionExA(&version);
    systemVersion = {version.platformId, version.majorVersion, version.minorVersion};
    if (version.platformId >= kNtFamily)
        transparentBltEntry = reinterpret_cast<TransparentBltFunction>(GetProcAddress(library, "TransparentBlt"));
    return library;
}

bool blendsOnlyFromOrigin()
{
    return systemVersion.platformId == kWindows9xFamily && systemVersion.majorVersion == 4 &&
        systemVersion.minorVersion == 10;
}

} // namespace Toolkit
