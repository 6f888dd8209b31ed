#include "hostframework/plugin_library.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/clock.h"
#include "platform/module_loading.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/hostframework/support/test_processes.h"
#include "tests/support/temp_folder.h"
#include "tests/hostframework/support/suppressed_host_views.h"

#include <gtest/gtest.h>

namespace {

using namespace kravo::test;

class ProcessType : public ::testing::Test {
protected:
    SuppressedHostViews views;
    void TearDown() override
    {
        type.DeleteAllProcesses();
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        platform::setClock(nullptr);
        platform::setModulePath("");
    }
    // Opens the library with a resource file holding these resources.
    void openWithResources(const std::vector<TestResource>& resources)
    {
        writeResourceFile(folder.path() / "Type.dll.rsr", resources);
        platform::setModulePath((folder.path() / "Type.dll").string());
        ASSERT_EQ(WinPlugInOpen(73), 0);
    }
    std::int32_t create()
    {
        std::int32_t id = 0;
        EXPECT_EQ(type.CreateProcessInstance(&id), 0);
        return id;
    }

    platform::ManualClock clock{1000};
    // The type stamps its cache when it is built, so the clock is in place first.
    bool clockInPlace = (platform::setClock(&clock), true);
    TempFolder folder;
    TestType type{fourCC("Krst")};
};

TEST_F(ProcessType, ProcessesAreFoundByIdAndMissingOnesAnswer7126OrZero)
{
    EXPECT_EQ(type.FindProcess(0), nullptr);
    EXPECT_EQ(type.FindProcess(-5), nullptr);
    create();
    create();
    create();
    EXPECT_EQ(type.DeleteProcess(2), 0);
    EXPECT_EQ(type.FindProcess(2), nullptr);
    EXPECT_NE(type.FindProcess(3), nullptr);
    EXPECT_EQ(create(), 2); // the lowest free id again

    std::int32_t value = 0;
    EXPECT_EQ(type.GetControlValue(9, 1, &value), -7126);
    EXPECT_EQ(type.DrawView(9, nullptr), -7126);
    EXPECT_EQ(type.Idle(9, nullptr), -7126);
    EXPECT_EQ(type.GetTableEntryCount(9, 0, 0), 0);
    EXPECT_EQ(type.HasTableEntry(9, 0, 0), 0);
    EXPECT_EQ(type.OptionalHook2(9, 0, nullptr), 0);
    EXPECT_EQ(type.DeleteProcess(9), -7126);
    EXPECT_EQ(type.HostCall166(1, nullptr, &value), -9013);
    EXPECT_EQ(type.HostCall167(1, nullptr), -9013);
    std::uint8_t flag = 0;
    EXPECT_EQ(type.HostCall27(1, 0, &flag), 0);
    EXPECT_EQ(flag, 1);

    type.SetSampleRate(96000);
    type.SetIndexA(4);
    EXPECT_EQ(type.FindProcess(1)->GetIndexA(), 4);
    EXPECT_EQ(type.FindProcess(1)->GetIndexB(), 1);
}

TEST_F(ProcessType, AnAggregatedProcessGoesThroughItsOuterObject)
{
    CountingOuter outer;
    type.makeProcess = [&outer] { return new AggregatedProcess(&outer); };
    const std::int32_t id = create();
    auto* process = type.process(id);
    EXPECT_EQ(type.DeleteProcess(id), 0);
    EXPECT_EQ(outer.releases, 2);
    EXPECT_EQ(process->shutDowns, 1); // still alive: the outer object owns it
    delete static_cast<AggregatedProcess*>(process);
}

TEST_F(ProcessType, TheCacheEvictsTheEntryUsedLongestAgoAndTheEarlierOnTies)
{
    std::uint8_t idText[5] = {};
    type.GetTypeIDString(idText);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(idText), 5), std::string("\x04Krst", 5));

    // Eleven kinds, each with a resource named after the type.
    std::vector<TestResource> resources;
    for (std::uint32_t k = 0; k < 11; ++k)
        resources.push_back({fourCC("Ka00") + k, 128, "Krst", {static_cast<std::uint8_t>(k)}});
    openWithResources(resources);
    for (std::uint32_t k = 0; k < 10; ++k) {
        clock.advance(1);
        ASSERT_NE(type.GetCachedResource(fourCC("Ka00") + k), nullptr);
    }
    clock.advance(1);
    type.GetCachedResource(fourCC("Ka00")); // the first is fresh again; the second is now the oldest
    clock.advance(1);
    EXPECT_EQ(type.GetCachedResource(fourCC("Ka00") + 10)[0], 10);
    EXPECT_EQ(type.GetCachedResourceSize(fourCC("Ka00") + 1), 0u);
    EXPECT_EQ(type.GetCachedResourceSize(fourCC("Ka00")), 1u);

    // A fresh type: the untouched entries share the construction's stamp, and the earlier one goes.
    TestType fresh{fourCC("Krst")};
    clock.advance(1);
    fresh.GetCachedResource(fourCC("Ka00") + 3);
    fresh.GetCachedResource(fourCC("Ka00") + 4);
    EXPECT_EQ(fresh.GetCachedResourceSize(fourCC("Ka00") + 3), 1u);
    EXPECT_EQ(fresh.GetCachedResourceSize(fourCC("Ka00") + 4), 1u);
}

TEST_F(ProcessType, ANamedLookupUnderAnotherSpellingFallsBackToTheScanFromTheLast)
{
    openWithResources({{fourCC("PgTL"), 1, "KRST", {1}},
                       {fourCC("PgTL"), 2, "Krst", {2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
                       {fourCC("PgTL"), 3, "other", {3}}});
    const int handles = hostext::liveHandleCount();
    const std::uint8_t* table = type.GetCachedResource(fourCC("PgTL"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table[0], 2);
    EXPECT_EQ(type.GetCachedResourceSize(fourCC("PgTL")), 10u);
    EXPECT_EQ(table[10], 0);
    EXPECT_EQ(table[11], 0);
    EXPECT_EQ(hostext::liveHandleCount(), handles); // every resource looked at was given back
    EXPECT_EQ(type.GetCachedResource(fourCC("MkTL")), nullptr);
}

} // namespace
