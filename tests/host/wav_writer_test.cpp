#include "host/wav_writer.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <filesystem>
#include <limits>
#include <vector>

namespace {

using host::containerFor;
using host::SampleFormat;
using host::WavContainer;
using host::WavStream;
using kravo::test::TempFolder;

std::size_t entriesIn(const TempFolder& folder)
{
    const std::filesystem::directory_iterator entries(folder.path());
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

TEST(KravoHostWavWriter, DataPastFourGibibytesGoesIntoRf64)
{
    // 600 million stereo frames: 2.4 GB of 16-bit, 3.6 GB of 24-bit and 4.8 GB of float data.
    constexpr std::int64_t frames = 600'000'000;
    EXPECT_EQ(containerFor(frames, 2, SampleFormat::pcm16), WavContainer::riff);
    EXPECT_EQ(containerFor(frames, 2, SampleFormat::pcm24), WavContainer::riff);
    EXPECT_EQ(containerFor(frames, 2, SampleFormat::float32), WavContainer::rf64);
    EXPECT_EQ(containerFor(frames, 1, SampleFormat::float32), WavContainer::riff);
    EXPECT_EQ(containerFor(std::int64_t{1} << 30, 2, SampleFormat::pcm16), WavContainer::rf64);
    EXPECT_EQ(containerFor(std::numeric_limits<std::int64_t>::max(), 2, SampleFormat::float32), WavContainer::rf64);
}

TEST(KravoHostWavWriter, StreamedBlocksAppearOnlyWhenCommitted)
{
    TempFolder folder;
    const std::string path = (folder / "take.wav").string();
    folder.writeFile("take.wav", "old");
    const std::vector<float> block(2 * 100, 0.25f);
    {
        WavStream abandoned(path, 48000, SampleFormat::pcm24, 300);
        abandoned.write(block.data(), 100);
    }
    EXPECT_EQ(folder.readFile("take.wav"), "old");
    EXPECT_EQ(entriesIn(folder), 1u);

    for (const auto& [expectedFrames, container] : {std::pair{std::int64_t{300}, SF_FORMAT_WAV},
                                                    std::pair{std::int64_t{600'000'000}, SF_FORMAT_RF64}}) {
        WavStream stream(path, 48000, SampleFormat::float32, expectedFrames);
        for (int i = 0; i < 3; ++i)
            stream.write(block.data(), 100);
        stream.commit();
        EXPECT_EQ(entriesIn(folder), 1u);

        SF_INFO info{};
        SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(info.frames, 300);
        EXPECT_EQ(info.channels, 2);
        EXPECT_EQ(info.format, container | SF_FORMAT_FLOAT);
        std::vector<float> last(2);
        sf_seek(file, 299, SEEK_SET);
        sf_readf_float(file, last.data(), 1);
        EXPECT_EQ(last[1], 0.25f);
        sf_close(file);
    }
}

} // namespace
