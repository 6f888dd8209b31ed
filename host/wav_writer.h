#pragma once

#include "host/command_line.h"
#include "host/file_replacement.h"

#include <cstdint>
#include <string>

typedef struct sf_private_tag SNDFILE;

namespace host {

enum class WavContainer { riff, rf64 };

// The plain container counts its size in 32 bits, so longer data goes into RF64.
WavContainer containerFor(std::int64_t frames, int channels, SampleFormat format);

// A stereo WAV file written block by block. It grows in a temporary file beside
// its path and takes the path's place only on commit(), so a render that fails
// or is stopped leaves neither a partial file nor the temporary behind, and an
// older file of that name stays as it was. Throws std::runtime_error naming the
// path when the file cannot be created or written.
class WavStream {
public:
    // The length picks the container; writing fewer frames is harmless.
    WavStream(const std::string& path, int sampleRate, SampleFormat format, std::int64_t expectedFrames);
    ~WavStream();
    WavStream(const WavStream&) = delete;
    WavStream& operator=(const WavStream&) = delete;

    void write(const float* interleaved, std::int64_t frames);
    void commit();

    // What integer output has clipped so far: samples past full scale, and the largest magnitude written.
    std::int64_t clippedSamples() const { return clippedSamples_; }
    float peak() const { return peak_; }

private:
    std::string path_;
    SampleFormat format_;
    std::int64_t clippedSamples_ = 0;
    float peak_ = 0.0f;
    FileReplacement replacement_;
    SNDFILE* file_ = nullptr;
};

} // namespace host
