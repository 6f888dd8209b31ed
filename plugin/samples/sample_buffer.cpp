#include "plugin/samples/sample_buffer.h"

#include "platform/windows_paths.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::int64_t kSmallestFile = 35;
constexpr std::int64_t kAllocationSlack = 4096;
// The widest frame: 24-bit stereo.
constexpr std::int64_t kWidestFrameBytes = 6;
constexpr float kLowestWavRate = 4700.0f;
constexpr float kHighestWavRate = 190000.0f;
constexpr float kDefaultRate = 44100.0f;

// A sample file read from its start, never past its end.
class SampleFile {
public:
    explicit SampleFile(const char* path) : file(platform::openFile(path, "rb"))
    {
        if (file && std::fseek(file, 0, SEEK_END) == 0) {
            size = static_cast<std::int64_t>(std::ftell(file));
            std::rewind(file);
        }
    }
    ~SampleFile()
    {
        if (file)
            std::fclose(file);
    }
    SampleFile(const SampleFile&) = delete;
    SampleFile& operator=(const SampleFile&) = delete;

    bool usable() const { return file != nullptr && size >= kSmallestFile; }
    std::int64_t remaining() const { return size - position; }

    bool read(void* target, std::int64_t bytes)
    {
        if (bytes < 0 || bytes > remaining())
            return false;
        const auto got = std::fread(target, 1, static_cast<std::size_t>(bytes), file);
        position += static_cast<std::int64_t>(got);
        return static_cast<std::int64_t>(got) == bytes;
    }

    bool skip(std::int64_t bytes)
    {
        if (bytes < 0 || bytes > remaining() || std::fseek(file, static_cast<long>(position + bytes), SEEK_SET) != 0)
            return false;
        position += bytes;
        return true;
    }

    // Reads on from where it stands until the last four bytes read are the tag.
    bool findTag(const char* tag)
    {
        char last[4] = {};
        int c = 0;
        while ((c = std::fgetc(file)) != EOF) {
            ++position;
            std::memmove(last, last + 1, 3);
            last[3] = static_cast<char>(c);
            if (std::memcmp(last, tag, 4) == 0)
                return true;
        }
        return false;
    }

    // The first occurrence of the tag anywhere in the file, the chunk structure not walked.
    bool findTagFromStart(const char* tag)
    {
        std::rewind(file);
        position = 0;
        return findTag(tag);
    }

    bool readLittle(std::uint32_t& value, int bytes) { return readWord(value, bytes, false); }
    bool readBig(std::uint32_t& value, int bytes) { return readWord(value, bytes, true); }

private:
    bool readWord(std::uint32_t& value, int bytes, bool bigEndian)
    {
        std::uint8_t b[4] = {};
        if (!read(b, bytes))
            return false;
        value = 0;
        for (int i = 0; i < bytes; ++i) {
            const int shift = bigEndian ? 8 * (bytes - 1 - i) : 8 * i;
            value |= static_cast<std::uint32_t>(b[i]) << shift;
        }
        return true;
    }

    std::FILE* file = nullptr;
    std::int64_t size = 0;
    std::int64_t position = 0;
};

// An extended-precision (80-bit, big-endian) number; NaN for what no sample rate can be.
double decodeExtended(const std::uint8_t* bytes)
{
    const int exponent = ((bytes[0] & 0x7F) << 8) | bytes[1];
    std::uint64_t mantissa = 0;
    for (int i = 2; i < 10; ++i)
        mantissa = (mantissa << 8) | bytes[i];
    if (exponent == 0x7FFF || (bytes[0] & 0x80) != 0)
        return std::nan("");
    return std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
}

} // namespace

void SampleBuffer::reset()
{
    dcOffset = 1e-15f;
    frameCount = kPlaceholderFrames;
    sampleRate = kDefaultRate;
    loaded = false;
    // Zeroed and wide enough for any format, so a stray read of the placeholder is silence.
    const auto bytes = static_cast<std::size_t>(kPlaceholderFrames * kWidestFrameBytes);
    data = std::make_unique<std::uint8_t[]>(bytes);
    std::memset(data.get(), 0, bytes);
    std::strcpy(path, "Nil");
}

void SampleBuffer::allocate(std::int32_t frames, std::int64_t bytes)
{
    if (frames == 0)
        return;
    frameCount = frames;
    data = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(bytes + kAllocationSlack));
}

bool SampleBuffer::setPath(const char* text)
{
    if (text == nullptr || std::strlen(text) >= kPathCapacity)
        return false;
    std::strcpy(path, text);
    return true;
}

bool SampleBuffer::readWavFile()
{
    SampleFile file(path);
    if (!file.usable() || !file.findTagFromStart("fmt "))
        return false;
    std::uint32_t chunkSize = 0, formatTag = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    if (!file.readLittle(chunkSize, 4) || !file.readLittle(formatTag, 2) || !file.readLittle(channels, 2) ||
        !file.readLittle(rate, 4) || !file.readLittle(byteRate, 4) || !file.readLittle(blockAlign, 2) ||
        !file.readLittle(bits, 2))
        return false;
    if (channels != 1 && channels != 2)
        return false;
    sampleRate = static_cast<float>(rate);
    if (sampleRate < kLowestWavRate || sampleRate > kHighestWavRate)
        return false;
    if (bits != 8 && bits != 16 && bits != 24)
        return false;
    std::uint32_t size = 0;
    if (!file.findTagFromStart("data") || !file.readLittle(size, 4) || size > file.remaining())
        return false;
    const std::int64_t frameBytes = static_cast<std::int64_t>(bits / 8) * channels;
    const std::int64_t frames = size / frameBytes;
    if (frames == 0 || frames > kMostFrames)
        return false;
    allocate(static_cast<std::int32_t>(frames), size);
    if (!file.read(data.get(), size)) {
        reset();
        return false;
    }
    startFrame = 0;
    endFrame = static_cast<std::int32_t>(frames - 1);
    formatCode = static_cast<std::int32_t>(2 * (bits / 8 - 1) + (channels - 1));
    loaded = true;
    return true;
}

bool SampleBuffer::readAiffFile()
{
    constexpr std::int64_t kFormHeader = 8;
    constexpr std::int64_t kChunkHeader = 8;
    SampleFile file(path);
    if (!file.usable() || !file.skip(kFormHeader) || !file.findTag("AIFF") || !file.skip(kChunkHeader))
        return false;
    std::uint32_t channels = 0, frameField = 0, bits = 0;
    std::uint8_t rateBytes[10] = {};
    if (!file.readBig(channels, 2) || !file.readBig(frameField, 4) || !file.readBig(bits, 2) ||
        !file.read(rateBytes, 4))
        return false;
    // The rate's last six bytes only refine it; a file that ends inside them still loads.
    file.read(rateBytes + 4, std::min<std::int64_t>(6, file.remaining()));
    if (channels != 1 && channels != 2)
        return false;
    if (bits != 8 && bits != 16 && bits != 24)
        return false;
    const double rate = decodeExtended(rateBytes);
    sampleRate = rate >= kLowestWavRate && rate <= kHighestWavRate ? static_cast<float>(rate) : kDefaultRate;
    std::uint32_t chunkSize = 0, offset = 0, blockSize = 0;
    if (!file.findTagFromStart("SSND") || !file.readBig(chunkSize, 4) || !file.readBig(offset, 4) ||
        !file.readBig(blockSize, 4) || !file.skip(offset))
        return false;
    const std::int64_t frameBytes = static_cast<std::int64_t>(bits / 8) * channels;
    const std::int64_t size = frameBytes * frameField;
    if (size > file.remaining())
        return false;
    const std::int64_t frames = size / frameBytes;
    if (frames == 0 || frames > kMostFrames)
        return false;
    allocate(static_cast<std::int32_t>(frames), size);
    if (!file.read(data.get(), size)) {
        reset();
        return false;
    }
    startFrame = 0;
    endFrame = static_cast<std::int32_t>(frames - 1);
    formatCode = static_cast<std::int32_t>(6 + 2 * (bits / 8 - 1) + (channels - 1));
    loaded = true;
    return true;
}
