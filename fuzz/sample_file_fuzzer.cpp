// Feeds arbitrary bytes to both sample file readers as a file on disk, then
// plays every frame of what they accept. The sanitizers catch any read past
// the file's data; a decoded value outside -1..1 stops the run too.

#include "plugin/samples/sample_buffer.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

// The readers take a path: each fuzzing process writes its inputs to a file of its own.
struct InputFile {
    InputFile()
        : path((std::filesystem::temp_directory_path() / ("kravo-sample-fuzz-" + std::to_string(std::random_device{}())))
                   .string())
    {
    }
    ~InputFile() { std::filesystem::remove(path); }
    std::string path;
};

void loadAndPlay(const std::string& path, bool (SampleBuffer::*reader)())
{
    // Past either end by a little, as a player may ask.
    constexpr std::int32_t kBeyondEnds = 2;
    constexpr float kLoudest = 1.0f;
    SampleBuffer buffer;
    buffer.reset();
    buffer.setPath(path.c_str());
    (buffer.*reader)();
    for (std::int32_t frame = -kBeyondEnds; frame <= buffer.getLastFrame() + kBeyondEnds; ++frame) {
        float left = 0.0f, right = 0.0f;
        buffer.readInterpolated(static_cast<float>(frame) + 0.5f, left, right);
        if (!(std::fabs(left) <= kLoudest && std::fabs(right) <= kLoudest))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const InputFile input;
    std::ofstream(input.path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    loadAndPlay(input.path, &SampleBuffer::readWavFile);
    loadAndPlay(input.path, &SampleBuffer::readAiffFile);
    return 0;
}
