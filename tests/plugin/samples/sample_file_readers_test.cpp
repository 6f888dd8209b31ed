#include "tests/plugin/samples/sample_loading.h"
#include "tests/support/crafted_sample_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace {

using namespace kravo::test;

constexpr SampleReader kWav = &SampleBuffer::readWavFile;
constexpr SampleReader kAiff = &SampleBuffer::readAiffFile;
constexpr float kWord = 1.0f / 32768.0f;
constexpr float kByte = 1.0f / 128.0f;

// Every format code, each first frame chosen to show the byte-order rule: 16-bit words
// low byte first in WAV, high byte first in AIFF, 24-bit samples read from their top two bytes.
TEST(SampleFileReaders, EachLayoutGetsItsCodeRateAndFrameCountAndDecodesItsFirstFrame)
{
    const FileBytes list = FileBytes().text("LIST").little(4, 4).text("INFO");
    const struct {
        std::string bytes;
        SampleReader reader;
        std::int32_t code;
        float rate;
        std::int32_t frames;
        float left, right;
    } cases[] = {
        // The chunks without the RIFF header: 35 bytes, the smallest file read.
        {WavFile{.bits = 8, .frames = {"\x00\x01\x02", 3}}.bytes().substr(12), kWav, 0, 44100, 3, -1.0f, -1.0f},
        {WavFile{.channels = 2, .bits = 8, .frames = "\xFF\x81"}.bytes(), kWav, 1, 44100, 1, 127 * kByte, kByte},
        {WavFile{.frames = "\xFF\xFF"}.bytes(), kWav, 2, 44100, 1, -kWord, -kWord},
        // A chunk before "fmt ", and data that ends inside a frame.
        {WavFile{.channels = 2, .frames = std::string("\x00\x80\xFF\x7F", 4) + std::string(10, '\1'), .before = list.bytes}.bytes(),
         kWav, 3, 44100, 3, -1.0f, 32767 * kWord},
        {WavFile{.rate = 4700, .bits = 24, .frames = "\x12\x34\x56"}.bytes(), kWav, 4, 4700, 1, 0x5634 * kWord,
         0x5634 * kWord},
        {WavFile{.formatTag = 0xFFFE, .channels = 2, .rate = 190000, .bits = 24, .frames = {"\x12\x34\x56\x00\x00\x80", 6}}
             .bytes(), kWav, 5, 190000, 1, 0x5634 * kWord, -1.0f},
        {AiffFile{.bits = 8, .frames = "\x80"}.bytes(), kAiff, 6, 44100, 1, -1.0f, -1.0f},
        {AiffFile{.channels = 2, .bits = 8, .frames = "\x7F\x01"}.bytes(), kAiff, 7, 44100, 1, 127 * kByte, kByte},
        {AiffFile{.frames = "\xFF\xFF", .padding = "\x7F\x7F"}.bytes(), kAiff, 8, 44100, 1, -kWord, -kWord},
        {AiffFile{.channels = 2, .rate = extendedRate(32000), .frames = {"\x80\x00\x56\x34", 4}}.bytes(), kAiff, 9,
         32000, 1, -1.0f, 0x5634 * kWord},
        {AiffFile{.bits = 24, .rate = extendedRate(1000), .frames = "\x56\x34\x12"}.bytes(), kAiff, 10, 44100, 1,
         0x5634 * kWord, 0x5634 * kWord},
        {AiffFile{.channels = 2, .bits = 24, .frames = {"\x56\x34\x12\x80\x00\x00", 6}}.bytes(), kAiff, 11, 44100, 1,
         0x5634 * kWord, -1.0f},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        const auto buffer = loadSample(folder, c.bytes, c.reader);
        ASSERT_TRUE(buffer->isLoaded()) << c.code;
        EXPECT_EQ(std::tuple(buffer->getFormatCode(), buffer->getSampleRate(), buffer->getFrameCount(),
                             buffer->getStart(), buffer->getEnd()),
                  std::tuple(c.code, c.rate, c.frames, 0, c.frames - 1)) << c.code;
        float left = 0.0f, right = 0.0f;
        buffer->readInterpolated(0.0f, left, right);
        EXPECT_EQ(std::tuple(left, right), std::tuple(c.left, c.right)) << c.code;
    }
}

TEST(SampleFileReaders, AiffRatesAreDecodedSoTheListedOnesKeepTheirValues)
{
    const std::tuple<std::string, float> cases[] = {
        {{"\x40\x0C\xAC\x44", 4}, 11025}, {{"\x40\x0D\xAC\x44", 4}, 22050}, {{"\x40\x0E\xAC\x44", 4}, 44100},
        {{"\x40\x0E\xBB\x80", 4}, 48000}, {{"\x40\x0F\xAC\x44", 4}, 88200}, {{"\x40\x0F\xBB\x80", 4}, 96000},
        {{"\x40\x0D\xFA\x00", 4}, 32000}, {{"\xC0\x0E\xAC\x44", 4}, 44100}, {{"\x7F\xFF\xAC\x44", 4}, 44100}};
    TempFolder folder;
    for (const auto& [bytes, rate] : cases) {
        const auto buffer = loadSample(folder, AiffFile{.rate = bytes + std::string(6, '\0'), .frames = "ab"}.bytes(), kAiff);
        EXPECT_EQ(std::tuple(buffer->isLoaded(), buffer->getSampleRate()), std::tuple(true, rate)) << rate;
    }
}

// The files are sparse: only a sample that is accepted is read.
TEST(SampleFileReaders, SamplesUpTo67108863FramesLoadWithTheirFullLengthAndLongerOnesAreRefused)
{
    const std::tuple<std::string, SampleReader, std::uint32_t, bool> cases[] = {
        {AiffFile{.bits = 8, .claimedFrames = 16777216}.bytes(), kAiff, 16777216, true},
        {AiffFile{.bits = 8, .claimedFrames = 67108863}.bytes(), kAiff, 67108863, true},
        {AiffFile{.bits = 8, .claimedFrames = 67108864}.bytes(), kAiff, 67108864, false},
        {WavFile{.bits = 8, .claimedSize = 67108864}.bytes(), kWav, 67108864, false}};
    TempFolder folder;
    for (const auto& [header, reader, frames, loads] : cases) {
        const auto path = folder / "long";
        writeFile(path.string(), header);
        std::filesystem::resize_file(path, header.size() + frames);
        SampleBuffer buffer;
        buffer.reset();
        buffer.setPath(path.c_str());
        EXPECT_EQ((buffer.*reader)(), loads) << frames;
        EXPECT_EQ(buffer.getFrameCount(), loads ? static_cast<std::int32_t>(frames) : 100) << frames;
    }
}

// Whatever a file claims, a reader takes only what the rules accept, and a refused file leaves the placeholder.
TEST(SampleFileReaders, CraftedFilesAreTakenOnlyByTheReaderWhoseRulesTheyPass)
{
    TempFolder folder;
    for (const CraftedSampleFile& file : craftedSampleFiles()) {
        for (const auto& [reader, loads] : {std::pair{kWav, file.wavLoads}, std::pair{kAiff, file.aiffLoads}}) {
            const auto buffer = loadSample(folder, file.bytes, reader);
            EXPECT_EQ(buffer->isLoaded(), loads) << file.name;
            EXPECT_EQ(buffer->getFrameCount(), loads ? 4 : 100) << file.name;
            float left = 0.0f, right = 0.0f;
            buffer->readInterpolated(1.0f, left, right);
            EXPECT_FLOAT_EQ(left, loads ? -0x1112 * kWord : 1e-15f) << file.name;
        }
    }
}

} // namespace
