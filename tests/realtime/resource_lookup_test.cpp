#include "platform/module_resources.h"
#include "tests/realtime/realtime_calls.h"

#include <gtest/gtest.h>

namespace {

using kravo::test::RealtimeCalls;

// A program change loads the factory samples from the module's resources on the audio thread.
TEST(AudioPath, FindingAndReadingAnEmbeddedResourceMakesNoRealtimeCalls)
{
    for (HMODULE module : {platform::pluginModule(), HMODULE{nullptr}}) {
        const void* bytes = nullptr;
        DWORD size = 0;
        EXPECT_EQ(kravo::test::realtimeCallsDuring([&] {
            HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), "TXT");
            bytes = LockResource(LoadResource(module, found));
            size = SizeofResource(module, found);
        }),
                  RealtimeCalls{});
        EXPECT_TRUE(bytes != nullptr && size > 0);
    }
}

} // namespace
