#include "host/wav_writer.h"

#include "platform/byte_order.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace host {

namespace {

// Room for the header chunks, which count towards the 32-bit size too.
constexpr std::int64_t kHeaderAllowance = 4096;

int bytesPerSample(SampleFormat format)
{
    switch (format) {
    case SampleFormat::pcm16: return 2;
    case SampleFormat::pcm24: return 3;
    case SampleFormat::float32: return 4;
    }
    return 4;
}

int subtypeOf(SampleFormat format)
{
    switch (format) {
    case SampleFormat::pcm16: return SF_FORMAT_PCM_16;
    case SampleFormat::pcm24: return SF_FORMAT_PCM_24;
    case SampleFormat::float32: return SF_FORMAT_FLOAT;
    }
    return SF_FORMAT_FLOAT;
}

// The writer stamps its PEAK chunk with the wall-clock time; a fixed stamp keeps two renders of one
// command byte-identical. The chunk sits among the header chunks, before the samples.
void fixPeakTimestamp(const std::filesystem::path& path)
{
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (!file)
        return;
    unsigned char header[8];
    std::fseek(file, 12, SEEK_SET); // past the container's own id, size and form
    while (std::fread(header, 1, sizeof header, file) == sizeof header && std::memcmp(header, "data", 4) != 0) {
        const auto size = static_cast<long>(platform::readLittleEndian(header + 4, 4));
        if (std::memcmp(header, "PEAK", 4) == 0) {
            const unsigned char stamp[4] = {};
            std::fseek(file, 4, SEEK_CUR); // past the chunk's version
            std::fwrite(stamp, 1, sizeof stamp, file);
            break;
        }
        if (std::fseek(file, size + (size & 1), SEEK_CUR) != 0)
            break;
    }
    std::fclose(file);
}

} // namespace

WavContainer containerFor(std::int64_t frames, int channels, SampleFormat format)
{
    const std::int64_t frameBytes = std::int64_t{channels} * bytesPerSample(format);
    const std::int64_t riffLimit = std::numeric_limits<std::uint32_t>::max() - kHeaderAllowance;
    return frames > riffLimit / frameBytes ? WavContainer::rf64 : WavContainer::riff;
}

WavStream::WavStream(const std::string& path, int sampleRate, SampleFormat format, std::int64_t expectedFrames)
    : path_(path), format_(format), replacement_(path, "WAV file")
{
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = (containerFor(expectedFrames, info.channels, format) == WavContainer::rf64 ? SF_FORMAT_RF64
                                                                                             : SF_FORMAT_WAV) |
                  subtypeOf(format);
    file_ = sf_open(replacement_.temporary().c_str(), SFM_WRITE, &info);
    if (!file_)
        throw std::runtime_error("cannot create " + path + ": " + sf_strerror(nullptr));
    // Integer formats clip rather than wrap when the mix runs over full scale.
    sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

WavStream::~WavStream()
{
    if (file_)
        sf_close(file_);
}

void WavStream::write(const float* interleaved, std::int64_t frames)
{
    if (format_ != SampleFormat::float32) {
        for (std::int64_t i = 0; i < frames * 2; ++i) {
            const float magnitude = std::abs(interleaved[i]);
            clippedSamples_ += magnitude > 1.0f;
            peak_ = std::max(peak_, magnitude);
        }
    }
    if (sf_writef_float(file_, interleaved, frames) != frames)
        throw std::runtime_error("cannot write " + path_ + ": " + sf_strerror(file_));
}

void WavStream::commit()
{
    const int closeResult = sf_close(file_);
    file_ = nullptr;
    if (closeResult != 0)
        throw std::runtime_error("cannot finish " + path_ + ": " + sf_error_number(closeResult));
    fixPeakTimestamp(replacement_.temporary());
    replacement_.commit();
}

} // namespace host
