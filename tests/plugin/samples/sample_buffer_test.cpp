#include "tests/plugin/samples/sample_loading.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <tuple>

namespace {

using namespace kravo::test;

constexpr float kOffset = 1e-15f;

TEST(SampleBuffer, ReadsInterpolateBetweenFramesAndHoldTheEndFramesOutsideTheSample)
{
    TempFolder folder;
    const auto buffer = loadSample(folder, wavBytes({0, 1000, 2000, 3000}, 1, 44100));
    const std::tuple<float, float> cases[] = {
        {2.25f, 2250.0f}, {0.5f, 500.0f}, {1e9f, 3000.0f}, {-5.0f, 0.0f},
        {std::numeric_limits<float>::infinity(), 3000.0f}, {std::numeric_limits<float>::quiet_NaN(), 0.0f}};
    for (const auto& [position, raw] : cases) {
        float left = 0.0f, right = 0.0f;
        buffer->readInterpolated(position, left, right);
        EXPECT_EQ(std::tuple(left, right), std::tuple(raw / 32768.0f + kOffset, raw / 32768.0f + kOffset)) << position;
    }
}

// After a 24-bit stereo file the placeholder must still hold 100 frames of six bytes.
TEST(SampleBuffer, ResetLeavesASilentPlaceholderWideEnoughForTheKeptFormat)
{
    TempFolder folder;
    for (const auto& [bits, channels] : {std::pair{24u, 2u}, std::pair{8u, 1u}}) {
        const auto buffer = loadSample(folder, WavFile{.channels = channels, .bits = bits, .frames = "abcdefghijkl"}.bytes());
        const std::int32_t code = buffer->getFormatCode();
        buffer->reset();
        EXPECT_EQ(std::tuple(buffer->isLoaded(), std::string(buffer->getPath()), buffer->getFrameCount(),
                             buffer->getSampleRate(), buffer->getStart(), buffer->getEnd(), buffer->getFormatCode()),
                  std::tuple(false, std::string("Nil"), 100, 44100.0f, 0, 12 / (bits / 8 * channels) - 1, code));
        float left = 1.0f, right = 1.0f;
        buffer->readInterpolated(99.0f, left, right);
        EXPECT_EQ(std::tuple(left, right), std::tuple(kOffset, kOffset)) << code;
    }
}

TEST(SampleBuffer, APathLongerThan257CharactersIsRefusedNotCut)
{
    SampleBuffer buffer;
    buffer.reset();
    const std::string longest(257, 'p');
    EXPECT_TRUE(buffer.setPath(longest.c_str()));
    EXPECT_FALSE(buffer.setPath((longest + "q").c_str()));
    EXPECT_EQ(buffer.getPath(), longest);
}

} // namespace
