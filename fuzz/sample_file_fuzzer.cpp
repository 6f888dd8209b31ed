// Feeds arbitrary bytes to both sample file readers as a file on disk, then
// plays every frame of what they accept. The sanitizers catch any read past
// the file's data; a decoded value outside -1..1 stops the run too.

#include "fuzz/input_file.h"
#include "plugin/samples/sample_buffer.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

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
    static const FuzzInputFile input("input");
    input.write(data, size);
    loadAndPlay(input.path, &SampleBuffer::readWavFile);
    loadAndPlay(input.path, &SampleBuffer::readAiffFile);
    return 0;
}
