#include "hostlibs/engine/host_engine.h"
#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/module_loading.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

std::int32_t seven()
{
    return 7;
}

TEST(ModuleLoading, HostLibrariesAreFoundByTheirWindowsNamesWhileLoaded)
{
    // The program links both stand-ins; a name is only a name until they are used.
    SetPlugInOpenAndCloseProcs(nullptr, nullptr);
    hostext::forgetResourceFileEvents();
    HMODULE engine = GetModuleHandleA("HostEngine.dll");
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(GetModuleHandleA("HOSTENGINE.DLL"), engine);
    EXPECT_EQ(GetModuleHandleA("DSPMANAGER.DLL"), nullptr); // not loaded
    EXPECT_EQ(GetModuleHandleA("other.dll"), nullptr);

    EXPECT_NE(GetProcAddress(engine, "SetPlugInOpenAndCloseProcs"), nullptr);
    EXPECT_EQ(GetProcAddress(engine, "_SetPlugInOpenAndCloseProcs@8"), GetProcAddress(engine, "SetPlugInOpenAndCloseProcs"));
    EXPECT_EQ(GetProcAddress(engine, "NoSuchFunction"), nullptr);
    hostengine::withhold("SetPlugInOpenAndCloseProcs");
    EXPECT_EQ(GetProcAddress(engine, "SetPlugInOpenAndCloseProcs"), nullptr);
    hostengine::offerEverything();
    EXPECT_NE(GetProcAddress(engine, "SetPlugInOpenAndCloseProcs"), nullptr);

    char path[4096] = {};
    EXPECT_NE(std::string(path, GetModuleFileNameA(engine, path, sizeof path)).find("libkravo_hostengine.so"),
              std::string::npos);
    HMODULE extension = LoadLibraryA("hostext.dll");
    ASSERT_NE(extension, nullptr);
    EXPECT_EQ(FreeLibrary(extension), TRUE);
}

TEST(ModuleLoading, BuiltInModulesAndTheOwnModulesPath)
{
    static const std::array<platform::BuiltInFunction, 1> functions{{{"Seven", reinterpret_cast<ProcAddress>(&seven)}}};
    platform::addBuiltInModule("SEVEN.DLL", functions);
    HMODULE module = LoadLibraryA("seven.dll");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(GetModuleHandleA("Seven.DLL"), module);
    const auto function = reinterpret_cast<std::int32_t (*)()>(GetProcAddress(module, "_Seven@0"));
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(function(), 7);

    char path[16] = {};
    platform::setModulePath("/opt/some/long/place/kravo.so");
    EXPECT_EQ(GetModuleFileNameA(GetModuleHandleA(nullptr), path, sizeof path), 16u); // cut
    EXPECT_EQ(std::string(path), "/opt/some/long/");
    platform::setModulePath("");
    EXPECT_GT(GetModuleFileNameA(GetModuleHandleA(nullptr), path, sizeof path), 0u);
}

} // namespace
