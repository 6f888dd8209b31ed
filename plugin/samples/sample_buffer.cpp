#include "plugin/samples/sample_buffer.h"

#include "platform/byte_order.h"
#include "plugin/samples/sample_file.h"

#include <cmath>
#include <cstring>
#include <new>

using samples::SampleFile;

namespace {

constexpr std::int64_t kSmallestFile = 35;
constexpr std::int64_t kAllocationSlack = 4096;
// The widest frame: 24-bit stereo.
constexpr std::int64_t kWidestFrameBytes = 6;
constexpr float kLowestRate = 4700.0f;
constexpr float kHighestRate = 190000.0f;
constexpr float kDefaultRate = 44100.0f;

// An extended-precision (80-bit, big-endian) number; NaN for what no sample rate can be.
double decodeExtended(const std::uint8_t* bytes)
{
    const int exponent = ((bytes[0] & 0x7F) << 8) | bytes[1];
    const std::uint64_t mantissa = platform::readBigEndian(bytes + 2, 8);
    if (exponent == 0x7FFF || (bytes[0] & 0x80) != 0)
        return std::nan("");
    return std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
}

bool isChannelCount(std::uint32_t channels)
{
    return channels == 1 || channels == 2;
}

bool isSampleWidth(std::uint32_t bits)
{
    return bits == 8 || bits == 16 || bits == 24;
}

// The code of a layout counts 8, 16 and 24 bits in steps of two, mono before stereo.
std::int32_t layoutCode(std::uint32_t bits, std::uint32_t channels)
{
    return static_cast<std::int32_t>(2 * (bits / 8 - 1) + (channels - 1));
}

} // namespace

void SampleBuffer::reset()
{
    dcOffset = 1e-15f;
    frameCount = kPlaceholderFrames;
    sampleRate = kDefaultRate;
    loaded = false;
    // Wide enough for any format, and silence in the kept one (unsigned 8-bit
    // bytes have their zero at 128), so a stray read of the placeholder is harmless.
    constexpr std::size_t kPlaceholderBytes = kPlaceholderFrames * kWidestFrameBytes;
    constexpr std::int32_t kLastUnsignedCode = 1;
    data = std::make_unique<std::uint8_t[]>(kPlaceholderBytes);
    if (formatCode >= 0 && formatCode <= kLastUnsignedCode)
        std::memset(data.get(), 0x80, kPlaceholderBytes);
    std::strcpy(path, "Nil");
}

void SampleBuffer::allocate(std::int32_t frames, std::int64_t bytes)
{
    if (frames == 0)
        return;
    frameCount = frames;
    // A file too large for memory is a failed read, not an exception on the editor's thread.
    data.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(bytes + kAllocationSlack)]);
}

bool SampleBuffer::setPath(const char* text)
{
    if (text == nullptr || std::strlen(text) >= kPathCapacity)
        return false;
    std::strcpy(path, text);
    return true;
}

bool SampleBuffer::readFrames(SampleFile& file, std::int64_t size, std::int64_t frameBytes, std::int32_t code)
{
    const std::int64_t frames = size / frameBytes;
    if (size > file.remaining() || frames == 0 || frames > kMostFrames)
        return false;
    allocate(static_cast<std::int32_t>(frames), size);
    if (data == nullptr || !file.read(data.get(), size)) {
        reset();
        return false;
    }
    startFrame = 0;
    endFrame = static_cast<std::int32_t>(frames - 1);
    formatCode = code;
    loaded = true;
    return true;
}

bool SampleBuffer::readWavFile()
{
    SampleFile file(path);
    if (!file.usable(kSmallestFile) || !file.findTagFromStart("fmt "))
        return false;
    std::uint32_t chunkSize = 0, formatTag = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    if (!file.readLittle(chunkSize, 4) || !file.readLittle(formatTag, 2) || !file.readLittle(channels, 2) ||
        !file.readLittle(rate, 4) || !file.readLittle(byteRate, 4) || !file.readLittle(blockAlign, 2) ||
        !file.readLittle(bits, 2))
        return false;
    if (!isChannelCount(channels))
        return false;
    sampleRate = static_cast<float>(rate);
    if (sampleRate < kLowestRate || sampleRate > kHighestRate || !isSampleWidth(bits))
        return false;
    std::uint32_t size = 0;
    if (!file.findTagFromStart("data") || !file.readLittle(size, 4))
        return false;
    return readFrames(file, size, static_cast<std::int64_t>(bits / 8) * channels, layoutCode(bits, channels));
}

bool SampleBuffer::readAiffFile()
{
    constexpr std::int64_t kFormHeader = 8;
    constexpr std::int64_t kChunkHeader = 8;
    constexpr std::int32_t kFirstAiffCode = 6;
    SampleFile file(path);
    if (!file.usable(kSmallestFile) || !file.skip(kFormHeader) || !file.findTag("AIFF") || !file.skip(kChunkHeader))
        return false;
    std::uint32_t channels = 0, frameField = 0, bits = 0;
    std::uint8_t rateBytes[10] = {};
    if (!file.readBig(channels, 2) || !file.readBig(frameField, 4) || !file.readBig(bits, 2) ||
        !file.read(rateBytes, 4))
        return false;
    // The rate's last six bytes only refine it; a file that ends inside them still loads.
    file.read(rateBytes + 4, std::min<std::int64_t>(6, file.remaining()));
    if (!isChannelCount(channels) || !isSampleWidth(bits))
        return false;
    // Rates a WAV file may have play at their own pitch; anything else, at 44100.
    const double rate = decodeExtended(rateBytes);
    sampleRate = rate >= kLowestRate && rate <= kHighestRate ? static_cast<float>(rate) : kDefaultRate;
    std::uint32_t chunkSize = 0, offset = 0, blockSize = 0;
    if (!file.findTagFromStart("SSND") || !file.readBig(chunkSize, 4) || !file.readBig(offset, 4) ||
        !file.readBig(blockSize, 4) || !file.skip(offset))
        return false;
    const std::int64_t frameBytes = static_cast<std::int64_t>(bits / 8) * channels;
    return readFrames(file, frameBytes * frameField, frameBytes, kFirstAiffCode + layoutCode(bits, channels));
}
