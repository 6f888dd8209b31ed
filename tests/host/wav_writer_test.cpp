#include "host/wav_writer.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <limits>
#include <tuple>
#include <vector>

namespace {

using host::containerFor;
using host::SampleFormat;
using host::WavContainer;
using host::WavStream;
using kravo::test::TempFolder;

TEST(KravoHostWavWriter, StreamedBlocksAppearOnlyWhenCommittedAndDataPastFourGibibytesGoesIntoRf64)
{
    // 600 million frames: 3.6 GB of 24-bit and 4.8 GB of float stereo data, 2.4 GB of float mono data.
    constexpr std::int64_t frames = 600'000'000;
    EXPECT_EQ(containerFor(frames, 2, SampleFormat::pcm24), WavContainer::riff);
    EXPECT_EQ(containerFor(frames, 2, SampleFormat::float32), WavContainer::rf64);
    EXPECT_EQ(containerFor(frames, 1, SampleFormat::float32), WavContainer::riff);
    EXPECT_EQ(containerFor(std::int64_t{1} << 30, 2, SampleFormat::pcm16), WavContainer::rf64);
    EXPECT_EQ(containerFor(std::numeric_limits<std::int64_t>::max(), 2, SampleFormat::float32), WavContainer::rf64);

    TempFolder folder;
    const std::string path = (folder / "take.wav").string();
    folder.writeFile("take.wav", "old");
    const std::vector<float> block(2 * 100, 0.25f);
    {
        WavStream abandoned(path, 48000, SampleFormat::pcm24, 300);
        abandoned.write(block.data(), 100);
    }
    EXPECT_EQ(folder.readFile("take.wav"), "old");
    EXPECT_EQ(folder.names(), std::set<std::string>{"take.wav"});

    for (const auto& [expectedFrames, container] : {std::pair{std::int64_t{300}, SF_FORMAT_WAV},
                                                    std::pair{std::int64_t{600'000'000}, SF_FORMAT_RF64}}) {
        WavStream stream(path, 48000, SampleFormat::float32, expectedFrames);
        for (int i = 0; i < 3; ++i)
            stream.write(block.data(), 100);
        stream.commit();
        EXPECT_EQ(folder.names(), std::set<std::string>{"take.wav"});

        SF_INFO info{};
        SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(std::tuple(info.frames, info.channels, info.format), std::tuple(300, 2, container | SF_FORMAT_FLOAT));
        std::vector<float> last(2);
        sf_seek(file, 299, SEEK_SET);
        sf_readf_float(file, last.data(), 1);
        EXPECT_EQ(last[1], 0.25f);
        sf_close(file);
    }
}

} // namespace
