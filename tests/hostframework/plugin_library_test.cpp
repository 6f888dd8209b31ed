#include "hostframework/plugin_library.h"
#include "hostframework/routine_table.h"
#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/module_resources.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

class PluginLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setModulePath("/plugins/Kravo.dll");
        hostengine::offerEverything();
        hostengine::forgetOpenAndCloseProcs();
        hostext::forgetResourceFileEvents();
    }
    void TearDown() override
    {
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        hostengine::offerEverything();
        hostengine::forgetOpenAndCloseProcs();
        platform::setModulePath("");
    }
    static std::vector<std::string> resourceFileEvents()
    {
        std::vector<std::string> events;
        for (const auto& event : hostext::resourceFileEvents())
            events.push_back((event.open ? "open " : "release ") + event.path);
        return events;
    }
};

TEST_F(PluginLibrary, OpensOnlyVersion73AndTheLastCloseDestroysTheGroup)
{
    EXPECT_EQ(WinPlugInOpen(73), 0);
    EXPECT_TRUE(IsOpenedByWinPlugInOpen());
    EXPECT_EQ(WinPlugInOpen(72), -1);
    EXPECT_FALSE(IsOpenedByWinPlugInOpen());
    ASSERT_NE(gProcessGroup, nullptr);
    EXPECT_EQ(GetPlugInResFilePath(), "/plugins/Kravo.dll.rsr");

    EXPECT_EQ(WinPlugInClose(), 0);
    EXPECT_EQ(gProcessGroup, nullptr);
    EXPECT_EQ(resourceFileEvents(),
              (std::vector<std::string>{"open /plugins/Kravo.dll.rsr", "release /plugins/Kravo.dll.rsr"}));

    EXPECT_EQ(WinPlugInOpen(73), 0);
    EXPECT_EQ(WinPlugInOpen(73), 0);
    EXPECT_EQ(WinPlugInClose(), 0);
    EXPECT_NE(gProcessGroup, nullptr);
    EXPECT_EQ(WinPlugInClose(), 0);
    EXPECT_EQ(gProcessGroup, nullptr);
    EXPECT_EQ(WinPlugInClose(), 0); // beyond the opens: ignored
    EXPECT_EQ(WinPlugInOpen(73), 0);
    EXPECT_NE(gProcessGroup, nullptr);
}

TEST_F(PluginLibrary, AttachHandsTheHostItsProceduresOrOpensAtOnce)
{
    EXPECT_EQ(DllMain(platform::pluginModule(), kProcessAttach, nullptr), TRUE);
    EXPECT_EQ(gProcessGroup, nullptr);
    ASSERT_TRUE(hostengine::hasOpenAndCloseProcs());
    EXPECT_EQ(hostengine::openPlugIn(), 0);
    EXPECT_NE(gProcessGroup, nullptr);
    EXPECT_EQ(hostengine::closePlugIn(), 0);
    EXPECT_EQ(DllMain(platform::pluginModule(), kProcessDetach, nullptr), TRUE);
    EXPECT_EQ(gProcessGroup, nullptr);

    hostengine::forgetOpenAndCloseProcs();
    hostengine::withhold("SetPlugInOpenAndCloseProcs");
    EXPECT_EQ(DllMain(platform::pluginModule(), kProcessAttach, nullptr), TRUE);
    EXPECT_FALSE(hostengine::hasOpenAndCloseProcs());
    EXPECT_NE(gProcessGroup, nullptr);
    EXPECT_EQ(DllMain(platform::pluginModule(), kProcessDetach, nullptr), TRUE);
    EXPECT_EQ(gProcessGroup, nullptr);
}

TEST_F(PluginLibrary, TheByteOrderCallbackTurnsThngAndCfrgFieldsOnly)
{
    std::array<unsigned char, 44> thng{};
    for (std::size_t i = 0; i < thng.size(); ++i)
        thng[i] = static_cast<unsigned char>(0x61 + i);
    auto expected = thng;
    for (const std::size_t offset : {0, 4, 8, 12, 16, 20, 26, 32, 38})
        std::reverse(expected.begin() + static_cast<long>(offset), expected.begin() + static_cast<long>(offset) + 4);
    for (const std::size_t offset : {24, 30, 36, 42})
        std::swap(expected[offset], expected[offset + 1]);
    EXPECT_EQ(FlipResourceByteOrder(0, 0x74686E67, 0, thng.data()), 1); // 'thng'
    EXPECT_EQ(thng, expected);
    EXPECT_EQ(thng[0], 0x64);
    EXPECT_EQ(thng[3], 0x61);

    std::array<unsigned char, 40> cfrg{};
    for (std::size_t i = 0; i < cfrg.size(); ++i)
        cfrg[i] = static_cast<unsigned char>(i);
    auto turned = cfrg;
    std::reverse(turned.begin() + 32, turned.begin() + 36);
    EXPECT_EQ(FlipResourceByteOrder(0, 0x63667267, 0, cfrg.data()), 1); // 'cfrg'
    EXPECT_EQ(cfrg, turned);

    auto pict = cfrg;
    EXPECT_EQ(FlipResourceByteOrder(0, 0x50494354, 0, pict.data()), 0); // 'PICT'
    EXPECT_EQ(pict, cfrg);
}

TEST_F(PluginLibrary, TheBuiltLibraryLoadsAndAnswersThroughItsFourExports)
{
    hostengine::withhold("SetPlugInOpenAndCloseProcs");
    void* library = dlopen(KRAVO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    // Without the engine's registration the library opened at load: the routines reach its group.
    const auto getRoutine = reinterpret_cast<std::int32_t (*)(std::uint32_t, HostRoutine*)>(
        dlsym(library, "_PI_GetRoutineDescriptor"));
    const auto open = reinterpret_cast<std::int32_t (*)(std::int32_t)>(dlsym(library, "WinPlugInOpen"));
    const auto close = reinterpret_cast<std::int32_t (*)()>(dlsym(library, "WinPlugInClose"));
    const auto newPlugIn = reinterpret_cast<std::int32_t (*)(std::int32_t)>(dlsym(library, "NewPlugIn"));
    ASSERT_TRUE(getRoutine && open && close && newPlugIn);
    // Nothing else of the library is there to bind: not its group, not its classes' functions.
    for (const char* inside : {"gProcessGroup", "DllMain", "_ZN13CProcessGroup10InitializeEv"})
        EXPECT_EQ(dlsym(library, inside), nullptr) << inside;

    HostRoutine routine = nullptr;
    ASSERT_EQ(getRoutine(22, &routine), 0);
    std::int16_t types = -1;
    EXPECT_EQ(reinterpret_cast<std::int32_t (*)(std::int16_t*)>(routine)(&types), 0);
    EXPECT_EQ(types, 0);
    EXPECT_EQ(open(73), 0);
    EXPECT_EQ(close(), 0);
    EXPECT_EQ(newPlugIn(0), 0);
    EXPECT_EQ(close(), 0); // the load's open
    EXPECT_EQ(reinterpret_cast<std::int32_t (*)(std::int16_t*)>(routine)(&types), -7003);
    dlclose(library);
}

} // namespace
