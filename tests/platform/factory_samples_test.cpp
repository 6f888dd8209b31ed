#include "platform/module_resources.h"
#include "resources/factory_samples/factory_sample_specs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

using factory_samples::kCount;
using factory_samples::kSpecs;

struct Found {
    const unsigned char* bytes = nullptr;
    DWORD size = 0;
};

Found sampleResource(int entry)
{
    HMODULE module = platform::pluginModule();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(factory_samples::kFirstResourceId + entry), "TXT");
    return {static_cast<const unsigned char*>(LockResource(LoadResource(module, found))), SizeofResource(module, found)};
}

int frameBytes(int entry) { return 2 * (1 + kSpecs[entry].stereo); }

std::int16_t valueAt(const Found& r, std::size_t index)
{
    return static_cast<std::int16_t>(r.bytes[2 * index] | (r.bytes[2 * index + 1] << 8));
}

TEST(FactorySamples, EveryEntryIsEmbeddedAndItsPlayingLengthFitsItsResource)
{
    float longest = 0.0f;
    for (int entry = 0; entry < kCount; ++entry) {
        const Found r = sampleResource(entry);
        ASSERT_NE(r.bytes, nullptr) << "entry " << entry;
        EXPECT_LE(kSpecs[entry].stereo, 1) << "entry " << entry;
        EXPECT_GE(kSpecs[entry].length, 307.0f) << "entry " << entry;
        EXPECT_LE(kSpecs[entry].length * static_cast<float>(frameBytes(entry)), static_cast<float>(r.size))
            << "entry " << entry;
        EXPECT_EQ(r.size % static_cast<DWORD>(frameBytes(entry)), 0u) << "entry " << entry;
        longest = std::max(longest, kSpecs[entry].length);
    }
    EXPECT_EQ(longest, static_cast<float>(factory_samples::kLongestFrames));
    EXPECT_EQ(sampleResource(kCount).bytes, nullptr);
}

TEST(FactorySamples, TheRowsThePlayerWasMadeForHold)
{
    for (int entry : {17, 260}) {
        EXPECT_EQ(kSpecs[entry].length, 300287.0f);
        EXPECT_EQ(kSpecs[entry].stereo, 1);
    }
    EXPECT_EQ(kSpecs[24].length, 2778.0f);
    EXPECT_EQ(kSpecs[24].stereo, 0);
    EXPECT_GE(sampleResource(24).size, 2778u * 2u);
    EXPECT_EQ(kSpecs[222].length, 26281.0f);
    EXPECT_EQ(sampleResource(222).size, 29193u * static_cast<DWORD>(frameBytes(222)));
}

TEST(FactorySamples, EverySampleStartsAndEndsAtRestAndReachesNearFullScale)
{
    for (int entry = 0; entry < kCount; ++entry) {
        const Found r = sampleResource(entry);
        ASSERT_NE(r.bytes, nullptr);
        const std::size_t channels = 1 + kSpecs[entry].stereo;
        const auto frames = static_cast<std::size_t>(kSpecs[entry].length);
        int peak = 0;
        for (std::size_t i = 0; i < frames * channels; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(valueAt(r, i))));
        EXPECT_GT(peak, 30000) << "entry " << entry;
        for (std::size_t c = 0; c < channels; ++c) {
            EXPECT_EQ(valueAt(r, c), 0) << "entry " << entry;
            EXPECT_LE(std::abs(valueAt(r, (frames - 1) * channels + c)), 1) << "entry " << entry;
        }
    }
}

} // namespace
