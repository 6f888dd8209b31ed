#include "hostframework/plugin_library.h"

#include "hostframework/host_error.h"
#include "hostframework/process_group_interface.h"
#include "hostframework/template_no_ui_group.h"
#include "hostlibs/engine/host_engine.h"
#include "hostlibs/extension/host_extension.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"

#include <utility>
#include <vector>

CProcessGroupInterface* gProcessGroup = nullptr;

namespace {

constexpr std::int32_t kInterfaceVersion = 73;
constexpr const char* kResFileSuffix = ".rsr";

// Module-wide state. The load hook may run before other units' statics are built, so all of it is
// constant-initialised or built on first use.
constinit HINSTANCE gModuleHandle = nullptr;
constinit std::int32_t gUseCount = 0;
constinit bool gOpenedSuccessfully = false;
constinit bool gOpenedByWinPlugInOpen = false;
// A failed first open is reported again by every open until the count is back at 0.
constinit std::int16_t gOpenFailure = 0;
constinit SetPlugInOpenAndCloseProcsFunction gRegisterOpenAndClose = nullptr;

struct ModulePaths {
    std::string module;
    std::string resFile;
};

ModulePaths& modulePaths()
{
    static ModulePaths paths;
    return paths;
}

std::string moduleFileName()
{
    std::vector<char> path(256);
    for (;;) {
        const DWORD length = GetModuleFileNameA(gModuleHandle, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size())
            return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

void reverseBytes(unsigned char* field, std::size_t size)
{
    for (std::size_t i = 0; i < size / 2; ++i)
        std::swap(field[i], field[size - 1 - i]);
}

std::int16_t lowWord(std::int32_t result)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(result & 0xFFFF));
}

} // namespace

BOOL DllMain(HINSTANCE instance, DWORD reason, void* /*reserved*/)
{
    try {
        if (reason == kProcessAttach) {
            gModuleHandle = instance;
            gRegisterOpenAndClose = reinterpret_cast<SetPlugInOpenAndCloseProcsFunction>(
                GetProcAddress(GetModuleHandleA("HOSTENGINE.DLL"), "SetPlugInOpenAndCloseProcs"));
            if (gRegisterOpenAndClose != nullptr) {
                gRegisterOpenAndClose(&OpenPlugInLibrary, &ClosePlugInLibrary);
                return TRUE;
            }
            return OpenPlugInLibrary() == 0 ? TRUE : FALSE;
        }
        if (reason == kProcessDetach && gRegisterOpenAndClose == nullptr)
            ClosePlugInLibrary();
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

std::int16_t OpenPlugInLibrary()
{
    if (++gUseCount != 1)
        return gOpenFailure;
    ModulePaths& paths = modulePaths();
    paths.module = moduleFileName();
    paths.resFile = paths.module + kResFileSuffix;
    OpenPlugInResFile();
    const std::int16_t result = lowWord(NewPlugIn(0));
    gOpenedSuccessfully = result == 0;
    gOpenFailure = result;
    if (result != 0) {
        DeletePlugInGroup();
        ClosePlugInResFile();
    }
    return result;
}

std::int16_t ClosePlugInLibrary()
{
    // More closes than opens are ignored.
    if (gUseCount <= 0)
        return 0;
    if (gUseCount-- != 1)
        return 0;
    gOpenFailure = 0;
    if (gOpenedSuccessfully) {
        DeletePlugInGroup();
        ClosePlugInResFile();
        gOpenedSuccessfully = false;
    }
    return 0;
}

bool IsOpenedByWinPlugInOpen()
{
    return gOpenedByWinPlugInOpen;
}

void OpenPlugInResFile()
{
    HostExtOpenResourceFile(modulePaths().resFile.c_str(), &FlipResourceByteOrder);
}

void ClosePlugInResFile()
{
    HostExtReleaseResourceFile(modulePaths().resFile.c_str());
}

void DeletePlugInGroup()
{
    if (gProcessGroup != nullptr) {
        delete gProcessGroup;
        gProcessGroup = nullptr;
    }
}

HINSTANCE GetPlugInModuleHandle()
{
    return gModuleHandle;
}

const std::string& GetPlugInModulePath()
{
    return modulePaths().module;
}

const std::string& GetPlugInResFilePath()
{
    return modulePaths().resFile;
}

std::int32_t FlipResourceByteOrder(std::intptr_t /*context*/, std::uint32_t type, std::int32_t /*index*/, void* data)
{
    auto* bytes = static_cast<unsigned char*>(data);
    if (bytes == nullptr)
        return 0;
    if (type == FourCharCode("thng")) {
        for (const std::size_t offset : {0, 4, 8, 12, 16})
            reverseBytes(bytes + offset, 4);
        for (const std::size_t record : {20, 26, 32, 38}) {
            reverseBytes(bytes + record, 4);
            reverseBytes(bytes + record + 4, 2);
        }
        return 1;
    }
    if (type == FourCharCode("cfrg")) {
        reverseBytes(bytes + 32, 4);
        return 1;
    }
    return 0;
}

extern "C" std::int32_t WinPlugInOpen(std::int32_t version)
{
    gOpenedByWinPlugInOpen = false;
    if (version != kInterfaceVersion)
        return -1;
    gOpenedByWinPlugInOpen = true;
    return OpenPlugInLibrary();
}

extern "C" std::int32_t WinPlugInClose()
{
    return ClosePlugInLibrary();
}

extern "C" std::int32_t NewPlugIn(std::int32_t /*reserved*/)
{
    try {
        // A group made earlier by a direct call is replaced, not leaked.
        DeletePlugInGroup();
        gProcessGroup = CreateTemplateNoUIGroup();
        if (gProcessGroup == nullptr)
            return kHostErrNoGroup;
        gProcessGroup->Initialize();
        return 0;
    } catch (const CHostError& error) {
        return lowWord(error.GetCode());
    } catch (...) {
        return lowWord(kHostErrUnexpected);
    }
}
